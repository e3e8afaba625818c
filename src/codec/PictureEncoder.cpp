// SPDX-License-Identifier: MIT
#include "codec/PictureEncoder.h"

#include "codec/ImageFormat.h"
#include "codec/JpegSegments.h"
#include "codec/KeptMetadata.h"
#include "codec/PrivateData.h"
#include "codec/ReadBack.h"
#include "codec/ResultContainer.h"
#include "platform/UiText.h"

#include <QRegularExpression>

#include <cmath>

using vips::VError;
using vips::VImage;

namespace {

constexpr double kMmPerInch = 25.4;
const QByteArray kExifPrefix("Exif\0\0", 6);
const QByteArray kPhotoshopPrefix("Photoshop 3.0\0", 14);
const QByteArray kXmpPrefix("http://ns.adobe.com/xap/1.0/\0", 29);
const QByteArray kIccPrefix("ICC_PROFILE\0", 12);

bool Holds16Bits(uint32_t format) {
    return format == ImageFormat::Png || format == ImageFormat::Tiff;
}

bool HoldsCmyk(uint32_t format) {
    return format == ImageFormat::Jpeg || format == ImageFormat::Tiff;
}

bool HasProfile(const VImage& image) {
    return image.get_typeof(VIPS_META_ICC_NAME) != 0;
}

bool IsGrey(const VImage& image) {
    const VipsInterpretation kind = image.interpretation();
    return kind == VIPS_INTERPRETATION_B_W || kind == VIPS_INTERPRETATION_GREY16;
}

// Brings the picture's colours into what the type can hold, so that they
// look the same: a type without a profile gets sRGB pixels, converted with
// the picture's own profile; depth and colour model follow the type. With
// srgb every type gets sRGB pixels, and those that keep a profile the
// sRGB one, for viewers that ignore profiles.
VImage PrepareColours(VImage image, uint32_t format, bool srgb) {
    const bool cmyk = image.interpretation() == VIPS_INTERPRETATION_CMYK;
    if ((HasProfile(image) && (srgb || !ImageFormat::HoldsMetadata(format))) ||
        (cmyk && (srgb || !HoldsCmyk(format)))) {
        const bool deep = Holds16Bits(format) && image.format() == VIPS_FORMAT_USHORT;
        image = image.icc_transform("srgb", VImage::option()
                                                ->set("embedded", true)
                                                ->set("input_profile", cmyk ? "cmyk" : "srgb")
                                                ->set("depth", deep ? 16 : 8));
    } else if (!cmyk && !IsGrey(image) && image.interpretation() != VIPS_INTERPRETATION_sRGB &&
               image.interpretation() != VIPS_INTERPRETATION_RGB16) {
        image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    }
    if (!ImageFormat::HoldsMetadata(format) && HasProfile(image)) {
        image = image.copy();
        vips_image_remove(image.get_image(), VIPS_META_ICC_NAME);
    } else if (srgb && ImageFormat::HoldsMetadata(format)) {
        if (IsGrey(image))
            image =
                image.colourspace(image.format() == VIPS_FORMAT_USHORT ? VIPS_INTERPRETATION_RGB16
                                                                       : VIPS_INTERPRETATION_sRGB);
        image = image.copy();
        VipsBlob* profile = VImage::profile_load("srgb");
        size_t length = 0;
        const void* data = vips_blob_get(profile, &length);
        vips_image_set_blob_copy(image.get_image(), VIPS_META_ICC_NAME, data, length);
        vips_area_unref(reinterpret_cast<VipsArea*>(profile));
    }
    if (image.format() != VIPS_FORMAT_UCHAR &&
        !(Holds16Bits(format) && image.format() == VIPS_FORMAT_USHORT)) {
        const bool grey = IsGrey(image);
        if (image.interpretation() != VIPS_INTERPRETATION_CMYK)
            image = image.colourspace(grey ? VIPS_INTERPRETATION_B_W : VIPS_INTERPRETATION_sRGB);
        if (image.format() != VIPS_FORMAT_UCHAR)
            image = image.cast(VIPS_FORMAT_UCHAR);
    }
    // JPEG and PCX have no alpha: lay the picture on white rather than let
    // transparent areas turn into whatever colour they happen to hold.
    if ((format == ImageFormat::Jpeg || format == ImageFormat::Pcx) && image.has_alpha())
        image = image.flatten(VImage::option()->set(
            "background",
            std::vector<double>{image.format() == VIPS_FORMAT_USHORT ? 65535.0 : 255.0}));
    return image;
}

void SetBlob(VImage& image, const char* name, const QByteArray& bytes) {
    vips_image_set_blob_copy(image.get_image(), name, bytes.constData(), size_t(bytes.size()));
}

// The encoder gets the result's blocks; everything it would write of its
// own from the source's (the parsed EXIF fields, the orientation, the old
// thumbnail, the source's blocks) goes. Above KeepAll so do text chunks,
// comments and the description: no list names them.
void SetMetadata(VImage& image, uint32_t format, const ResultBlocks& blocks,
                 const std::optional<StatedDpi>& dpi, int level) {
    VipsImage* im = image.get_image();
    gchar** fields = vips_image_get_fields(im);
    for (int i = 0; fields[i]; ++i) {
        const char* field = fields[i];
        if (g_str_has_prefix(field, "exif-") || g_str_equal(field, "jpeg-thumbnail-data") ||
            g_str_equal(field, VIPS_META_ORIENTATION) || g_str_equal(field, VIPS_META_XMP_NAME) ||
            g_str_equal(field, VIPS_META_IPTC_NAME) ||
            g_str_equal(field, VIPS_META_PHOTOSHOP_NAME) || g_str_has_prefix(field, "heif-mime-") ||
            (level > MetadataLevel::KeepAll &&
             (g_str_has_prefix(field, "png-comment") || g_str_has_prefix(field, "gif-comment") ||
              g_str_equal(field, VIPS_META_IMAGEDESCRIPTION))))
            vips_image_remove(im, field);
    }
    g_strfreev(fields);
    // HEIF keeps the block libvips writes, so it gets ours to write.
    if (!blocks.exif.isEmpty())
        SetBlob(image, VIPS_META_EXIF_NAME, kExifPrefix + blocks.exif);
    if (!blocks.xmp.isEmpty())
        SetBlob(image, VIPS_META_XMP_NAME, blocks.xmp);
    // A JPEG's APP13 is the Photoshop block; a TIFF and a PNG get theirs
    // afterwards (PutResultMetadata).
    if (!blocks.photoshop.isEmpty() && format == ImageFormat::Jpeg)
        SetBlob(image, VIPS_META_IPTC_NAME, kPhotoshopPrefix + blocks.photoshop);
    const double perMm = dpi ? dpi->x / kMmPerInch : 1.0;
    im->Xres = perMm;
    im->Yres = dpi ? dpi->y / kMmPerInch : 1.0;
    image.set(VIPS_META_RESOLUTION_UNIT, "in");
}

// JPEG XL's quality is a distance: libjxl's own mapping from 30 up, then
// growing smoothly to the largest libvips takes, 15, at quality 0 (a
// larger one is not set at all, and the picture comes out at about 90).
double JxlDistance(int quality) {
    constexpr double kAt30 = 6.4;
    constexpr double kLargest = 15.0;
    if (quality >= 30)
        return 0.1 + (100 - quality) * 0.09;
    return kAt30 * std::pow(kLargest / kAt30, (30 - quality) / 30.0);
}

QByteArray Save(const VImage& image, uint32_t format, int quality) {
    switch (format) {
    case ImageFormat::Jpeg:
        return TakeBlob(image.jpegsave_buffer(VImage::option()->set("Q", quality)));
    case ImageFormat::Png:
        return TakeBlob(image.pngsave_buffer());
    case ImageFormat::Gif:
        return TakeBlob(image.gifsave_buffer());
    case ImageFormat::Tiff:
        return TakeBlob(image.tiffsave_buffer(
            VImage::option()->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_LZW)));
    case ImageFormat::Bmp:
        return TakeBlob(image.magicksave_buffer(VImage::option()->set("format", "bmp")));
    case ImageFormat::Ico:
        return TakeBlob(image.magicksave_buffer(VImage::option()->set("format", "ico")));
    case ImageFormat::Pcx:
        return TakeBlob(image.magicksave_buffer(VImage::option()->set("format", "pcx")));
    case ImageFormat::Webp:
        return TakeBlob(image.webpsave_buffer(VImage::option()->set("Q", quality)));
    case ImageFormat::Avif:
    case ImageFormat::Heic:
        return TakeBlob(image.heifsave_buffer(
            VImage::option()
                ->set("Q", quality)
                ->set("compression", format == ImageFormat::Avif
                                         ? VIPS_FOREIGN_HEIF_COMPRESSION_AV1
                                         : VIPS_FOREIGN_HEIF_COMPRESSION_HEVC)));
    case ImageFormat::Jxl:
        return TakeBlob(
            image.jxlsave_buffer(VImage::option()->set("distance", JxlDistance(quality))));
    default:
        return {};
    }
}

} // namespace

QString TakeVipsError(const VError& e) {
    QString text = QString::fromUtf8(e.what()).trimmed();
    vips_error_clear();
    text = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    // Files are opened by descriptor: that name means nothing to the user.
    static const QRegularExpression descriptor(QStringLiteral("/proc/self/fd/\\d+:?\\s*"));
    text.remove(descriptor);
    // "VipsJpeg: Premature end of JPEG file" reads better without the class.
    if (text.startsWith(QLatin1String("Vips")) && text.indexOf(QLatin1String(": ")) > 0)
        text = text.mid(text.indexOf(QLatin1String(": ")) + 2);
    return text.isEmpty() ? TrText("Picture", "the picture is damaged or unsupported") : text;
}

QString IconTooLarge(int width, int height) {
    return TrText("Picture", "an icon can be at most %1 x %1 pixels; this picture is %2 x %3")
        .arg(kMaxIconSide)
        .arg(width)
        .arg(height);
}

QByteArray EncodePicture(const VImage& picture, const EncodeRequest& request, QString& why,
                         uint32_t& removed) {
    const int pageHeight = picture.height() / std::max(request.pages, 1);
    VImage image = picture;
    if (request.pages > 1 && !ImageFormat::HoldsPages(request.format))
        image = image.extract_area(0, 0, image.width(), pageHeight);
    if (request.format == ImageFormat::Ico &&
        (image.width() > kMaxIconSide || pageHeight > kMaxIconSide)) {
        why = IconTooLarge(image.width(), pageHeight);
        return {};
    }
    QByteArray encoded;
    const ResultFacts facts{image.width(), pageHeight, request.dpi};
    const int level = request.metadata;
    const ResultBlocks blocks = ResultBlocksFor(request, facts, removed);
    QList<QByteArray> later;
    try {
        image = PrepareColours(image, request.format, request.srgb).copy();
        SetMetadata(image, request.format, blocks, request.dpi, level);
        if (request.pages > 1 && ImageFormat::HoldsPages(request.format))
            image.set(VIPS_META_PAGE_HEIGHT, pageHeight);
        encoded = Save(image, request.format, request.quality);
        // libvips writes pages of one size only: each later page is a file
        // of its own, chained to the first below.
        for (const VImage& each : request.later) {
            VImage page = PrepareColours(each, request.format, request.srgb).copy();
            SetMetadata(page, request.format, {}, request.dpi, level);
            later << Save(page, request.format, request.quality);
        }
    } catch (const VError& e) {
        why = TakeVipsError(e);
        return {};
    }
    if (encoded.isEmpty()) {
        why = TrText("Picture", "pictures of this type cannot be written");
        return {};
    }
    if (!later.isEmpty() && !JoinTiffPages(encoded, later, why))
        return {};
    if (!PutResultMetadata(encoded, request.format, facts, blocks, why) ||
        !ReadsBackAsKept(encoded, request.format, level, why))
        return {};
    return encoded;
}

ResultBlocks ResultBlocksFor(const EncodeRequest& request, const ResultFacts& facts,
                             uint32_t& removed) {
    removed = 0;
    const int level = request.metadata;
    ResultBlocks blocks{level > MetadataLevel::KeepAll
                            ? KeptExif(request.sourceExif, facts, std::nullopt, level, removed)
                            : ResultExif(request.sourceExif, facts),
                        KeptXmp(request.sourceXmp, level, removed),
                        KeptPhotoshop(request.sourcePhotoshop, request.sourceIptc, level, removed),
                        {},
                        {},
                        {}};
    blocks.iptc = IptcRecords(blocks.photoshop);
    // A PNG's own text chunks have a place only in a PNG, and a JPEG's
    // comments only in a JPEG; both only whole.
    if (level <= MetadataLevel::KeepAll && request.format == ImageFormat::Png)
        blocks.pngTexts = request.sourcePngTexts;
    if (level <= MetadataLevel::KeepAll && request.format == ImageFormat::Jpeg)
        blocks.comments = request.sourceComments;
    return blocks;
}

bool ReadsBackAsKept(const QByteArray& encoded, uint32_t format, int level, QString& why) {
    if (level <= MetadataLevel::KeepAll)
        return true;
    QStringList unlisted;
    try {
        unlisted = UnlistedEntries(encoded, format, level);
    } catch (const VError& e) {
        why = TrText("Picture", "its result could not be read back (%1)").arg(TakeVipsError(e));
        return false;
    }
    if (!unlisted.isEmpty()) {
        why = TrText("Picture", "its result still holds %1, which is not to be kept")
                  .arg(unlisted.mid(0, 3).join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

QByteArray DressTurnedJpeg(const QByteArray& turned, const EncodeRequest& request,
                           const ResultFacts& facts, const QByteArray& icc, QString& why,
                           uint32_t& removed) {
    constexpr uint8_t kApp1 = 0xe1;
    constexpr uint8_t kStartOfScan = 0xda;
    constexpr uint8_t kApp2 = 0xe2;
    constexpr uint8_t kApp13 = 0xed;
    constexpr uint8_t kApp14 = 0xee;
    const ResultBlocks blocks = ResultBlocksFor(request, facts, removed);
    // In the order libjpeg writes them for libvips: XMP, the profile in
    // numbered pieces, the Photoshop block; EXIF and the comments follow.
    QList<QByteArray> segments;
    if (!blocks.xmp.isEmpty())
        segments << JpegSegment(kApp1, kXmpPrefix + blocks.xmp);
    const qsizetype pieceBytes = kJpegSegmentPayload - kIccPrefix.size() - 2;
    const qsizetype pieces = (icc.size() + pieceBytes - 1) / pieceBytes;
    for (qsizetype piece = 0; piece < pieces && pieces <= 255; ++piece)
        segments << JpegSegment(kApp2, kIccPrefix + char(piece + 1) + char(pieces) +
                                           icc.mid(piece * pieceBytes, pieceBytes));
    if (!blocks.photoshop.isEmpty())
        segments << JpegSegment(kApp13, kPhotoshopPrefix + blocks.photoshop);
    if (pieces > 255 || segments.contains(QByteArray())) {
        why = TrText("Picture", "its metadata does not fit a JPEG file's segments");
        return {};
    }
    // Only the segments before the scan change: the scan, most of the
    // file, is copied once, after them.
    qsizetype scan = 2;
    while (scan + 4 <= turned.size() && uchar(turned[scan]) == 0xff &&
           uchar(turned[scan + 1]) != kStartOfScan)
        scan += 2 + (uchar(turned[scan + 2]) << 8 | uchar(turned[scan + 3]));
    QByteArray head = turned.left(scan);
    // After Adobe's segment, which a CMYK picture needs first.
    const qsizetype first = head.size() > 6 ? 2 + (uchar(head[4]) << 8 | uchar(head[5])) : 0;
    head.insert(first > 2 && uchar(head[3]) == kApp14 ? 2 + first : 2, segments.join());
    if (!PutResultMetadata(head, ImageFormat::Jpeg, facts, blocks, why))
        return {};
    QByteArray whole;
    whole.reserve(head.size() + turned.size() - scan);
    whole.append(head).append(turned.constData() + scan, turned.size() - scan);
    if (!ReadsBackAsKept(whole, ImageFormat::Jpeg, request.metadata, why))
        return {};
    return whole;
}

QByteArray TakeBlob(VipsBlob* blob) {
    size_t length = 0;
    const void* data = vips_blob_get(blob, &length);
    QByteArray bytes(static_cast<const char*>(data), qsizetype(length));
    vips_area_unref(reinterpret_cast<VipsArea*>(blob));
    return bytes;
}
