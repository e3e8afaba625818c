// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <cstdint>

class QIODevice;

// What a JPEG's segments before its first scan say of it beyond what
// libvips reads: its comments, the size of the blocks its pixels are
// stored in, and whether it is progressive. Only segment headers are read,
// up to the first scan; damaged segments end the walk with what came
// before.
struct JpegLayout {
    bool valid = false; // a frame header was found
    int width = 0;      // as stored, before any EXIF turn
    int height = 0;
    int blockWidth = 8; // pixels of one block of every component (an MCU)
    int blockHeight = 8;
    bool progressive = false;
    QByteArrayList comments; // each COM segment's bytes, in order
};

JpegLayout ReadJpegLayout(QIODevice& file);

// One segment: its marker (0xe1 for APP1, 0xfe for COM, ...) and payload,
// with its length; empty when the payload is more than a segment holds.
QByteArray JpegSegment(uint8_t marker, const QByteArray& payload);

// The largest payload a segment holds.
constexpr qsizetype kJpegSegmentPayload = 0xffff - 2;
