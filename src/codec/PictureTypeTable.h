// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The picture types Tessary writes, by the code the settings store
// ("imagetype"): 1 JPEG, 2 BMP, 3 GIF, 4 ICO, 5 PNG, 6 TIFF, 7 PCX, and
// beyond them 8 WebP, 9 AVIF, 10 HEIC, 11 JPEG XL. 0 means "the source's
// own type".
struct PictureType {
    uint32_t code;
    const char* extension;
    const char* name;
    uint32_t codecFormat;
};

class PictureTypeTable {
public:
    // The stored codes of the types (the "imagetype" option).
    static constexpr uint32_t SameAsSource = 0;
    static constexpr uint32_t Jpeg = 1;
    static constexpr uint32_t Bmp = 2;
    static constexpr uint32_t Gif = 3;
    static constexpr uint32_t Ico = 4;
    static constexpr uint32_t Png = 5;
    static constexpr uint32_t Tiff = 6;
    static constexpr uint32_t Pcx = 7;
    static constexpr uint32_t Webp = 8;
    static constexpr uint32_t Avif = 9;
    static constexpr uint32_t Heic = 10;
    static constexpr uint32_t Jxl = 11;

    // Searched from the top: the first row with a code gives its extension
    // and name (so JPEG output is named ".jpg", never ".jpeg").
    static const std::array<PictureType, 13>& Rows();
    // Empty for a code outside 1..11.
    static QString Extension(uint32_t code);
    static QString Name(uint32_t code);
    // ImageFormat code for a type code; 0 for a code outside 1..11.
    static uint32_t CodecFormat(uint32_t code);
    // Whether the quality applies to a type code.
    static bool IsLossy(uint32_t code);
    // The one rule of what is a picture, for the list, the tree walk, Open
    // With and the menu program alike: an extension of 1 to 7 characters
    // that begins with one of the table's, or is one of OtherExtensions,
    // compared without regard to case ("x.JPG", "x.jpgx", "x.tif", not
    // "x.jpeg12345").
    static bool IsPictureFileName(const QString& fileName);
    // Pictures that no output type is named after: scanners write .tif,
    // browsers save .jfif. Matched whole.
    static QStringList OtherExtensions();
    // Every extension of a picture, the table's first, each once: what the
    // file managers are told that Tessary reads.
    static QStringList PictureExtensions();
};
