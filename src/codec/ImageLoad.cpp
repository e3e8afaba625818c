// SPDX-License-Identifier: MIT
// Reading a picture: its header and pages, the shrink-on-load resample, and
// the decode for the screen.
#include "codec/ImageHeader.h"
#include "codec/ImageImpl.h"
#include "codec/KeptMetadata.h"
#include "codec/PngChunks.h"
#include "codec/ResultContainer.h"
#include "platform/RegularFile.h"
#include "platform/UiText.h"

#include <algorithm>
#include <cmath>
#include <functional>

using vips::VError;
using vips::VImage;
using vips::VOption;

namespace {

// Files read whole for ImageMagick's loader (BMP, ICO, PCX) are capped so a
// huge file cannot take all memory; real pictures of those types are small.
constexpr qint64 kMaxBufferedFileBytes = qint64(512) << 20;
constexpr double kMmPerInch = 25.4;
// Pages held apart each keep a decoder of their own: a file with more is
// read as its first page alone.
constexpr int kMostPagesApart = 1000;

VOption* LoadOptions() {
    // A truncated or corrupt picture is an error, not a grey-filled result.
    return VImage::option()->set("fail_on", VIPS_FAIL_ON_ERROR);
}

bool UsesMagick(uint32_t format) {
    return format == ImageFormat::Bmp || format == ImageFormat::Ico || format == ImageFormat::Pcx;
}

// What every reader assumes of a picture that stores no resolution.
constexpr int32_t kUnstatedDpi = 72;

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

QByteArray BlobField(const VImage& image, const char* name) {
    if (!image.get_typeof(name))
        return {};
    size_t length = 0;
    const void* data = image.get_blob(name, &length);
    return QByteArray(static_cast<const char*>(data), qsizetype(length));
}

int IntField(const VImage& image, const char* name, int fallback) {
    return image.get_typeof(name) ? image.get_int(name) : fallback;
}

// Lanczos 3 after the decoder's own shrink needs a factor of 2 still to go:
// the shrink averages blocks of pixels, which lets fine detail fold back
// into the picture, and only a reduce of 2 or more filters that out again
// (libvips keeps the same gap). The largest shrink that leaves it.
int JpegShrink(int width, int height, int w, int h) {
    constexpr double kLanczosGap = 2.0;
    int shrink = 1;
    while (shrink < 8 && double(width) / (2 * shrink) >= kLanczosGap * w &&
           double(height) / (2 * shrink) >= kLanczosGap * h)
        shrink *= 2;
    return shrink;
}

VImage ResizePage(VImage page, int w, int h) {
    // Transparent pixels must not lend their colour to their neighbours.
    const bool alpha = page.has_alpha();
    const VipsBandFormat format = page.format();
    if (alpha)
        page = page.premultiply();
    page = page.resize(double(w) / page.width(), VImage::option()
                                                     ->set("vscale", double(h) / page.height())
                                                     ->set("kernel", VIPS_KERNEL_LANCZOS3));
    if (alpha)
        page = page.unpremultiply().cast(format);
    return page;
}

// The pages after the first of a file whose pages differ, each read on
// its own; none when one cannot be read or all of them together are more
// than a picture may be: the first page is then the picture.
std::vector<VImage> PagesApart(const std::function<VImage(int, int)>& open, const VImage& first,
                               int count) {
    if (count > kMostPagesApart)
        return {};
    std::vector<VImage> later;
    int64_t pixels = int64_t(first.width()) * first.height();
    for (int page = 1; page < count; ++page) {
        try {
            later.push_back(open(page, 1));
        } catch (const VError& e) {
            TakeVipsError(e);
            return {};
        }
        pixels += int64_t(later.back().width()) * later.back().height();
        if (pixels > kMaxSourcePixels)
            return {};
    }
    return later;
}

} // namespace

QByteArray ReadContainerExif(const QString& path) {
    InitVips();
    QFile file;
    if (!OpenRegularFile(file, path).isEmpty())
        return {};
    const uint32_t format = ReadImageHeader(file.peek(kImageHeaderBytes)).format;
    if (format != ImageFormat::Webp && format != ImageFormat::Avif && format != ImageFormat::Heic &&
        format != ImageFormat::Jxl)
        return {};
    if (format == ImageFormat::Jxl) {
        const QByteArray exif = ReadJxlMetadata(file).exif;
        return exif.isEmpty() ? exif : QByteArrayLiteral("Exif\0\0") + exif;
    }
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

void CxImage::Impl::ReadMetadata(const VImage& in, const ImageHeader& header) {
    bpp = BitsPerPixel(in, header);
    exif = BlobField(in, VIPS_META_EXIF_NAME);
    xmp = BlobField(in, VIPS_META_XMP_NAME);
    if (header.format == ImageFormat::Jxl && (exif.isEmpty() || xmp.isEmpty())) {
        const BoxMetadata boxes = ReadJxlMetadata(file);
        exif = exif.isEmpty() ? boxes.exif : exif;
        xmp = xmp.isEmpty() ? boxes.xmp : xmp;
    }
    // HEIF's XMP is an item libvips hands on by its MIME type alone.
    for (int item = 1;
         xmp.isEmpty() && in.get_typeof(("heif-mime-" + std::to_string(item)).c_str()); ++item) {
        const QByteArray mime = BlobField(in, ("heif-mime-" + std::to_string(item)).c_str());
        if (mime.contains("<x:xmpmeta") || mime.contains("<rdf:RDF"))
            xmp = mime;
    }
    if (header.format == ImageFormat::Png) {
        PngChunks::Metadata chunks = PngChunks::ReadMetadata(file);
        exif = exif.isEmpty() ? chunks.exif : exif;
        xmp = xmp.isEmpty() ? chunks.xmp : xmp;
        pngTexts = chunks.texts;
    }
    if (header.format == ImageFormat::Jpeg && file.seek(0))
        jpeg = ReadJpegLayout(file);
    photoshop = BlobField(in, header.format == ImageFormat::Tiff ? VIPS_META_PHOTOSHOP_NAME
                                                                 : VIPS_META_IPTC_NAME);
    if (header.format == ImageFormat::Tiff) {
        if (exif.isEmpty())
            exif = ReadTiffExif(file);
        // libvips reads a TIFF's IPTC tag a word short for each word: its
        // records come whole from Exiv2.
        iptc = ReadTiffIptc(fileName);
    }
    // The loaders make up a resolution where the file states none, and not
    // all of them read it from EXIF: the file's own fields and its EXIF
    // block tell.
    const std::optional<StatedDpi> exifDpi = ExifResolution(exif);
    resolutionStated = exifDpi || HeaderStatesResolution(file, header.format);
    xdpi = exifDpi ? exifDpi->x : resolutionStated ? DpiFromRes(in.xres()) : kUnstatedDpi;
    ydpi = exifDpi ? exifDpi->y : resolutionStated ? DpiFromRes(in.yres()) : kUnstatedDpi;
    orientation = IntField(in, VIPS_META_ORIENTATION, 1);
}

bool CxImage::Load(const QString& path, uint32_t format) {
    Destroy();
    d->error.clear();
    const PipelineLock lock;

    QFile& file = d->file;
    const QString openError = OpenRegularFile(file, path);
    if (!openError.isEmpty())
        return d->Fail(TrText("Picture", "cannot open the file (%1)").arg(openError));
    if (file.size() == 0)
        return d->Fail(TrText("Picture", "the file is empty"));
    const ImageHeader header = ReadImageHeader(file.peek(kImageHeaderBytes));
    if (format != ImageFormat::None && header.format != format)
        return d->Fail(TrText("Picture", "the file is not of the expected picture type"));
    if (header.format == ImageFormat::None)
        return d->Fail(TrText("Picture", "not a picture of a type Tessary reads"));

    try {
        // n pages from page on; n -1 for all of them.
        std::function<VImage(int page, int n)> open;
        if (UsesMagick(header.format)) {
            if (file.size() > kMaxBufferedFileBytes)
                return d->Fail(TrText("Picture", "the file is too large"));
            const QByteArray bytes = file.readAll();
            if (bytes.size() != file.size())
                return d->Fail(
                    TrText("Picture", "cannot read the file (%1)").arg(file.errorString()));
            d->blob = vips_blob_copy(bytes.constData(), size_t(bytes.size()));
            open = [this](int page, int n) {
                size_t length = 0;
                const void* data = vips_blob_get(d->blob, &length);
                return VImage::new_from_buffer(data, length, "",
                                               LoadOptions()->set("page", page)->set("n", n));
            };
        } else {
            // libvips reads "[options]" at the end of a file name, so it is
            // given the file we opened by its descriptor's name instead:
            // any name works, and a file renamed meanwhile is still this one.
            d->fileName = QByteArray("/proc/self/fd/") + QByteArray::number(d->file.handle());
            open = [this](int page, int n) {
                return VImage::new_from_file(d->fileName.constData(),
                                             LoadOptions()->set("page", page)->set("n", n));
            };
        }
        VImage in = open(0, 1);
        if (int64_t(in.width()) * in.height() > kMaxSourcePixels) {
            Destroy();
            return d->Fail(TrText("Picture", "the picture is too large (%1 x %2 pixels)")
                               .arg(in.width())
                               .arg(in.height()));
        }
        d->filePages = std::max(1, IntField(in, VIPS_META_N_PAGES, 1));
        d->pageHeight = in.height();
        std::vector<VImage> later;
        if (d->filePages > 1) {
            try {
                const VImage all = open(0, -1);
                if (all.height() == in.height() * d->filePages &&
                    int64_t(all.width()) * all.height() <= kMaxSourcePixels) {
                    in = all;
                    d->pages = d->filePages;
                }
            } catch (const VError& e) {
                // Pages of different sizes or colours: each is read apart.
                TakeVipsError(e);
                later = PagesApart(open, in, d->filePages);
            }
        }
        d->ReadMetadata(in, header);
        // A turn stated in XMP alone counts as well; EXIF's, where there is
        // one, is the one cameras keep true.
        if (!in.get_typeof(VIPS_META_ORIENTATION))
            if (const int turn = XmpOrientation(d->xmp); turn > 1) {
                in = in.copy();
                in.set(VIPS_META_ORIENTATION, turn);
                d->orientation = turn;
            }
        d->image = in;
        d->later = later;
        d->pages += int(later.size());
        d->type = header.format;
        d->valid = true;
        d->EachPage([](const VImage& page) { return page.autorot(); });
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
        return d->Fail(TrText("Picture", "no picture"));
    // Pages of other sizes than the first are scaled as it is.
    const auto scaled = [](int side, double scale) {
        return std::max(1.0, std::round(side * scale));
    };
    const double xscale = double(newWidth) / d->image.width();
    const double yscale = double(newHeight) / d->pageHeight;
    double pixels = double(newWidth) * double(newHeight) * (d->PagesApart() ? 1 : d->pages);
    for (const VImage& page : d->later)
        pixels += scaled(page.width(), xscale) * scaled(page.height(), yscale);
    if (newWidth <= 0 || newHeight <= 0 || pixels > double(kMaxPicturePixels))
        return d->Fail(TrText("Picture", "%1 x %2 pixels is not a size a picture can have")
                           .arg(newWidth)
                           .arg(newHeight));
    PipelineLock lock;
    try {
        const int w = int(newWidth);
        const int h = int(newHeight);
        const VipsInterpretation kind = d->image.interpretation();
        const bool plain = d->pristine && d->pages == 1 && d->image.format() == VIPS_FORMAT_UCHAR &&
                           (kind == VIPS_INTERPRETATION_sRGB || kind == VIPS_INTERPRETATION_B_W);
        if (plain && d->type == ImageFormat::Jpeg && !d->blob) {
            // The decoder's own 1/2, 1/4 or 1/8 scale from the file already
            // open, one Lanczos 3 reduce, and only then the turn the EXIF
            // asks for, on the small picture.
            const bool turned = d->orientation >= 5 && d->orientation <= 8;
            const int tw = turned ? h : w;
            const int th = turned ? w : h;
            const int stored = turned ? d->image.height() : d->image.width();
            const int storedHeight = turned ? d->image.width() : d->image.height();
            const int shrink = JpegShrink(stored, storedHeight, tw, th);
            VImage in = VImage::jpegload(
                d->fileName.constData(),
                LoadOptions()->set("shrink", shrink)->set("access", VIPS_ACCESS_SEQUENTIAL));
            // The decoder rounds a partial block up to a whole pixel: the
            // scale is taken from the picture's true size, and the extra
            // column or row cut off, so nothing shifts.
            VImage reduced = in.resize(double(tw) * shrink / stored,
                                       VImage::option()
                                           ->set("vscale", double(th) * shrink / storedHeight)
                                           ->set("kernel", VIPS_KERNEL_LANCZOS3));
            if (reduced.width() >= tw && reduced.height() >= th) {
                reduced = reduced.extract_area(0, 0, tw, th);
                if (d->orientation != 1) {
                    const VImage held = lock.Evaluated([&] { return reduced.copy_memory(); });
                    reduced = held.autorot();
                }
                d->image = reduced;
                d->sequential = d->orientation == 1;
                d->pristine = false;
                d->pageHeight = d->image.height();
                return true;
            }
        }
        if (plain && d->type != ImageFormat::Jpeg) {
            // Shrink-on-load where the type has it (WebP, HEIF); the
            // orientation is applied inside, so w and h are upright.
            VOption* options = VImage::option()
                                   ->set("height", h)
                                   ->set("size", VIPS_SIZE_FORCE)
                                   ->set("fail_on", VIPS_FAIL_ON_ERROR);
            d->image = d->blob ? VImage::thumbnail_buffer(d->blob, w, options)
                               : VImage::thumbnail(d->fileName.constData(), w, options);
            d->sequential = true;
            d->pageHeight = d->image.height();
        } else if (d->turnPending) {
            // Resampled as stored, then turned as the small picture it now is.
            const bool turned = d->Turned();
            d->image = ResizePage(d->image, turned ? h : w, turned ? w : h);
            if (!d->HoldInMemory(lock))
                return false;
            d->image = d->image.autorot();
            d->turnPending = false;
            d->pageHeight = d->image.height();
        } else {
            // Deep colours, CMYK and pages are resampled as they are.
            d->EachPage([&](const VImage& page) {
                return ResizePage(page, int(scaled(page.width(), xscale)),
                                  int(scaled(page.height(), yscale)));
            });
        }
        d->pristine = false;
        return true;
    } catch (const VError& e) {
        return d->Fail(TakeVipsError(e));
    }
}

bool CxImage::HoldPixelsFor(int64_t width, int64_t height) {
    if (!d->valid)
        return d->Fail(TrText("Picture", "no picture"));
    const VipsInterpretation kind = d->image.interpretation();
    if (d->pristine && d->pages == 1 && d->type == ImageFormat::Jpeg && !d->blob &&
        d->image.format() == VIPS_FORMAT_UCHAR &&
        (kind == VIPS_INTERPRETATION_sRGB || kind == VIPS_INTERPRETATION_B_W) && width > 0 &&
        height > 0) {
        const bool turned = d->orientation >= 5 && d->orientation <= 8;
        const int stored = turned ? d->image.height() : d->image.width();
        const int storedHeight = turned ? d->image.width() : d->image.height();
        const int shrink = JpegShrink(stored, storedHeight, int(turned ? height : width),
                                      int(turned ? width : height));
        // Read top to bottom straight into memory: a random-access load
        // would decode into a buffer of its own first, and the copy would
        // hold the picture twice.
        PipelineLock lock;
        try {
            d->image = VImage::jpegload(
                d->fileName.constData(),
                LoadOptions()->set("shrink", shrink)->set("access", VIPS_ACCESS_SEQUENTIAL));
        } catch (const VError& e) {
            return d->Fail(TakeVipsError(e));
        }
        if (!d->HoldInMemory(lock))
            return false;
        d->pageHeight = d->image.height();
        d->sequential = d->pristine = false;
        d->turnPending = d->orientation != 1;
        return true;
    }
    return HoldPixels();
}

namespace {

// 8-bit sRGB with alpha, as the screen draws it.
VImage ToRgba(VImage shown) {
    shown = shown.colourspace(VIPS_INTERPRETATION_sRGB);
    if (shown.format() != VIPS_FORMAT_UCHAR)
        shown = shown.cast(VIPS_FORMAT_UCHAR);
    if (shown.bands() == 3)
        shown = shown.bandjoin_const({255.0});
    else if (shown.bands() > 4)
        shown = shown.extract_band(0, VImage::option()->set("n", 4));
    return shown;
}

// Computes the pixels outside the lock into out; rows stay one after the other.
void WritePixels(const VImage& shown, PipelineLock& lock, DecodedPixels& out) {
    size_t size = 0;
    void* memory = lock.Evaluated([&] { return shown.write_to_memory(&size); });
    const auto* bytes = static_cast<const uint8_t*>(memory);
    out.width = shown.width();
    out.height = shown.height();
    out.rgba.assign(bytes, bytes + size);
    g_free(memory);
}

} // namespace

// The picture upright, shrunk (never enlarged) to fit maxWidth x maxHeight,
// 8-bit sRGB with alpha; pixels already held must be upright. loose: a JPEG
// stops at its decoder's nearest scale that is not smaller, for the
// screen's smooth scaling to finish.
VImage CxImage::Impl::Shown(int maxWidth, int maxHeight, bool loose, bool whatDecodes) {
    const VipsFailOn failOn = whatDecodes ? VIPS_FAIL_ON_NONE : VIPS_FAIL_ON_ERROR;
    // A call takes its options over, so each call gets its own.
    const auto options = [maxHeight, failOn] {
        return VImage::option()
            ->set("height", std::max(maxHeight, 1))
            ->set("size", VIPS_SIZE_DOWN)
            ->set("fail_on", failOn);
    };
    const int width = std::max(maxWidth, 1);
    VImage shown;
    if (pristine && type == ImageFormat::Jpeg) {
        // The decoder's own 1/2, 1/4 or 1/8 scale, no smaller than the box:
        // the screen's smooth scaling does the rest, or one small reduce.
        // libvips' own thumbnail call keeps a larger scale for a finer
        // reduce, which at a thumbnail's size no eye sees and costs twice.
        int shrink = 1;
        while (shrink < 8 && image.width() / (2 * shrink) >= width &&
               image.height() / (2 * shrink) >= std::max(maxHeight, 1))
            shrink *= 2;
        shown = VImage::jpegload(fileName.constData(), VImage::option()
                                                           ->set("fail_on", failOn)
                                                           ->set("shrink", shrink)
                                                           ->set("autorotate", true));
        if (!loose)
            shown = shown.thumbnail_image(width, options());
    } else if (!pristine) {
        shown =
            image.extract_area(0, 0, image.width(), pageHeight).thumbnail_image(width, options());
    } else if (blob) {
        shown = VImage::thumbnail_buffer(blob, width, options());
    } else {
        shown = VImage::thumbnail(fileName.constData(), width, options());
    }
    return ToRgba(shown);
}

bool CxImage::DecodeToFit(int maxWidth, int maxHeight, DecodedPixels& out, bool whatDecodes) {
    out = DecodedPixels();
    if (!d->valid)
        return d->Fail(TrText("Picture", "no picture"));
    PipelineLock lock;
    if (!d->Upright(lock))
        return false;
    try {
        WritePixels(d->Shown(maxWidth, maxHeight, true, whatDecodes), lock, out);
        return true;
    } catch (const VError& e) {
        out = DecodedPixels();
        return d->Fail(TakeVipsError(e));
    }
}

bool CxImage::DecodeFramesToFit(int maxWidth, int maxHeight, int64_t maxBytes,
                                std::vector<DecodedPixels>& frames) {
    frames.clear();
    if (!d->valid || d->pages < 2 || !d->image.get_typeof("delay"))
        return false;
    // Every frame in the box, unless together they would be too many bytes:
    // then in a smaller one, which the screen scales up.
    const int pages = d->pages;
    const double fit = std::min({1.0, double(std::max(maxWidth, 1)) / d->image.width(),
                                 double(std::max(maxHeight, 1)) / d->pageHeight});
    const double bytes = 4.0 * pages * (d->image.width() * fit) * (d->pageHeight * fit);
    const double scale = bytes > double(maxBytes) ? fit * std::sqrt(double(maxBytes) / bytes) : fit;
    const int width = std::max(1, int(d->image.width() * scale));
    const int height = std::max(1, int(d->pageHeight * scale));
    PipelineLock lock;
    if (!d->Upright(lock))
        return false;
    try {
        const std::vector<int> delays = d->image.get_array_int("delay");
        // The strip of frames at once: libvips shrinks each page alone and
        // reads the file once, top to bottom.
        const VImage strip = ToRgba(d->image.thumbnail_image(
            width, VImage::option()->set("height", height)->set("size", VIPS_SIZE_DOWN)));
        DecodedPixels all;
        WritePixels(strip, lock, all);
        const int frameHeight = all.height / pages;
        if (frameHeight < 1)
            return false;
        const size_t frameBytes = size_t(all.width) * frameHeight * 4;
        for (int page = 0; page < pages; ++page) {
            DecodedPixels frame;
            frame.width = all.width;
            frame.height = frameHeight;
            frame.rgba.assign(all.rgba.begin() + ptrdiff_t(page * frameBytes),
                              all.rgba.begin() + ptrdiff_t((page + 1) * frameBytes));
            frame.delayMs = page < int(delays.size()) ? delays[size_t(page)] : 0;
            frames.push_back(std::move(frame));
        }
        return true;
    } catch (const VError& e) {
        frames.clear();
        return d->Fail(TakeVipsError(e));
    }
}

bool CxImage::EncodeThumbnail(int side, QByteArray& png) {
    png.clear();
    if (!d->valid)
        return d->Fail(TrText("Picture", "no picture"));
    PipelineLock lock;
    if (!d->Upright(lock))
        return false;
    try {
        // Small, and read twice: the decoder can go through its file only once.
        VImage built = d->Shown(side, side, false);
        VImage shown = lock.Evaluated([&] { return built.copy_memory(); });
        built = VImage();
        // An opaque picture needs no alpha: a third smaller, as the cache keeps thousands.
        if (shown.extract_band(3).min() >= 255.0)
            shown = shown.extract_band(0, VImage::option()->set("n", 3));
        png = TakeBlob(shown.pngsave_buffer(VImage::option()->set("strip", true)));
        return true;
    } catch (const VError& e) {
        return d->Fail(TakeVipsError(e));
    }
}
