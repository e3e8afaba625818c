// SPDX-License-Identifier: MIT
#pragma once

#include "codec/ResultMetadata.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QString>

class QIODevice;

#include <cstdint>
#include <functional>

// The blocks a result carries beside its pixels; empty: none.
struct ResultBlocks {
    QByteArray exif;         // a bare TIFF structure, from ResultExif
    QByteArray xmp;          // from ResultXmp
    QByteArray photoshop;    // Photoshop's resource block (a JPEG's IPTC), "8BIM" first
    QByteArray iptc;         // the IPTC records of that block, for a PNG to carry
    QByteArray pngTexts;     // a PNG source's text chunks, whole, for a PNG
    QByteArrayList comments; // a JPEG source's comments, for a JPEG
};

// Makes an encoded result of format (an ImageFormat code) carry exactly what
// the batch means it to: the EXIF block in place of whatever one the encoder
// wrote, the blocks the encoder cannot put itself (XMP in JPEG XL, the
// Photoshop block in TIFF), and the container's own resolution fields
// stating facts.dpi, or no resolution at all. Types that hold no EXIF are
// left as they are but for their resolution fields. False with the reason
// when the bytes are not the container the encoder makes, or a block does
// not fit it.
bool PutResultMetadata(QByteArray& encoded, uint32_t format, const ResultFacts& facts,
                       const ResultBlocks& blocks, QString& why);

// The per-container halves of PutResultMetadata.
bool PutHeifExif(QByteArray& encoded, const QByteArray& exif, QString& why);
bool PutJxlMetadata(QByteArray& encoded, const QByteArray& exif, const QByteArray& xmp,
                    QString& why);
bool PutTiffMetadata(QByteArray& encoded, const ResultFacts& facts, const ResultBlocks& blocks,
                     QString& why);

// Chains the pages of each TIFF of later, as the encoder made them, after
// the last page of the TIFF encoded: libvips writes the pages of one file
// in one size only. False with the reason when one is not such a TIFF or
// the whole is more than a TIFF's 32-bit offsets reach.
bool JoinTiffPages(QByteArray& encoded, const QList<QByteArray>& later, QString& why);

// Shows fn each page of a TIFF as a TIFF of its own, first to last: its
// bytes with the header pointing at that page's directory, which ends the
// chain. A reader that takes the pages after the first for thumbnails, or
// reads only a few, so reads every page as the picture it is. False when
// the bytes are not a TIFF or its chain of pages is broken.
bool EachTiffPage(const QByteArray& tiff, const std::function<void(const QByteArray& page)>& fn);

// The EXIF block (bare TIFF structure) and XMP of a JPEG XL file's
// container, which libvips 8.14 does not read; empty for a bare codestream.
// Walks the box headers only. Leaves the file at its start.
struct BoxMetadata {
    QByteArray exif;
    QByteArray xmp;
};
BoxMetadata ReadJxlMetadata(QIODevice& file);

// The EXIF block (bare TIFF structure) of a TIFF file: the camera's tags of
// its first IFD with its EXIF, GPS and Interoperability IFDs, which libvips
// does not read. Empty when it holds none. Leaves the file at its start.
QByteArray ReadTiffExif(QIODevice& file);
