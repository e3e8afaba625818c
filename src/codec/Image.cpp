// SPDX-License-Identifier: MIT
#include "codec/ImageImpl.h"
#include "codec/KeptMetadata.h"
#include "codec/PrivateData.h"
#include "codec/ResultMetadata.h"
#include "platform/FileName.h"
#include "platform/SafeWrite.h"
#include "platform/UiText.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

#include <malloc.h>
#include <sys/mman.h>

using vips::VError;
using vips::VImage;

namespace {
constexpr int kLargeBufferBytes = 256 * 1024;
std::atomic<int64_t> encodes{0};
} // namespace

void InitVips() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (VIPS_INIT("tessary"))
            vips_error_exit("cannot start libvips");
        // Every picture is opened once per batch, so the operation cache only
        // costs memory; it would also let a later buffer at a reused address
        // match an earlier load.
        vips_cache_set_max(0);
        vips_leak_set(FALSE);
        // A fixed threshold hands every large buffer back to the system when
        // it is freed, and one heap a core keeps the freed rest from
        // spreading over glibc's many: otherwise the decoders' buffers stay
        // behind after their picture is done, and a batch that decodes
        // pictures whole grows with each picture.
        mallopt(M_MMAP_THRESHOLD, kLargeBufferBytes);
        mallopt(M_ARENA_MAX, int(std::max(2u, std::thread::hardware_concurrency())));
        // A damaged picture makes libvips warn on the terminal for every
        // tile; the reason reaches the user through the failure list.
        g_log_set_handler(
            "VIPS", G_LOG_LEVEL_WARNING,
            [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
    });
}

PipelineLock::PipelineLock()
    : lock_([]() -> std::recursive_mutex& {
        static std::recursive_mutex pipelines;
        return pipelines;
    }()) {}

CxImage::CxImage()
    : d(std::make_unique<Impl>()) {
    InitVips();
}

CxImage::~CxImage() = default;

bool CxImage::RotateLeft() {
    return d->Turn([](const VImage& page) { return page.rot270(); });
}

bool CxImage::RotateRight() {
    return d->Turn([](const VImage& page) { return page.rot90(); });
}

bool CxImage::Flip() {
    return d->Turn([](const VImage& page) { return page.flip(VIPS_DIRECTION_VERTICAL); });
}

bool CxImage::Crop(int width, int height, Anchor anchor) {
    if (anchor == Anchor::Attention && (d->pages <= 1 || d->PagesApart()))
        return d->Turn([=](const VImage& page) {
            return page.smartcrop(std::min(width, page.width()), std::min(height, page.height()),
                                  VImage::option()->set("interesting", VIPS_INTERESTING_ATTENTION));
        });
    // The frames of an animation are cropped at one place, found in the
    // first: each frame its own would make the picture jump. Pages of
    // different sizes are pictures of their own.
    std::optional<std::pair<int, int>> window;
    return d->Turn([=, &window](const VImage& page) {
        const int w = std::min(width, page.width());
        const int h = std::min(height, page.height());
        if (anchor == Anchor::Attention && !window) {
            int x = 0;
            int y = 0;
            page.smartcrop(w, h,
                           VImage::option()
                               ->set("interesting", VIPS_INTERESTING_ATTENTION)
                               ->set("attention_x", &x)
                               ->set("attention_y", &y));
            window = std::pair(std::clamp(x - w / 2, 0, page.width() - w),
                               std::clamp(y - h / 2, 0, page.height() - h));
        }
        const int left = window                    ? window->first
                         : anchor == Anchor::Start ? 0
                         : anchor == Anchor::End   ? page.width() - w
                                                   : (page.width() - w) / 2;
        const int top = window                    ? window->second
                        : anchor == Anchor::Start ? 0
                        : anchor == Anchor::End   ? page.height() - h
                                                  : (page.height() - h) / 2;
        return page.extract_area(left, top, w, h);
    });
}

bool CxImage::Pad(int width, int height, uint32_t colour, bool transparent) {
    return d->Turn([=](VImage page) {
        // A canvas is drawn in RGB: a CMYK photo's pixels go there first,
        // through its profile.
        if (page.interpretation() == VIPS_INTERPRETATION_CMYK)
            page = page.colourspace(VIPS_INTERPRETATION_sRGB);
        const bool deep = page.format() == VIPS_FORMAT_USHORT;
        const double most = deep ? 65535.0 : 255.0;
        const auto level = [most](uint32_t byte) {
            return double(byte & 0xff) * most / 255.0;
        };
        std::vector<double> background{level(colour >> 16), level(colour >> 8), level(colour)};
        // A coloured canvas needs colour pixels; a grey one stays grey.
        const bool grey = background[0] == background[1] && background[1] == background[2];
        if (page.bands() - (page.has_alpha() ? 1 : 0) < 3 && !grey)
            page = page.colourspace(deep ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB);
        if (page.bands() - (page.has_alpha() ? 1 : 0) < 3)
            background.resize(1);
        if (transparent && !page.has_alpha())
            page = page.bandjoin_const({most});
        if (page.has_alpha())
            background.push_back(transparent ? 0.0 : most);
        return page.embed(
            (width - page.width()) / 2, (height - page.height()) / 2, width, height,
            VImage::option()->set("extend", VIPS_EXTEND_BACKGROUND)->set("background", background));
    });
}

bool CxImage::Save(const QString& path, uint32_t format) {
    QByteArray encoded;
    if (!Encode(format, encoded))
        return false;
    const QString reason = WriteFileSafely(path, encoded);
    if (!reason.isEmpty())
        return d->Fail(TrText("Picture", "cannot write the file (%1)").arg(reason));
    return true;
}

bool CxImage::Encode(uint32_t format, QByteArray& encoded) {
    encoded.clear();
    if (!d->valid)
        return d->Fail(TrText("Picture", "no picture"));
    // A GIF's or a WebP's frames share one canvas.
    if (ImageFormat::HoldsPages(format) &&
        (d->filePages > d->pages || (d->PagesApart() && !ImageFormat::HoldsPagesApart(format))))
        return d->Fail(TrText("Picture", "its %1 pages differ in size, and a picture of this type "
                                         "keeps its pages in one size")
                           .arg(d->filePages));
    ++encodes;
    const EncodeRequest request = d->Request(format);
    PipelineLock lock;
    if (!d->Upright(lock))
        return false;
    QString why;
    // The encoders' own steps compile nothing of liborc's.
    encoded = lock.Evaluated([&] { return EncodePicture(d->image, request, why, d->removed); });
    return encoded.isEmpty() ? d->Fail(why) : true;
}

EncodeRequest CxImage::Impl::Request(uint32_t format) const {
    EncodeRequest request;
    request.format = format;
    request.quality = quality;
    request.pages = PagesApart() ? 1 : pages;
    if (ImageFormat::HoldsPages(format))
        request.later = later;
    request.sourceExif = exif;
    request.sourceXmp = xmp;
    request.sourcePhotoshop = photoshop;
    request.sourceIptc = iptc;
    request.sourcePngTexts = pngTexts;
    request.sourceComments = jpeg.comments;
    if (resolutionStated)
        request.dpi = StatedDpi{xdpi, ydpi};
    request.metadata = metadataLevel;
    request.srgb = srgb;
    return request;
}

QString CxImage::TurnWithoutDecodingRefusal(JpegTurn then) const {
    if (!d->valid || d->type != ImageFormat::Jpeg || !d->jpeg.valid || !d->file.isOpen())
        return TrText("Picture", "it is not a JPEG file");
    return PartialBlockRefusal(Then(UprightTurn(d->orientation), then), d->jpeg);
}

bool CxImage::EncodeTurnedJpeg(JpegTurn then, QByteArray& encoded) {
    encoded.clear();
    if (const QString refusal = TurnWithoutDecodingRefusal(then); !refusal.isEmpty())
        return d->Fail(refusal);
    // Mapped, not read: the file's pages are used where they lie.
    QFile& file = d->file;
    const qint64 size = file.size();
    void* mapped = size > 0 ? ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE | MAP_POPULATE,
                                     file.handle(), 0)
                            : MAP_FAILED;
    if (mapped == MAP_FAILED)
        return d->Fail(TrText("Picture", "cannot read the file (%1)").arg(SystemReason(errno)));
    const JpegTurn turn = Then(UprightTurn(d->orientation), then);
    QString why;
    QByteArray turned;
    const bool done =
        TurnJpeg(QByteArray::fromRawData(static_cast<const char*>(mapped), qsizetype(size)), turn,
                 d->jpeg.progressive, turned, why);
    ::munmap(mapped, size_t(size));
    if (!done)
        return d->Fail(why);
    const bool swapped = SwapsSides(turn);
    const EncodeRequest request = d->Request(ImageFormat::Jpeg);
    const ResultFacts facts{swapped ? d->jpeg.height : d->jpeg.width,
                            swapped ? d->jpeg.width : d->jpeg.height, request.dpi};
    size_t iccLength = 0;
    const void* icc = d->image.get_typeof(VIPS_META_ICC_NAME)
                          ? d->image.get_blob(VIPS_META_ICC_NAME, &iccLength)
                          : nullptr;
    encoded = DressTurnedJpeg(
        turned, request, facts,
        QByteArray(static_cast<const char*>(icc), qsizetype(icc ? iccLength : 0)), why, d->removed);
    return encoded.isEmpty() ? d->Fail(why) : true;
}

bool CxImage::HoldPixels() {
    if (!d->valid)
        return d->Fail(TrText("Picture", "no picture"));
    PipelineLock lock;
    if (!d->Upright(lock) || !d->HoldInMemory(lock))
        return false;
    d->sequential = d->pristine = false;
    return true;
}

std::unique_ptr<CxImage> CxImage::Fork() const {
    auto fork = std::make_unique<CxImage>();
    Impl& f = *fork->d;
    f.image = d->image;
    f.valid = d->valid;
    f.type = d->type;
    f.bpp = d->bpp;
    f.xdpi = d->xdpi;
    f.ydpi = d->ydpi;
    f.resolutionStated = d->resolutionStated;
    f.quality = d->quality;
    f.pages = d->pages;
    f.pageHeight = d->pageHeight;
    f.later = d->later;
    f.filePages = d->filePages;
    f.orientation = d->orientation;
    f.turnPending = d->turnPending;
    f.metadataLevel = d->metadataLevel;
    f.srgb = d->srgb;
    f.exif = d->exif;
    f.xmp = d->xmp;
    f.photoshop = d->photoshop;
    f.iptc = d->iptc;
    f.pngTexts = d->pngTexts;
    f.jpeg = d->jpeg;
    return fork;
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

int32_t CxImage::GetWidth() const {
    if (!d->valid)
        return 0;
    return d->Turned() ? d->image.height() : d->image.width();
}

int32_t CxImage::GetHeight() const {
    if (!d->valid)
        return 0;
    return d->Turned() ? d->image.width() : d->pageHeight;
}

int CxImage::PageCount() const {
    return d->valid ? d->filePages : 0;
}

QList<QSize> CxImage::PageSizesApart() const {
    QList<QSize> sizes;
    if (!d->valid || !d->PagesApart())
        return sizes;
    sizes << QSize(GetWidth(), GetHeight());
    for (const VImage& page : d->later)
        sizes << QSize(page.width(), page.height());
    return sizes;
}

bool CxImage::EachPage(const std::function<bool(CxImage& page, int index)>& fn) {
    std::vector<VImage> pages;
    {
        PipelineLock lock;
        if (!d->ReadyForRandomAccess(lock))
            return false;
        pages = d->Pages();
    }
    for (size_t index = 0; index < pages.size(); ++index) {
        CxImage page;
        page.d->image = pages[index];
        page.d->pageHeight = pages[index].height();
        page.d->valid = true;
        page.d->type = d->type;
        if (!fn(page, int(index)))
            return d->Fail(
                TrText("Picture", "page %1: %2").arg(index + 1).arg(page.GetLastError()));
        pages[index] = page.d->image;
    }
    const PipelineLock lock;
    d->SetPages(pages);
    return true;
}

uint16_t CxImage::GetBpp() const {
    return d->bpp;
}

uint32_t CxImage::GetType() const {
    return d->type;
}

int CxImage::GetOrientation() const {
    return d->valid ? d->orientation : 1;
}

bool CxImage::IsValid() const {
    return d->valid;
}

void CxImage::Destroy() {
    d->Reset();
}

void CxImage::SetMetadataLevel(int level) {
    d->metadataLevel = level;
}

void CxImage::SetSrgb(bool srgb) {
    d->srgb = srgb;
}

uint32_t CxImage::RemovedPrivateData() const {
    return d->removed;
}

int64_t CxImage::ResultMetadataBytes(uint32_t format, int level) const {
    if (!d->valid || !ImageFormat::HoldsMetadata(format))
        return 0;
    uint32_t removed = 0;
    const ResultFacts facts{GetWidth(), GetHeight(), std::nullopt};
    const QByteArray exif = level > MetadataLevel::KeepAll
                                ? KeptExif(d->exif, facts, std::nullopt, level, removed)
                                : ResultExif(d->exif, facts);
    return exif.size() + KeptXmp(d->xmp, level, removed).size();
}

QString CxImage::GetExifDate() const {
    return QString::fromLatin1(ExifDateTaken(d->exif));
}

const QString& CxImage::GetLastError() const {
    return d->error;
}

int CxImage::SetThreadsPerPicture(int threads) {
    InitVips();
    const int before = vips_concurrency_get();
    vips_concurrency_set(std::max(threads, 1));
    return before;
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
