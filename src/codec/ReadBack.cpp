// SPDX-License-Identifier: MIT
#include "codec/ReadBack.h"

#include "codec/ImageFormat.h"
#include "codec/ImageImpl.h"
#include "codec/KeepList.h"
#include "codec/KeptMetadata.h"
#include "codec/ResultContainer.h"

#include <QBuffer>

#include <exiv2/exiv2.hpp>
#include <png.h>
#include <vips/vips8>

#include <csetjmp>
#include <cstring>
#include <vector>

#include <string>

namespace {

const QByteArray kExifPrefix("Exif\0\0", 6);
const QByteArray kPhotoshopPrefix("Photoshop 3.0\0", 14);
const QString kPngIptc = QStringLiteral("Raw profile type iptc");
const QString kPngXmp = QStringLiteral("XML:com.adobe.xmp");

const Exiv2::byte* Bytes(const QByteArray& data) {
    return reinterpret_cast<const Exiv2::byte*>(data.constData());
}

class Judge {
public:
    explicit Judge(int level)
        : level_(level) {}

    void Entry(const std::string& key) {
        if (!IsKept(key, level_))
            unlisted_ << QString::fromStdString(key);
    }
    template <typename Data> void All(const Data& data) {
        for (const auto& datum : data)
            Entry(datum.key());
    }
    void Named(const QString& what) { unlisted_ << what; }

    void Exif(QByteArray block) {
        if (block.startsWith(kExifPrefix))
            block.remove(0, kExifPrefix.size());
        // A HEIF item starts with the offset of its TIFF header.
        if (block.size() > 4 && !block.startsWith("II") && !block.startsWith("MM"))
            block.remove(0, 4);
        if (block.isEmpty())
            return;
        Exiv2::ExifData data;
        try {
            Exiv2::ExifParser::decode(data, Bytes(block), uint32_t(block.size()));
        } catch (const std::exception&) {
            Named(QStringLiteral("an EXIF block no reader can read"));
            return;
        }
        All(data);
    }

    void Xmp(const QByteArray& packet) {
        if (packet.isEmpty())
            return;
        Exiv2::XmpData data;
        try {
            if (Exiv2::XmpParser::decode(data, packet.toStdString()) != 0) {
                Named(QStringLiteral("an XMP packet no reader can read"));
                return;
            }
        } catch (const std::exception&) {
            Named(QStringLiteral("an XMP packet no reader can read"));
            return;
        }
        All(data);
    }

    // A Photoshop block may hold the IPTC records, which Exiv2 lists, and
    // nothing beside them.
    void Photoshop(QByteArray block) {
        if (block.startsWith(kPhotoshopPrefix))
            block.remove(0, kPhotoshopPrefix.size());
        if (block.isEmpty())
            return;
        const Exiv2::byte* record = nullptr;
        uint32_t header = 0;
        uint32_t size = 0;
        const bool alone = Exiv2::Photoshop::locateIptcIrb(Bytes(block), long(block.size()),
                                                           &record, &header, &size) == 0 &&
                           record == Bytes(block) &&
                           header + size + (size % 2) == uint32_t(block.size());
        if (!alone)
            Named(QStringLiteral("a Photoshop resource beside the IPTC records"));
    }

    QStringList Unlisted() const {
        QStringList once = unlisted_;
        once.removeDuplicates();
        return once;
    }

private:
    int level_;
    QStringList unlisted_;
};

// The keys of every text chunk of a PNG, as libpng reads them, before the
// pixels and after: neither libvips nor Exiv2 lists them all.
QStringList PngTextKeys(const QByteArray& png) {
    struct Source {
        const QByteArray& bytes;
        qsizetype at = 0;
    } source{png};
    png_structp reader = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = reader ? png_create_info_struct(reader) : nullptr;
    png_infop end = reader ? png_create_info_struct(reader) : nullptr;
    QStringList keys;
    if (!info || !end) {
        png_destroy_read_struct(&reader, &info, &end);
        return {QStringLiteral("a PNG no reader can read")};
    }
    if (setjmp(png_jmpbuf(reader))) {
        png_destroy_read_struct(&reader, &info, &end);
        return keys << QStringLiteral("a PNG no reader can read");
    }
    png_set_read_fn(reader, &source, [](png_structp r, png_bytep into, size_t size) {
        auto* from = static_cast<Source*>(png_get_io_ptr(r));
        if (from->at + qsizetype(size) > from->bytes.size())
            png_error(r, "short");
        std::memcpy(into, from->bytes.constData() + from->at, size);
        from->at += qsizetype(size);
    });
    png_read_info(reader, info);
    std::vector<png_byte> row(png_get_rowbytes(reader, info));
    const int passes = png_set_interlace_handling(reader);
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < png_get_image_height(reader, info); ++y)
            png_read_row(reader, row.data(), nullptr);
    png_read_end(reader, end);
    for (png_infop part : {info, end}) {
        png_textp texts = nullptr;
        const int count = png_get_text(reader, part, &texts, nullptr);
        for (int i = 0; i < count; ++i)
            keys << QString::fromLatin1(texts[i].key);
    }
    png_destroy_read_struct(&reader, &info, &end);
    return keys;
}

QByteArray Blob(const vips::VImage& image, const char* name) {
    size_t length = 0;
    const void* data = image.get_typeof(name) ? image.get_blob(name, &length) : nullptr;
    return QByteArray(static_cast<const char*>(data), qsizetype(length));
}

void JudgeFile(Judge& judge, const QByteArray& encoded, uint32_t format) {
    const vips::VImage image =
        vips::VImage::new_from_buffer(encoded.constData(), size_t(encoded.size()), "");
    gchar** fields = vips_image_get_fields(image.get_image());
    for (int i = 0; fields[i]; ++i)
        if (g_str_has_prefix(fields[i], "gif-comment"))
            judge.Named(QStringLiteral("a GIF comment"));
    g_strfreev(fields);
    // The IPTC and XMP a PNG carries are judged entry by entry below.
    if (format == ImageFormat::Png)
        for (const QString& key : PngTextKeys(encoded))
            if (key != kPngIptc && key != kPngXmp)
                judge.Named(QStringLiteral("the PNG text \"%1\"").arg(key));
    judge.Photoshop(Blob(image, VIPS_META_IPTC_NAME));
    judge.Photoshop(Blob(image, VIPS_META_PHOTOSHOP_NAME));
    if (format == ImageFormat::Jpeg || format == ImageFormat::Png || format == ImageFormat::Tiff ||
        format == ImageFormat::Webp) {
        try {
            auto file = Exiv2::ImageFactory::open(Bytes(encoded), long(encoded.size()));
            file->readMetadata();
            judge.All(file->exifData());
            judge.All(file->iptcData());
            // Read again here: a packet Exiv2 cannot parse leaves its list
            // empty, which must not pass for an empty packet.
            judge.Xmp(QByteArray::fromStdString(file->xmpPacket()));
            if (!file->comment().empty())
                judge.Named(QStringLiteral("a comment"));
        } catch (const std::exception& e) {
            judge.Named(QStringLiteral("metadata no reader can read (%1)").arg(e.what()));
        }
    } else if (format == ImageFormat::Jxl) {
        QBuffer file;
        file.setData(encoded);
        file.open(QIODevice::ReadOnly);
        const BoxMetadata boxes = ReadJxlMetadata(file);
        judge.Exif(boxes.exif);
        judge.Xmp(boxes.xmp);
    } else if (format == ImageFormat::Heic || format == ImageFormat::Avif) {
        judge.Exif(Blob(image, VIPS_META_EXIF_NAME));
        judge.Xmp(Blob(image, VIPS_META_XMP_NAME));
    }
}

} // namespace

QStringList UnlistedEntries(const QByteArray& encoded, uint32_t format, int level) {
    InitVips();
    InitExiv2();
    Judge judge(level);
    // Exiv2 lists a TIFF's second page as a thumbnail and stops after the
    // fourth: each page is read as a file of its own.
    if (format != ImageFormat::Tiff)
        JudgeFile(judge, encoded, format);
    else if (!EachTiffPage(encoded,
                           [&](const QByteArray& page) { JudgeFile(judge, page, format); }))
        judge.Named(QStringLiteral("a TIFF whose pages no reader can follow"));
    return judge.Unlisted();
}
