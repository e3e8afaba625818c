// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

// The thumbnails that the desktop's file managers share, kept the
// freedesktop way under $XDG_CACHE_HOME/thumbnails: one PNG a file and
// size, named by the MD5 of the file's URI, valid while its Thumb::URI and
// Thumb::MTime still match the file. Those we make are "normal" (128
// pixels), or "large" (256) for a screen of twice the pixels; a picture we
// cannot read is noted under fail/, so that it is not tried again until it
// changes. Only folders of the user's alone are read or written, and a
// link where a thumbnail goes is replaced, never written through. Safe to
// call from any thread.
namespace ThumbnailCache {
// The side of a thumbnail as the grid shows it, in the screen's points.
constexpr int kSide = 128;
// The file's URI as the thumbnails name it: file:// and the absolute path's
// bytes, percent-encoded.
QByteArray Uri(const QString& path);
// Where the thumbnail of path stands in the folder of a size ("normal",
// "large").
QString ThumbnailPath(const QString& path, const QString& size);
// Where our note that path could not be read stands.
QString FailPath(const QString& path);
// A valid thumbnail of path, last modified at mtime (seconds), at least
// side pixels, the smallest size first; empty when there is none.
QString Find(const QString& path, int64_t mtime, int side = 0);
// Whether we noted that path, as it is now, could not be read.
bool Failed(const QString& path, int64_t mtime);
// Makes and stores the thumbnail of path of the smallest size of at least
// side pixels (normal or large); its place, or empty when the picture
// cannot be read (noted) or the cache cannot be written (why).
QString Make(const QString& path, int64_t mtime, int side = kSide, QString* why = nullptr);
} // namespace ThumbnailCache
