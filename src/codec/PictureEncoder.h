// SPDX-License-Identifier: MIT
#pragma once

// The codec's own: includes libvips, so only the codec's .cpp files use it.
#include "codec/ResultContainer.h"
#include "codec/ResultMetadata.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <vips/vips8>

#include <cstdint>
#include <vector>

// What a result is written as, beside its pixels.
struct EncodeRequest {
    uint32_t format = 0;  // ImageFormat code
    uint8_t quality = 75; // 1..100, for the lossy types
    int pages = 1;        // pages stacked in the picture, each pageHeight rows
    // Pages after the picture, each its own size, for a type that holds
    // pages of many sizes; their metadata is the first page's alone.
    std::vector<vips::VImage> later;
    QByteArray sourceExif; // the source's blocks, as loaded
    QByteArray sourceXmp;
    QByteArray sourcePhotoshop;    // its Photoshop resource block, "8BIM" records
    QByteArray sourceIptc;         // IPTC records it held apart (a TIFF's IPTC tag)
    QByteArray sourcePngTexts;     // a PNG's text chunks, whole
    QByteArrayList sourceComments; // a JPEG's COM segments
    std::optional<StatedDpi> dpi;  // none: the result states no resolution
    int metadata = 0;              // a MetadataLevel
    bool srgb = false;             // pixels in sRGB, with the sRGB profile embedded
};

// The bytes of the picture as format: its colours brought to what the type
// can show, its pages kept or its first page alone, its metadata the
// result's own (see PutResultMetadata). Empty with the reason in why when
// it cannot be written. With a metadata level, removed gains the kinds of
// private data taken out, and the result is read back by other readers:
// one that holds any entry the keep list does not name fails.
QByteArray EncodePicture(const vips::VImage& picture, const EncodeRequest& request, QString& why,
                         uint32_t& removed);

// The blocks of metadata a result of request carries, made true of facts
// (the picture as written): at KeepAll the source's own, above it only what
// the keep list names; removed gains the kinds that went.
ResultBlocks ResultBlocksFor(const EncodeRequest& request, const ResultFacts& facts,
                             uint32_t& removed);

// Above KeepAll, whether an encoded result holds only what the keep list
// names, as another reader reads it back; false with the reason in why.
bool ReadsBackAsKept(const QByteArray& encoded, uint32_t format, int level, QString& why);

// A JPEG turned without decoding (TurnJpeg's result, which holds no
// metadata) given exactly what EncodePicture would give a JPEG result of
// request: its blocks, comments, colour profile (icc, the source's) and
// resolution, read back alike. Empty with the reason in why when a block
// does not fit.
QByteArray DressTurnedJpeg(const QByteArray& turned, const EncodeRequest& request,
                           const ResultFacts& facts, const QByteArray& icc, QString& why,
                           uint32_t& removed);

// The bytes of a blob libvips made, which is released.
QByteArray TakeBlob(VipsBlob* blob);

// libvips keeps one error buffer for the process: the first line of this
// error, for the user, and the buffer cleared for the next picture.
QString TakeVipsError(const vips::VError& error);
