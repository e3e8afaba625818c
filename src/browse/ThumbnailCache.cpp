// SPDX-License-Identifier: MIT
#include "browse/ThumbnailCache.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The sizes the cache keeps, smallest first: a list's icon is small.
const char* const kSizes[] = {"normal", "large", "x-large", "xx-large"};
// Thumbnails are small; a larger file is read this far for its texts.
constexpr qint64 kMostHeaderBytes = 1024 * 1024;

uint32_t BigEndian32(const char* bytes) {
    const auto* b = reinterpret_cast<const uint8_t*>(bytes);
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
}

// The PNG's uncompressed text chunks (tEXt, and iTXt without
// compression), before or after the pixels, key to text. Qt's own reader
// cuts a key at its first ":", and every key here has two.
QHash<QString, QString> PngTexts(const QString& path) {
    QHash<QString, QString> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    const QByteArray head = file.read(kMostHeaderBytes);
    if (!head.startsWith("\x89PNG\r\n\x1a\n"))
        return texts;
    for (qsizetype at = 8; at + 8 <= head.size();) {
        const qsizetype length = BigEndian32(head.constData() + at);
        const QByteArray type = head.mid(at + 4, 4);
        if (type == "IEND" || at + 12 + length > head.size())
            break;
        const QByteArray data = head.mid(at + 8, length);
        const qsizetype zero = data.indexOf('\0');
        if (type == "tEXt" && zero > 0) {
            texts.insert(QString::fromLatin1(data.left(zero)),
                         QString::fromLatin1(data.mid(zero + 1)));
        } else if (type == "iTXt" && zero > 0 && zero + 2 < data.size() && data[zero + 1] == 0) {
            // After the key: compression flag, method, language and translated key.
            const qsizetype language = data.indexOf('\0', zero + 3);
            const qsizetype translated = language < 0 ? -1 : data.indexOf('\0', language + 1);
            if (translated > 0)
                texts.insert(QString::fromLatin1(data.left(zero)),
                             QString::fromUtf8(data.mid(translated + 1)));
        }
        at += 12 + length;
    }
    return texts;
}

} // namespace

namespace ThumbnailCache {

QByteArray Uri(const QString& path) {
    return QUrl::fromLocalFile(path).toEncoded();
}

QString ThumbnailPath(const QString& path, const QString& size) {
    const QByteArray md5 = QCryptographicHash::hash(Uri(path), QCryptographicHash::Md5).toHex();
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/thumbnails/%1/%2.png").arg(size, QString::fromLatin1(md5));
}

QImage Find(const QString& path, int64_t mtime) {
    const QString uri = QString::fromUtf8(Uri(path));
    for (const char* size : kSizes) {
        const QString thumbnail = ThumbnailPath(path, QLatin1String(size));
        // A stale thumbnail is not decoded.
        const QHash<QString, QString> texts = PngTexts(thumbnail);
        if (texts.value(QStringLiteral("Thumb::URI")) != uri ||
            texts.value(QStringLiteral("Thumb::MTime")) != QString::number(mtime))
            continue;
        const QImage image(thumbnail, "PNG");
        if (!image.isNull())
            return image;
    }
    return {};
}

} // namespace ThumbnailCache
