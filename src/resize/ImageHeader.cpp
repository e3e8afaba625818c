// SPDX-License-Identifier: MIT
#include "resize/ImageHeader.h"

#include "resize/Image.h"

namespace {

uint8_t Byte(const QByteArray& b, int i) {
    return uint8_t(b[i]);
}

uint16_t Le16(const QByteArray& b, int i) {
    return uint16_t(Byte(b, i) | Byte(b, i + 1) << 8);
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
    return {};
}
