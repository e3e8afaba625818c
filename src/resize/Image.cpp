// SPDX-License-Identifier: MIT
#include "resize/Image.h"

#include "platform/RegularFile.h"
#include "platform/SafeWrite.h"
#include "resize/ImageHeader.h"

#include <QFile>
#include <QRegularExpression>

#include <vips/vips8>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>

using vips::VError;
using vips::VImage;
using vips::VOption;

namespace {

// Files read whole for ImageMagick's loader (BMP, ICO, PCX) are capped so a
// huge file cannot take all memory; real pictures of those types are small.
constexpr qint64 kMaxBufferedFileBytes = qint64(512) << 20;
constexpr double kMmPerInch = 25.4;

std::atomic<int64_t> encodes{0};

// libvips keeps one error buffer for the process: take its first line at
// once and clear it, so the next picture's reason is its own.
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
    return text.isEmpty() ? QStringLiteral("the picture is damaged or unsupported") : text;
}

VOption* LoadOptions() {
    // A truncated or corrupt picture is an error, not a grey-filled result.
    return VImage::option()->set("fail_on", VIPS_FAIL_ON_ERROR);
}

bool UsesMagick(uint32_t format) {
    return format == ImageFormat::Bmp || format == ImageFormat::Ico || format == ImageFormat::Pcx;
}

// What every reader assumes of a picture that stores no resolution.
constexpr int32_t kUnstatedDpi = 72;

// The loaders give 0, or their own default of exactly one pixel per
// millimetre, when the file states no resolution.
bool StatesResolution(const VImage& image) {
    return image.xres() > 0 && image.yres() > 0 && image.xres() != 1.0 && image.yres() != 1.0;
}

int32_t DpiFromRes(double pixelsPerMm) {
    return int32_t(std::lround(pixelsPerMm * kMmPerInch));
}

// A picture's bits per pixel as callers think of it: 8 for palette and grey
// pictures, 24 for colour, 32 for colour with alpha.
uint16_t BitsPerPixel(const VImage& image, const ImageHeader& header) {
    if (header.palette)
        return 8;
    const int bands = image.bands();
    if (bands <= 2)
        return 8;
    return bands == 3 ? 24 : 32;
}

void InitOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (VIPS_INIT("tessary"))
            vips_error_exit("cannot start libvips");
        // Every picture is opened once per batch, so the operation cache only
        // costs memory; it would also let a later buffer at a reused address
        // match an earlier load.
        vips_cache_set_max(0);
        vips_leak_set(FALSE);
        // A damaged picture makes libvips warn on the terminal for every
        // tile; the reason reaches the user through the failure list.
        g_log_set_handler(
            "VIPS", G_LOG_LEVEL_WARNING,
            [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
    });
}

} // namespace

struct CxImage::Impl {
    // Declared before `image` so the bytes outlive the picture decoded from them.
    VipsBlob* blob = nullptr;
    // The source stays open while its pixels may still be read.
    QFile file;
    VImage image;
    bool valid = false;
    // True while `image` is exactly what Load gave: the file can then be
    // re-opened for a shrink-on-load resample.
    bool pristine = false;
    // A shrink-on-load result can only be read top to bottom, once.
    bool sequential = false;
    QByteArray fileName;
    uint32_t type = ImageFormat::None;
    uint16_t bpp = 0;
    int32_t xdpi = 0;
    int32_t ydpi = 0;
    // False while the resolution is only the unstated default.
    bool resolutionStated = false;
    uint8_t quality = 75;
    QString error;

    ~Impl() { Reset(); }

    void Reset() {
        image = VImage();
        if (blob)
            vips_area_unref(reinterpret_cast<VipsArea*>(blob));
        blob = nullptr;
        file.close();
        valid = pristine = sequential = false;
        fileName.clear();
        type = ImageFormat::None;
        bpp = 0;
        xdpi = ydpi = 0;
        resolutionStated = false;
    }

    // Turning a picture reads its rows out of order: a sequential picture
    // (a shrink-on-load result, already small) is decoded to memory first.
    bool ReadyForRandomAccess() {
        if (!valid)
            return Fail(QStringLiteral("no picture"));
        try {
            if (sequential)
                image = image.copy_memory();
        } catch (const VError& e) {
            return Fail(TakeVipsError(e));
        }
        sequential = pristine = false;
        return true;
    }

    bool Fail(const QString& why) {
        error = why;
        return false;
    }
};

CxImage::CxImage()
    : d(std::make_unique<Impl>()) {
    InitOnce();
}

CxImage::~CxImage() = default;

QByteArray ReadContainerExif(const QString& path) {
    InitOnce();
    QFile file;
    if (!OpenRegularFile(file, path).isEmpty())
        return {};
    const uint32_t format = ReadImageHeader(file.peek(kImageHeaderBytes)).format;
    if (format != ImageFormat::Webp && format != ImageFormat::Avif && format != ImageFormat::Heic &&
        format != ImageFormat::Jxl)
        return {};
    const QByteArray name = QByteArray("/proc/self/fd/") + QByteArray::number(file.handle());
    try {
        const VImage header = VImage::new_from_file(
            name.constData(), VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        if (header.get_typeof("exif-data") == 0)
            return {};
        size_t length = 0;
        const void* data = header.get_blob("exif-data", &length);
        QByteArray block(static_cast<const char*>(data), qsizetype(length));
        // Containers often hold the bare TIFF structure.
        if (!block.startsWith(QByteArrayLiteral("Exif\0\0")))
            block.prepend(QByteArrayLiteral("Exif\0\0"));
        return block;
    } catch (const VError& e) {
        TakeVipsError(e);
        return {};
    }
}

bool CxImage::Load(const QString& path, uint32_t format) {
    Destroy();
    d->error.clear();

    QFile& file = d->file;
    const QString openError = OpenRegularFile(file, path);
    if (!openError.isEmpty())
        return d->Fail(QStringLiteral("cannot open the file (%1)").arg(openError));
    if (file.size() == 0)
        return d->Fail(QStringLiteral("the file is empty"));
    const ImageHeader header = ReadImageHeader(file.peek(kImageHeaderBytes));
    if (format != ImageFormat::None && header.format != format)
        return d->Fail(QStringLiteral("the file is not of the expected picture type"));
    if (header.format == ImageFormat::None)
        return d->Fail(QStringLiteral("not a picture of a type Tessary reads"));

    try {
        VImage in;
        if (UsesMagick(header.format)) {
            if (file.size() > kMaxBufferedFileBytes)
                return d->Fail(QStringLiteral("the file is too large"));
            const QByteArray bytes = file.readAll();
            if (bytes.size() != file.size())
                return d->Fail(QStringLiteral("cannot read the file (%1)").arg(file.errorString()));
            d->blob = vips_blob_copy(bytes.constData(), size_t(bytes.size()));
            size_t length = 0;
            const void* data = vips_blob_get(d->blob, &length);
            in = VImage::new_from_buffer(data, length, "", LoadOptions());
        } else {
            // libvips reads "[options]" at the end of a file name, so it is
            // given the file we opened by its descriptor's name instead:
            // any name works, and a file renamed meanwhile is still this one.
            d->fileName = QByteArray("/proc/self/fd/") + QByteArray::number(d->file.handle());
            in = VImage::new_from_file(d->fileName.constData(), LoadOptions());
        }
        if (int64_t(in.width()) * in.height() > kMaxPicturePixels) {
            Destroy();
            return d->Fail(QStringLiteral("the picture is too large (%1 x %2 pixels)")
                               .arg(in.width())
                               .arg(in.height()));
        }
        d->bpp = BitsPerPixel(in, header);
        d->resolutionStated = StatesResolution(in);
        d->xdpi = d->resolutionStated ? DpiFromRes(in.xres()) : kUnstatedDpi;
        d->ydpi = d->resolutionStated ? DpiFromRes(in.yres()) : kUnstatedDpi;
        d->image = in.autorot();
        d->type = header.format;
        d->valid = true;
        d->pristine = true;
        return true;
    } catch (const VError& e) {
        const QString why = TakeVipsError(e);
        Destroy();
        return d->Fail(why);
    }
}

bool CxImage::Resample(int64_t newWidth, int64_t newHeight, int mode) {
    Q_UNUSED(mode);
    if (!d->valid)
        return d->Fail(QStringLiteral("no picture"));
    if (newWidth <= 0 || newHeight <= 0 || newWidth * newHeight > kMaxPicturePixels)
        return d->Fail(QStringLiteral("%1 x %2 pixels is not a size a picture can have")
                           .arg(newWidth)
                           .arg(newHeight));
    try {
        const int w = int(newWidth);
        const int h = int(newHeight);
        VImage direct;
        if (d->pristine && d->type == ImageFormat::Jpeg && !d->blob &&
            (d->image.interpretation() == VIPS_INTERPRETATION_sRGB ||
             d->image.interpretation() == VIPS_INTERPRETATION_B_W)) {
            // The decoder's own 1/2, 1/4 or 1/8 scale from the file already
            // open, then one Lanczos 3 reduce: a quarter less work than the
            // thumbnail call, which opens and reads the header again.
            int shrink = 1;
            while (shrink < 8 && d->image.width() / (2 * shrink) >= w &&
                   d->image.height() / (2 * shrink) >= h)
                shrink *= 2;
            const VImage in = VImage::jpegload(d->fileName.constData(),
                                               LoadOptions()
                                                   ->set("shrink", shrink)
                                                   ->set("autorotate", true)
                                                   ->set("access", VIPS_ACCESS_SEQUENTIAL));
            direct = in.resize(double(w) / in.width(), VImage::option()
                                                           ->set("vscale", double(h) / in.height())
                                                           ->set("kernel", VIPS_KERNEL_LANCZOS3));
        }
        if (direct.get_image() && direct.width() == w && direct.height() == h) {
            d->image = direct;
            d->sequential = true;
        } else if (d->pristine) {
            // Shrink-on-load: the decoder skips what the smaller size does not
            // need. Orientation is applied inside, so w and h are upright.
            VOption* options = VImage::option()
                                   ->set("height", h)
                                   ->set("size", VIPS_SIZE_FORCE)
                                   ->set("fail_on", VIPS_FAIL_ON_ERROR);
            d->image = d->blob ? VImage::thumbnail_buffer(d->blob, w, options)
                               : VImage::thumbnail(d->fileName.constData(), w, options);
            d->sequential = true;
        } else {
            d->image = d->image.resize(double(w) / d->image.width(),
                                       VImage::option()
                                           ->set("vscale", double(h) / d->image.height())
                                           ->set("kernel", VIPS_KERNEL_LANCZOS3));
        }
        d->pristine = false;
        return true;
    } catch (const VError& e) {
        return d->Fail(TakeVipsError(e));
    }
}

bool CxImage::DecodeToFit(int maxWidth, int maxHeight, DecodedPixels& out) {
    out = DecodedPixels();
    if (!d->valid)
        return d->Fail(QStringLiteral("no picture"));
    try {
        // A call takes its options over, so each call gets its own.
        const auto options = [maxHeight] {
            return VImage::option()
                ->set("height", std::max(maxHeight, 1))
                ->set("size", VIPS_SIZE_DOWN)
                ->set("fail_on", VIPS_FAIL_ON_ERROR);
        };
        const int width = std::max(maxWidth, 1);
        VImage shown;
        if (d->pristine && d->type == ImageFormat::Jpeg) {
            // The decoder's own 1/2, 1/4 or 1/8 scale, no smaller than the
            // box: the screen's smooth scaling does the rest when it draws,
            // and the resampling pass a thumbnail would add is saved.
            int shrink = 1;
            while (shrink < 8 && d->image.width() / (2 * shrink) >= width &&
                   d->image.height() / (2 * shrink) >= std::max(maxHeight, 1))
                shrink *= 2;
            shown = VImage::jpegload(d->fileName.constData(),
                                     LoadOptions()->set("shrink", shrink)->set("autorotate", true));
        } else if (!d->pristine) {
            shown = d->image.thumbnail_image(width, options());
        } else if (d->blob) {
            shown = VImage::thumbnail_buffer(d->blob, width, options());
        } else {
            shown = VImage::thumbnail(d->fileName.constData(), width, options());
        }
        shown = shown.colourspace(VIPS_INTERPRETATION_sRGB);
        if (shown.format() != VIPS_FORMAT_UCHAR)
            shown = shown.cast(VIPS_FORMAT_UCHAR);
        if (shown.bands() == 3)
            shown = shown.bandjoin_const({255.0});
        else if (shown.bands() > 4)
            shown = shown.extract_band(0, VImage::option()->set("n", 4));
        size_t size = 0;
        void* memory = shown.write_to_memory(&size);
        const auto* bytes = static_cast<const uint8_t*>(memory);
        out.width = shown.width();
        out.height = shown.height();
        out.rgba.assign(bytes, bytes + size);
        g_free(memory);
        return true;
    } catch (const VError& e) {
        out = DecodedPixels();
        return d->Fail(TakeVipsError(e));
    }
}

bool CxImage::RotateLeft() {
    if (!d->ReadyForRandomAccess())
        return false;
    d->image = d->image.rot270();
    return true;
}

bool CxImage::RotateRight() {
    if (!d->ReadyForRandomAccess())
        return false;
    d->image = d->image.rot90();
    return true;
}

bool CxImage::Flip() {
    if (!d->ReadyForRandomAccess())
        return false;
    d->image = d->image.flip(VIPS_DIRECTION_VERTICAL);
    return true;
}

namespace {

// The embedded thumbnail shows the old picture. libvips writes the EXIF
// block back from the image's fields, so removing the thumbnail's fields
// (IFD1) and its data removes it from the saved block.
void DropExifThumbnail(VImage& image) {
    gchar** fields = vips_image_get_fields(image.get_image());
    for (int i = 0; fields[i]; ++i)
        if (g_str_has_prefix(fields[i], "exif-ifd1-") ||
            g_str_equal(fields[i], "jpeg-thumbnail-data"))
            vips_image_remove(image.get_image(), fields[i]);
    g_strfreev(fields);
}

// Brings the picture into a form the target format can hold.
VImage PrepareForFormat(VImage image, uint32_t format) {
    const bool eightBitOnly = format != ImageFormat::Png && format != ImageFormat::Tiff;
    const VipsInterpretation kind = image.interpretation();
    if (kind == VIPS_INTERPRETATION_CMYK && format != ImageFormat::Jpeg &&
        format != ImageFormat::Tiff)
        image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    if (eightBitOnly && image.format() != VIPS_FORMAT_UCHAR) {
        const bool grey = kind == VIPS_INTERPRETATION_B_W || kind == VIPS_INTERPRETATION_GREY16;
        image = image.colourspace(grey ? VIPS_INTERPRETATION_B_W : VIPS_INTERPRETATION_sRGB);
        if (image.format() != VIPS_FORMAT_UCHAR)
            image = image.cast(VIPS_FORMAT_UCHAR);
    }
    // JPEG and PCX have no alpha: lay the picture on white rather than let
    // transparent areas turn into whatever colour they happen to hold.
    if ((format == ImageFormat::Jpeg || format == ImageFormat::Pcx) && image.has_alpha())
        image = image.flatten(VImage::option()->set("background", std::vector<double>{255.0}));
    return image;
}

void PutLe16(QByteArray& bytes, int offset, uint32_t value) {
    bytes[offset] = char(value & 0xff);
    bytes[offset + 1] = char((value >> 8) & 0xff);
}

void PutLe32(QByteArray& bytes, int offset, uint32_t value) {
    PutLe16(bytes, offset, value & 0xffff);
    PutLe16(bytes, offset + 2, value >> 16);
}

// ImageMagick's writer does not take the resolution from libvips, so BMP
// and PCX get theirs written into their headers directly.
void StampResolution(QByteArray& encoded, uint32_t format, int32_t xdpi, int32_t ydpi) {
    constexpr double kInchesPerMetre = 1000.0 / kMmPerInch;
    if (format == ImageFormat::Bmp && encoded.size() >= 46) {
        PutLe32(encoded, 38, uint32_t(std::lround(xdpi * kInchesPerMetre)));
        PutLe32(encoded, 42, uint32_t(std::lround(ydpi * kInchesPerMetre)));
    } else if (format == ImageFormat::Pcx && encoded.size() >= 128) {
        PutLe16(encoded, 12, uint32_t(std::clamp(xdpi, 0, 0xffff)));
        PutLe16(encoded, 14, uint32_t(std::clamp(ydpi, 0, 0xffff)));
    }
}

QByteArray TakeBlob(VipsBlob* blob) {
    size_t length = 0;
    const void* data = vips_blob_get(blob, &length);
    QByteArray bytes(static_cast<const char*>(data), qsizetype(length));
    vips_area_unref(reinterpret_cast<VipsArea*>(blob));
    return bytes;
}

QByteArray Encode(const VImage& image, uint32_t format, uint8_t quality) {
    switch (format) {
    case ImageFormat::Jpeg:
        return TakeBlob(image.jpegsave_buffer(VImage::option()->set("Q", int(quality))));
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
        return TakeBlob(image.webpsave_buffer(VImage::option()->set("Q", int(quality))));
    case ImageFormat::Avif:
    case ImageFormat::Heic:
        return TakeBlob(image.heifsave_buffer(
            VImage::option()
                ->set("Q", int(quality))
                ->set("compression", format == ImageFormat::Avif
                                         ? VIPS_FOREIGN_HEIF_COMPRESSION_AV1
                                         : VIPS_FOREIGN_HEIF_COMPRESSION_HEVC)));
    case ImageFormat::Jxl:
        return TakeBlob(image.jxlsave_buffer(VImage::option()->set("Q", int(quality))));
    default:
        return {};
    }
}

} // namespace

bool CxImage::Save(const QString& path, uint32_t format) {
    QByteArray encoded;
    if (!Encode(format, encoded))
        return false;
    const QString reason = WriteFileSafely(path, encoded);
    if (!reason.isEmpty())
        return d->Fail(QStringLiteral("cannot write the file (%1)").arg(reason));
    return true;
}

bool CxImage::Encode(uint32_t format, QByteArray& encoded) {
    encoded.clear();
    if (!d->valid)
        return d->Fail(QStringLiteral("no picture"));
    if (format == ImageFormat::Ico &&
        (d->image.width() > kMaxIconSide || d->image.height() > kMaxIconSide))
        return d->Fail(QStringLiteral("an icon can be at most %1 x %1 pixels; this picture is "
                                      "%2 x %3")
                           .arg(kMaxIconSide)
                           .arg(d->image.width())
                           .arg(d->image.height()));
    ++encodes;
    try {
        VImage out = PrepareForFormat(d->image, format);
        out = out.copy(
            VImage::option()->set("xres", d->xdpi / kMmPerInch)->set("yres", d->ydpi / kMmPerInch));
        out.set("resolution-unit", "in");
        // The pixels are upright now, so the saved EXIF must not turn them again.
        out.set("orientation", 1);
        DropExifThumbnail(out);
        encoded = ::Encode(out, format, d->quality);
    } catch (const VError& e) {
        return d->Fail(TakeVipsError(e));
    }
    if (encoded.isEmpty())
        return d->Fail(QStringLiteral("pictures of this type cannot be written"));
    // The libvips writers always store a resolution; the header-stamped
    // types keep none when none was stated.
    if (d->resolutionStated)
        StampResolution(encoded, format, d->xdpi, d->ydpi);
    return true;
}

bool CxImage::HoldPixels() {
    if (!d->valid)
        return d->Fail(QStringLiteral("no picture"));
    try {
        d->image = d->image.copy_memory();
    } catch (const VError& e) {
        return d->Fail(TakeVipsError(e));
    }
    d->sequential = d->pristine = false;
    return true;
}

int64_t CxImage::EncodesSoFar() {
    return encodes;
}

void CxImage::SetXDPI(int32_t dpi) {
    d->resolutionStated = true;
    d->xdpi = std::max(dpi, 0);
}

void CxImage::SetYDPI(int32_t dpi) {
    d->resolutionStated = true;
    d->ydpi = std::max(dpi, 0);
}

int32_t CxImage::GetXDPI() const {
    return d->xdpi;
}

int32_t CxImage::GetYDPI() const {
    return d->ydpi;
}

void CxImage::SetJpegQuality(uint8_t quality) {
    // The encoder takes 1 to 100; 0 asks for the worst, which is 1.
    d->quality = std::clamp<uint8_t>(quality, 1, 100);
}

uint8_t CxImage::GetJpegQuality() const {
    return d->quality;
}

void CxImage::SetFrame(int32_t) {}

void CxImage::SetEncodeOption(int32_t) {}

int32_t CxImage::GetWidth() const {
    return d->valid ? d->image.width() : 0;
}

int32_t CxImage::GetHeight() const {
    return d->valid ? d->image.height() : 0;
}

uint16_t CxImage::GetBpp() const {
    return d->bpp;
}

uint32_t CxImage::GetType() const {
    return d->type;
}

bool CxImage::IsValid() const {
    return d->valid;
}

bool CxImage::IsEnabled() const {
    return true;
}

void CxImage::Destroy() {
    d->Reset();
}

const QString& CxImage::GetLastError() const {
    return d->error;
}

void CxImage::SetThreadsPerPicture(int threads) {
    InitOnce();
    vips_concurrency_set(std::max(threads, 1));
}

IImage::IImage(uint32_t format)
    : type_(format) {}

IImage::~IImage() = default;

int IImage::LoadImageInfo(const QString& path) {
    width_ = height_ = xdpi_ = ydpi_ = 0;
    bpp_ = 0;
    type_ = ImageFormat::None;
    // Load only reads the header; the pixels are never asked for here.
    if (!image_.Load(path))
        return 0;
    width_ = image_.GetWidth();
    height_ = image_.GetHeight();
    xdpi_ = image_.GetXDPI();
    ydpi_ = image_.GetYDPI();
    bpp_ = image_.GetBpp();
    type_ = image_.GetType();
    image_.Destroy();
    return 1;
}
