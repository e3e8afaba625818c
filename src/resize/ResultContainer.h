// SPDX-License-Identifier: MIT
#pragma once

#include "resize/ResultMetadata.h"

#include <QByteArray>
#include <QString>

class QIODevice;

#include <cstdint>

// Makes an encoded result of format (an ImageFormat code) carry exactly what
// the batch means it to: exif (a bare TIFF structure from ResultExif, empty
// for none) in place of whatever EXIF block the encoder wrote, xmp where the
// encoder cannot put it itself, and the container's own resolution fields
// stating facts.dpi, or no resolution at all. Types that hold no EXIF are
// left as they are but for their resolution fields. False with the reason
// when the bytes are not the container the encoder makes, or the block
// does not fit it.
bool PutResultMetadata(QByteArray& encoded, uint32_t format, const ResultFacts& facts,
                       const QByteArray& exif, const QByteArray& xmp, QString& why);

// The per-container halves of PutResultMetadata.
bool PutHeifExif(QByteArray& encoded, const QByteArray& exif, QString& why);
bool PutJxlMetadata(QByteArray& encoded, const QByteArray& exif, const QByteArray& xmp,
                    QString& why);
bool PutTiffMetadata(QByteArray& encoded, const ResultFacts& facts, const QByteArray& exif,
                     QString& why);

// The EXIF block (bare TIFF structure) and XMP of a JPEG XL file's
// container, which libvips 8.14 does not read; empty for a bare codestream.
// Walks the box headers only. Leaves the file at its start.
struct BoxMetadata {
    QByteArray exif;
    QByteArray xmp;
};
BoxMetadata ReadJxlMetadata(QIODevice& file);
