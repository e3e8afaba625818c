// SPDX-License-Identifier: MIT
#include "resize/ImageHeader.h"

#include "resize/Image.h"

#include <QList>

#include <algorithm>
#include <cstring>

namespace {

uint8_t Byte(const QByteArray& b, int i) {
    return uint8_t(b[i]);
}

uint16_t Le16(const QByteArray& b, int i) {
    return uint16_t(Byte(b, i) | Byte(b, i + 1) << 8);
}

uint32_t Be32(const QByteArray& b, int i) {
    return uint32_t(Byte(b, i)) << 24 | uint32_t(Byte(b, i + 1)) << 16 |
           uint32_t(Byte(b, i + 2)) << 8 | Byte(b, i + 3);
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
