// SPDX-License-Identifier: MIT
#include "browse/ThumbnailCache.h"

#include "codec/Image.h"
#include "codec/PngChunks.h"
#include "platform/FileName.h"
#include "platform/RegularFile.h"
#include "platform/SafeWrite.h"
#include "platform/UiText.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cctype>

#include <sys/stat.h>
#include <unistd.h>

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

// Whether folder, and each folder between the cache's root and it, is the
// user's alone. Someone else who could write one could put a link where a
// thumbnail goes, for us to write through, or a picture for us to decode.
// GLib keeps a Trash the same way: only in a folder of the user's that is
// not a link, one that nobody else can change. The root may be a link
// the user made; where it leads must be theirs too.
QString UntrustedFolder(const QString& folder) {
    const QString root = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QString at = root;
    const QStringList below = folder.mid(root.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = -1; i < below.size(); ++i) {
        if (i >= 0)
            at += QLatin1Char('/') + below[i];
        struct stat folderStat {};
        const QByteArray bytes = EncodeFileName(at);
        if ((i < 0 ? ::stat(bytes.constData(), &folderStat)
                   : ::lstat(bytes.constData(), &folderStat)) != 0)
            return errno == ENOENT ? QString() : SystemReason(errno);
        if (!S_ISDIR(folderStat.st_mode))
            return TrText("Browse", "%1 is not a folder").arg(ShownFileName(at));
        if (folderStat.st_uid != ::geteuid() || (folderStat.st_mode & (S_IWGRP | S_IWOTH)))
            return TrText("Browse", "%1 can be changed by other users").arg(ShownFileName(at));
    }
    return {};
}

// The first bytes of the PNG at thumbnail, read only from a folder of the
// user's and only when it is a regular file; empty otherwise.
QByteArray ReadHeader(const QString& thumbnail) {
    QFile file;
    if (!UntrustedFolder(QFileInfo(thumbnail).path()).isEmpty() ||
        !OpenRegularFile(file, thumbnail).isEmpty())
        return {};
    return file.read(kMostHeaderBytes);
}

// Whether the PNG at thumbnail was made from path as it is now, at most
// side pixels large: one larger (a planted bomb) is no thumbnail of ours
// and is made again.
bool Matches(const QString& thumbnail, const QString& path, int64_t mtime, int side) {
    const QByteArray header = ReadHeader(thumbnail);
    const QSize size = PngChunks::Size(header);
    if (size.isEmpty() || size.width() > side || size.height() > side)
        return false;
    const QHash<QString, QString> texts = PngChunks::Texts(header);
    // Whole seconds as the freedesktop way writes them; Xfce's thumbnailer
    // adds the fraction ("1796639985.379579").
    const QString stated = texts.value(kMTimeKey);
    const QString seconds = stated.left(stated.indexOf(QLatin1Char('.')));
    return texts.value(kUriKey) == QString::fromUtf8(ThumbnailCache::Uri(path)) &&
           !seconds.isEmpty() && seconds == QString::number(mtime);
}

// Puts png at target, whole or not at all, in folders of the user's
// alone: a link at target is replaced, never written through.
bool Store(const QString& target, const QByteArray& png, QString* why) {
    const QString folder = QFileInfo(target).path();
    QString reason =
        MakeFolderPath(folder, 0700, true) ? UntrustedFolder(folder) : SystemReason(errno);
    if (reason.isEmpty()) {
        WriteOptions options;
        options.mode = WriteMode::Replace;
        options.ownerOnly = true;
        reason = WriteFileSafely(target, png, options);
    }
    if (why && !reason.isEmpty())
        *why = TrText("Browse", "cannot write %1 (%2)").arg(ShownFileName(target), reason);
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
        if (Matches(thumbnail, path, mtime, size.side))
            return thumbnail;
    }
    return {};
}

bool Failed(const QString& path, int64_t mtime) {
    return Matches(FailPath(path), path, mtime, 1);
}

QString Make(const QString& path, int64_t mtime, int side, QString* why) {
    // Thumbnails of thumbnails would grow the cache each time it is browsed.
    if (path.startsWith(CacheFolder() + QLatin1Char('/'))) {
        if (why)
            *why = TrText("Browse", "it is a thumbnail itself");
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
