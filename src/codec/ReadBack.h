// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdint>

// The entries of an encoded result (of an ImageFormat) that the keep list
// does not name at level, as readers we did not write find them: Exiv2
// reads a JPEG, PNG, TIFF or WebP whole, and the EXIF and XMP blocks of
// HEIF and JPEG XL; libvips lists what Exiv2 does not show (PNG text
// chunks, GIF comments, and the resources of a Photoshop block beside its
// IPTC). An entry no list names is one of these: unknown is a failure, never
// a pass. Empty when every entry is on the list.
QStringList UnlistedEntries(const QByteArray& encoded, uint32_t format, int level);
