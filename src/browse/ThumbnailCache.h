// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

// The thumbnails that the desktop's file managers share, kept the
// freedesktop way under $XDG_CACHE_HOME/thumbnails: one PNG a file and
// size, named by the MD5 of the file's URI, valid while its Thumb::URI and Thumb::MTime still match
// the file.
namespace ThumbnailCache {
// The file's URI as the thumbnails name it: file:// and the absolute path,
// percent-encoded.
QByteArray Uri(const QString& path);
// Where the thumbnail of path stands in the folder of a size ("normal",
// "large").
QString ThumbnailPath(const QString& path, const QString& size);
// A valid thumbnail of path, last modified at mtime (seconds), the
// smallest size first; a null image when there is none.
QImage Find(const QString& path, int64_t mtime);
} // namespace ThumbnailCache
