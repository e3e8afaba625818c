// SPDX-License-Identifier: MIT
#include "browse/ThumbnailCache.h"

#include "codec/Image.h"
#include "codec/PngChunks.h"
#include "platform/FileName.h"
#include "platform/SafeWrite.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cctype>

#include <sys/stat.h>

namespace {

// The sizes the cache keeps, smallest first: a list's icon is small.
struct CacheSize {
    const char* folder;
    int side;
};
constexpr CacheSize kSizes[] = {
    {"normal", 128}, {"large", 256}, {"x-large", 512}, {"xx-large", 1024}};
// The largest we make: a grid on a screen of twice the pixels.
constexpr int kLargestMade = 1;
// Thumbnails are small; a larger file is read this far for its texts.
constexpr qint64 kMostHeaderBytes = 1024 * 1024;
const QString kUriKey = QStringLiteral("Thumb::URI");
const QString kMTimeKey = QStringLiteral("Thumb::MTime");

QString CacheFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/thumbnails");
}

QString Md5Name(const QString& path) {
    return QString::fromLatin1(
               QCryptographicHash::hash(ThumbnailCache::Uri(path), QCryptographicHash::Md5)
                   .toHex()) +
           QStringLiteral(".png");
}

// Whether the PNG at thumbnail was made from path as it is now.
bool Matches(const QString& thumbnail, const QString& path, int64_t mtime) {
    QFile file(thumbnail);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QHash<QString, QString> texts = PngChunks::Texts(file.read(kMostHeaderBytes));
    // Whole seconds as the freedesktop way writes them; Xfce's thumbnailer
    // adds the fraction ("1796639985.379579").
    const QString stated = texts.value(kMTimeKey);
    const QString seconds = stated.left(stated.indexOf(QLatin1Char('.')));
    return texts.value(kUriKey) == QString::fromUtf8(ThumbnailCache::Uri(path)) &&
           !seconds.isEmpty() && seconds == QString::number(mtime);
}

// Puts png at target, whole or not at all, in folders and a file that are
// the user's alone.
bool Store(const QString& target, const QByteArray& png, QString* why) {
    WriteOptions options;
    options.ownerOnly = true;
    const QString reason = MakeFolderPath(QFileInfo(target).path(), 0700, true)
                               ? WriteFileSafely(target, png, options)
                               : SystemReason(errno);
    if (why && !reason.isEmpty())
        *why = QStringLiteral("cannot write %1 (%2)").arg(target, reason);
    return reason.isEmpty();
}

// The keys every thumbnail and failure note carries.
QList<std::pair<QByteArray, QByteArray>> Keys(const QString& path, int64_t mtime) {
    return {{kUriKey.toLatin1(), ThumbnailCache::Uri(path)},
            {kMTimeKey.toLatin1(), QByteArray::number(qlonglong(mtime))},
            {"Software", "Tessary " TESSARY_VERSION}};
}

// The smallest PNG there is, one clear pixel: what a failure note holds.
QByteArray OnePixelPng() {
    QByteArray header(13, '\0');
    header[3] = header[7] = 1; // width and height
    header[8] = 8;             // bits a channel
    header[9] = 6;             // RGBA
    const QByteArray row("\0\0\0\0\0", 5);
    return PngChunks::kSignature + PngChunks::Chunk("IHDR", header) +
           PngChunks::Chunk("IDAT", qCompress(row).mid(4)) + PngChunks::Chunk("IEND", {});
}

} // namespace

namespace ThumbnailCache {

QByteArray Uri(const QString& path) {
    // From the name's own bytes, escaped as GLib escapes them, which is
    // what the file managers hash: QUrl would leave ";" and "[" as they
    // are, and cannot spell a name that is not UTF-8.
    static const QByteArray kKept("-._~/!$&'()*+,=:@");
    QByteArray uri("file://");
    for (const char byte : EncodeFileName(path)) {
        if (std::isalnum(uchar(byte)) || kKept.contains(byte))
            uri += byte;
        else
            uri += '%' + QByteArray::number(uchar(byte), 16).rightJustified(2, '0').toUpper();
    }
    return uri;
}

QString ThumbnailPath(const QString& path, const QString& size) {
    return CacheFolder() + QLatin1Char('/') + size + QLatin1Char('/') + Md5Name(path);
}

QString FailPath(const QString& path) {
    return CacheFolder() + QStringLiteral("/fail/tessary-" TESSARY_VERSION "/") + Md5Name(path);
}

QString Find(const QString& path, int64_t mtime, int side) {
    for (const CacheSize& size : kSizes) {
        if (size.side < side)
            continue;
        const QString thumbnail = ThumbnailPath(path, QLatin1String(size.folder));
        if (Matches(thumbnail, path, mtime))
            return thumbnail;
    }
    return {};
}

bool Failed(const QString& path, int64_t mtime) {
    return Matches(FailPath(path), path, mtime);
}

QString Make(const QString& path, int64_t mtime, int side, QString* why) {
    // Thumbnails of thumbnails would grow the cache each time it is browsed.
    if (path.startsWith(CacheFolder() + QLatin1Char('/'))) {
        if (why)
            *why = QStringLiteral("it is a thumbnail itself");
        return {};
    }
    int made = 0;
    while (made < kLargestMade && kSizes[made].side < side)
        ++made;
    CxImage image;
    QByteArray png;
    if (!image.Load(path) || !image.EncodeThumbnail(kSizes[made].side, png)) {
        if (why)
            *why = image.GetLastError();
        QByteArray note = OnePixelPng();
        PngChunks::AddTexts(note, Keys(path, mtime));
        Store(FailPath(path), note, nullptr);
        return {};
    }
    QList<std::pair<QByteArray, QByteArray>> keys = Keys(path, mtime);
    struct stat file {};
    if (::stat(EncodeFileName(path).constData(), &file) == 0)
        keys.append({"Thumb::Size", QByteArray::number(qlonglong(file.st_size))});
    PngChunks::AddTexts(png, keys);
    const QString target = ThumbnailPath(path, QLatin1String(kSizes[made].folder));
    return Store(target, png, why) ? target : QString();
}

} // namespace ThumbnailCache
