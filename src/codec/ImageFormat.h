// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

// Codec format codes. The gap at 7 is deliberate: the codes are stored in the
// settings and compared by number, so they keep the values they always had.
namespace ImageFormat {
constexpr uint32_t None = 0; // on load: detect from the file's bytes
constexpr uint32_t Bmp = 1;
constexpr uint32_t Gif = 2;
constexpr uint32_t Jpeg = 3;
constexpr uint32_t Png = 4;
constexpr uint32_t Ico = 5;
constexpr uint32_t Tiff = 6;
constexpr uint32_t Pcx = 8;
constexpr uint32_t Webp = 9;
constexpr uint32_t Avif = 10;
constexpr uint32_t Heic = 11;
constexpr uint32_t Jxl = 12;
// The types whose encoders take a quality.
inline bool IsLossy(uint32_t format) {
    return format == Jpeg || format == Webp || format == Avif || format == Heic || format == Jxl;
}
// The types that keep every page of a picture; the others keep the first.
inline bool HoldsPages(uint32_t format) {
    return format == Gif || format == Tiff || format == Webp;
}
// Of those, the types whose pages may differ in size: a GIF's or a WebP's
// frames share one canvas.
inline bool HoldsPagesApart(uint32_t format) {
    return format == Tiff;
}
// The types that carry metadata and a colour profile; the others show sRGB
// and keep neither.
inline bool HoldsMetadata(uint32_t format) {
    return format != Gif && format != Bmp && format != Pcx && format != Ico;
}
} // namespace ImageFormat

// The largest picture the codec agrees to open. It is read a strip at a
// time where it is shrunk (a preview, a resize), so memory stays bounded;
// beyond this a "picture" is damaged or hostile, and only reading it
// would take minutes.
constexpr int64_t kMaxSourcePixels = int64_t(1) << 30;
// The largest picture the codec makes.
constexpr int64_t kMaxPicturePixels = int64_t(1) << 28;
// ICO directory entries hold one byte per side, so 256 is the largest icon.
constexpr int kMaxIconSide = 256;
// Why a width x height picture cannot be an icon.
QString IconTooLarge(int width, int height);
