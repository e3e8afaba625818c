// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

class QIODevice;

#include <cstdint>

// How many leading bytes of a file ReadImageHeader looks at.
constexpr int kImageHeaderBytes = 128;

struct ImageHeader {
    uint32_t format = 0;  // codec format code, 0 when the bytes are no picture we know
    bool palette = false; // colours come from a palette of at most 256 entries
};

// Recognises a picture type by its leading bytes, never by its name: a file
// called .jpg may hold anything.
ImageHeader ReadImageHeader(const QByteArray& head);

// Whether the file's own header fields state a resolution: a PNG's pHYs in
// metres, JFIF's units, the first TIFF page's XResolution, the non-zero
// fields of BMP and PCX. An EXIF block's resolution is not looked at here.
// Leaves the file at its start.
bool HeaderStatesResolution(QIODevice& file, uint32_t format);
