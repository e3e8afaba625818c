// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

// A resolution in dots per inch.
struct StatedDpi {
    int32_t x = 0;
    int32_t y = 0;
};

// What a written result says of itself in its metadata.
struct ResultFacts {
    int32_t width = 0; // the upright pixels of one page
    int32_t height = 0;
    std::optional<StatedDpi> dpi; // none: the result states no resolution at all
};

// The EXIF block a result carries, made from its source's block (which may
// start with "Exif\0\0"): orientation 1, because the pixels are upright now;
// no embedded thumbnail, which shows the old picture; the result's pixel
// size; the resolution of facts, or none. Returned as the bare TIFF
// structure ("II" or "MM" first), in the source's byte order unless
// bigEndian asks for one; empty when there is nothing to carry. Nothing
// else of the source's block changes: what a result keeps of it above
// KeepAll is KeptExif's (KeptMetadata.h).
QByteArray ResultExif(const QByteArray& source, const ResultFacts& facts,
                      std::optional<bool> bigEndian = std::nullopt);

// XMP with the orientation it states (tiff:Orientation, as an attribute or
// an element) reset to 1; anything else is kept byte for byte.
QByteArray ResultXmp(const QByteArray& xmp);

// The resolution an EXIF block states in its first IFD, in dots per inch;
// none when it states none.
std::optional<StatedDpi> ExifResolution(const QByteArray& exif);

// When the photo was taken as its EXIF says (DateTimeOriginal, else
// DateTime), as written: "YYYY:MM:DD HH:MM:SS"; empty when it says nothing.
QByteArray ExifDateTaken(const QByteArray& exif);
