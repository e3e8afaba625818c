// SPDX-License-Identifier: MIT
#include "codec/PictureTypeTable.h"

#include "codec/Image.h"

const std::array<PictureType, 13>& PictureTypeTable::Rows() {
    static const std::array<PictureType, 13> rows{{
        {1, "jpg", "JPEG files", ImageFormat::Jpeg},
        {1, "jpeg", "JPEG files", ImageFormat::Jpeg},
        {2, "bmp", "Bitmap files", ImageFormat::Bmp},
        {3, "gif", "GIF files", ImageFormat::Gif},
        {4, "ico", "ICON files", ImageFormat::Ico},
        {5, "png", "PNG files", ImageFormat::Png},
        {6, "tiff", "TIFF files", ImageFormat::Tiff},
        {7, "pcx", "PCX files", ImageFormat::Pcx},
        {8, "webp", "WebP files", ImageFormat::Webp},
        {9, "avif", "AVIF files", ImageFormat::Avif},
        {10, "heic", "HEIC files", ImageFormat::Heic},
        {10, "heif", "HEIC files", ImageFormat::Heic},
        {11, "jxl", "JPEG XL files", ImageFormat::Jxl},
    }};
    return rows;
}

namespace {
const PictureType* Find(uint32_t code) {
    for (const PictureType& row : PictureTypeTable::Rows())
        if (row.code == code)
            return &row;
    return nullptr;
}
} // namespace

QString PictureTypeTable::Extension(uint32_t code) {
    const PictureType* row = Find(code);
    return row ? QString::fromLatin1(row->extension) : QString();
}

QString PictureTypeTable::Name(uint32_t code) {
    const PictureType* row = Find(code);
    return row ? QString::fromLatin1(row->name) : QString();
}

uint32_t PictureTypeTable::CodecFormat(uint32_t code) {
    const PictureType* row = Find(code);
    return row ? row->codecFormat : ImageFormat::None;
}

bool PictureTypeTable::IsLossy(uint32_t code) {
    return ImageFormat::IsLossy(CodecFormat(code));
}

bool PictureTypeTable::IsPictureFileName(const QString& fileName) {
    constexpr qsizetype kMinExtension = 2; // with its dot
    constexpr qsizetype kMaxExtension = 8;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || fileName.size() - dot < kMinExtension || fileName.size() - dot > kMaxExtension)
        return false;
    const QStringView extension = QStringView(fileName).mid(dot + 1);
    for (const PictureType& row : Rows())
        if (extension.startsWith(QLatin1String(row.extension), Qt::CaseInsensitive))
            return true;
    static const QStringList others = OtherExtensions();
    return others.contains(extension, Qt::CaseInsensitive);
}

QStringList PictureTypeTable::OtherExtensions() {
    return {QStringLiteral("tif"), QStringLiteral("jpe"), QStringLiteral("jfif")};
}

QStringList PictureTypeTable::PictureExtensions() {
    QStringList extensions;
    for (const PictureType& row : Rows())
        extensions << QString::fromLatin1(row.extension);
    extensions << OtherExtensions();
    extensions.removeDuplicates();
    return extensions;
}
