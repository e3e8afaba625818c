// SPDX-License-Identifier: MIT
#include "codec/ImageHeader.h"

#include "codec/ByteFields.h"
#include "codec/ImageFormat.h"

#include <QIODevice>

#include <QList>

#include <algorithm>
#include <cstring>

namespace {

using namespace ByteFields;

uint8_t Byte(const QByteArray& b, int i) {
    return At(b, i);
}

uint16_t Le16(const QByteArray& b, int i) {
    return Get16(b, i, false);
}

uint32_t Be32(const QByteArray& b, int i) {
    return Get32(b, i, true);
}

bool StartsWith(const QByteArray& b, const char* magic, int length) {
    return b.size() >= length && memcmp(b.constData(), magic, size_t(length)) == 0;
}

} // namespace

ImageHeader ReadImageHeader(const QByteArray& head) {
    constexpr int kPngColourTypeAt = 25;
    constexpr uint8_t kPngPaletteColour = 3;
    constexpr int kBmpBitCountAt = 28;
    constexpr int kPcxPlanesAt = 65;

    if (StartsWith(head, "\xff\xd8\xff", 3))
        return {ImageFormat::Jpeg, false};
    if (StartsWith(head, "\x89PNG\r\n\x1a\n", 8))
        return {ImageFormat::Png, head.size() > kPngColourTypeAt &&
                                      Byte(head, kPngColourTypeAt) == kPngPaletteColour};
    if (StartsWith(head, "GIF87a", 6) || StartsWith(head, "GIF89a", 6))
        return {ImageFormat::Gif, true};
    if (StartsWith(head, "II*\0", 4) || StartsWith(head, "MM\0*", 4) ||
        StartsWith(head, "II+\0", 4) || StartsWith(head, "MM\0+", 4))
        return {ImageFormat::Tiff, false};
    if (StartsWith(head, "BM", 2) && head.size() > kBmpBitCountAt + 1)
        return {ImageFormat::Bmp, Le16(head, kBmpBitCountAt) <= 8};
    // An icon directory: reserved 0, type 1, at least one entry whose
    // reserved byte is 0.
    if (StartsWith(head, "\0\0\1\0", 4) && head.size() >= 22 && Le16(head, 4) > 0 &&
        Byte(head, 9) == 0)
        return {ImageFormat::Ico, false};
    if (head.size() > kPcxPlanesAt && Byte(head, 0) == 0x0a && Byte(head, 1) <= 5 &&
        Byte(head, 2) <= 1) {
        const int bits = Byte(head, 3);
        const int planes = Byte(head, kPcxPlanesAt);
        if ((bits == 1 || bits == 2 || bits == 4 || bits == 8) && planes >= 1 && planes <= 4)
            return {ImageFormat::Pcx, bits * planes <= 8};
    }
    // WebP: a RIFF file of form WEBP.
    if (StartsWith(head, "RIFF", 4) && head.size() >= 12 && head.mid(8, 4) == "WEBP")
        return {ImageFormat::Webp, false};
    // JPEG XL: a bare codestream or the ISO container's signature box.
    if (StartsWith(head, "\xff\x0a", 2) || StartsWith(head, "\0\0\0\x0cJXL \r\n\x87\n", 12))
        return {ImageFormat::Jxl, false};
    // HEIF: an ISO file whose ftyp box names AVIF or HEIC brands.
    if (head.size() >= 16 && head.mid(4, 4) == "ftyp") {
        const int boxEnd = std::min<int>(int(head.size()), int(Be32(head, 0)));
        QList<QByteArray> brands{head.mid(8, 4)};
        for (int at = 16; at + 4 <= boxEnd; at += 4)
            brands << head.mid(at, 4);
        for (const QByteArray& brand : brands)
            if (brand == "avif" || brand == "avis")
                return {ImageFormat::Avif, false};
        for (const QByteArray& brand : brands)
            if (brand == "heic" || brand == "heix" || brand == "heim" || brand == "heis" ||
                brand == "hevc" || brand == "hevx" || brand == "mif1" || brand == "msf1")
                return {ImageFormat::Heic, false};
    }
    return {};
}

namespace {

constexpr uint16_t kTiffXResolution = 282;
constexpr int kTiffEntryBytes = 12;
constexpr int kMostTiffEntries = 4096;

bool PngStatesResolution(QIODevice& file) {
    // pHYs comes before the pixel data; its unit 1 is the metre, 0 a mere
    // aspect ratio.
    qint64 at = 8;
    for (;;) {
        if (!file.seek(at))
            return false;
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            return false;
        const QByteArray type = head.mid(4, 4);
        if (type == "IDAT" || type == "IEND")
            return false;
        if (type == "pHYs") {
            const QByteArray phys = file.read(9);
            return phys.size() == 9 && Byte(phys, 8) == 1 && Get32(phys, 0, true) > 0 &&
                   Get32(phys, 4, true) > 0;
        }
        at += 12 + qint64(Be32(head, 0));
    }
}

bool JfifStatesResolution(QIODevice& file) {
    constexpr int kUnitsAt = 13; // SOI, APP0 marker and length, "JFIF\0", version
    const QByteArray head = file.read(kUnitsAt + 1);
    return head.size() > kUnitsAt && head.mid(6, 5) == QByteArray("JFIF\0", 5) &&
           Byte(head, kUnitsAt) != 0;
}

bool TiffStatesResolution(QIODevice& file) {
    const QByteArray head = file.read(8);
    if (head.size() < 8 || !(head.startsWith("II*") || head.startsWith("MM\0*")))
        return false;
    const bool big = head.startsWith("MM");
    if (!file.seek(Get32(head, 4, big)))
        return false;
    const QByteArray count = file.read(2);
    if (count.size() < 2)
        return false;
    const int entries = std::min<int>(Get16(count, 0, big), kMostTiffEntries);
    const QByteArray table = file.read(qint64(entries) * kTiffEntryBytes);
    for (qsizetype at = 0; at + kTiffEntryBytes <= table.size(); at += kTiffEntryBytes)
        if (Get16(table, at, big) == kTiffXResolution)
            return true;
    return false;
}

} // namespace

bool HeaderStatesResolution(QIODevice& file, uint32_t format) {
    constexpr int kBmpXPerMetreAt = 38;
    constexpr int kPcxXDpiAt = 12;
    bool states = false;
    if (format == ImageFormat::Png) {
        states = PngStatesResolution(file);
    } else if (format == ImageFormat::Jpeg) {
        states = file.seek(0) && JfifStatesResolution(file);
    } else if (format == ImageFormat::Tiff) {
        states = file.seek(0) && TiffStatesResolution(file);
    } else if (format == ImageFormat::Bmp || format == ImageFormat::Pcx) {
        const int at = format == ImageFormat::Bmp ? kBmpXPerMetreAt : kPcxXDpiAt;
        const QByteArray head = file.seek(0) ? file.read(at + 8) : QByteArray();
        states = head.size() >= at + 8 &&
                 (format == ImageFormat::Bmp
                      ? Get32(head, at, false) > 0 && Get32(head, at + 4, false) > 0
                      : Get16(head, at, false) > 0 && Get16(head, at + 2, false) > 0);
    }
    file.seek(0);
    return states;
}
