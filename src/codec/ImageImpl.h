// SPDX-License-Identifier: MIT
#pragma once

// The codec's own: the state behind a CxImage, shared by its loading
// (ImageLoad.cpp) and the rest of it (Image.cpp).
#include "codec/Image.h"
#include "codec/ImageHeader.h"
#include "codec/JpegSegments.h"
#include "codec/PictureEncoder.h"

#include <QFile>

#include <vips/vips8>

#include <algorithm>
#include <mutex>
#include <vector>

// Starts libvips once for the process, with the settings every picture
// needs.
void InitVips();

// liborc (0.4.33 here), which libvips uses to compile its resample and
// blur loops, frees compiled code without a lock of its own: two threads
// that build or release such pipelines at once corrupt its heap, a crash
// every few thousand pictures in a batch or the thumbnail grid. So
// pipelines are built and released while this is held, process-wide; the
// slow part, reading and computing the pixels, runs outside it.
class PipelineLock {
public:
    PipelineLock();
    // Runs fn with the lock let go, and takes it again, also when fn throws.
    template <typename Fn> auto Evaluated(Fn fn) -> decltype(fn()) {
        lock_.unlock();
        struct Again {
            std::unique_lock<std::recursive_mutex>& lock;
            ~Again() { lock.lock(); }
        } again{lock_};
        return fn();
    }

private:
    std::unique_lock<std::recursive_mutex> lock_;
};

struct CxImage::Impl {
    // Declared before `image` so the bytes outlive the picture decoded from them.
    VipsBlob* blob = nullptr;
    // The source stays open while its pixels may still be read.
    QFile file;
    vips::VImage image;
    bool valid = false;
    // True while `image` is exactly what Load gave: the file can then be
    // re-opened for a shrink-on-load resample.
    bool pristine = false;
    // A shrink-on-load result can only be read top to bottom, once.
    bool sequential = false;
    // Held as stored, the EXIF turn still to come: results resampled from
    // it are turned when small, which is far cheaper.
    bool turnPending = false;
    QByteArray fileName;
    uint32_t type = ImageFormat::None;
    uint16_t bpp = 0;
    int32_t xdpi = 0;
    int32_t ydpi = 0;
    // False while the resolution is only the unstated default.
    bool resolutionStated = false;
    uint8_t quality = 75;
    int metadataLevel = 0;
    bool srgb = false;
    uint32_t removed = 0; // private data the last encode took out
    // The pages held: stacked top to bottom in `image`, each pageHeight
    // rows, where they are alike; otherwise `image` is the first page and
    // `later` holds the others, each its own size (a TIFF of several paper
    // sizes).
    int pages = 1;
    int pageHeight = 0;
    std::vector<vips::VImage> later;
    // The pages the file holds: more than `pages` when only the first
    // could be read.
    int filePages = 1;
    int orientation = 1; // as stored; the pixels are held upright
    QByteArray exif;     // the source's blocks, for the result to carry
    QByteArray xmp;
    QByteArray photoshop; // its Photoshop resource block
    QByteArray iptc;      // IPTC records it held apart (a TIFF's IPTC tag)
    QByteArray pngTexts;  // a PNG's text chunks, whole
    JpegLayout jpeg;      // a JPEG's blocks and comments
    QString error;

    ~Impl() { Reset(); }

    void Reset() {
        const PipelineLock lock;
        image = vips::VImage();
        if (blob)
            vips_area_unref(reinterpret_cast<VipsArea*>(blob));
        blob = nullptr;
        file.close();
        valid = pristine = sequential = turnPending = false;
        fileName.clear();
        type = ImageFormat::None;
        bpp = 0;
        xdpi = ydpi = 0;
        resolutionStated = false;
        pages = filePages = orientation = 1;
        pageHeight = 0;
        later.clear();
        exif.clear();
        xmp.clear();
        photoshop.clear();
        iptc.clear();
        pngTexts.clear();
        jpeg = JpegLayout();
    }

    bool PagesApart() const { return !later.empty(); }

    // Each page alone, first to last.
    std::vector<vips::VImage> Pages() const {
        std::vector<vips::VImage> each;
        if (pages <= 1 || PagesApart()) {
            each.push_back(image);
            each.insert(each.end(), later.begin(), later.end());
            return each;
        }
        for (int page = 0; page < pages; ++page)
            each.push_back(image.extract_area(0, page * pageHeight, image.width(), pageHeight));
        return each;
    }

    // Holds these pages: stacked when they are alike, else apart.
    void SetPages(const std::vector<vips::VImage>& each) {
        const vips::VImage& first = each.front();
        const bool alike = std::all_of(each.begin(), each.end(), [&](const vips::VImage& page) {
            return page.width() == first.width() && page.height() == first.height() &&
                   page.bands() == first.bands() && page.format() == first.format() &&
                   page.interpretation() == first.interpretation();
        });
        pages = int(each.size());
        pageHeight = first.height();
        later.clear();
        if (pages == 1 || !alike) {
            image = first;
            later.assign(each.begin() + 1, each.end());
            return;
        }
        image = vips::VImage::arrayjoin(each, vips::VImage::option()->set("across", 1));
        image.set(VIPS_META_PAGE_HEIGHT, pageHeight);
    }

    // Applies fn to each page alone and holds the results, so a turn or a
    // resample never mixes rows of two pages.
    template <typename Fn> void EachPage(Fn fn) {
        std::vector<vips::VImage> done;
        for (const vips::VImage& page : Pages())
            done.push_back(fn(page));
        SetPages(done);
    }

    // Makes pixels held as stored upright; the caller holds the lock.
    bool Upright(PipelineLock&) {
        if (!turnPending)
            return true;
        try {
            image = image.autorot();
        } catch (const vips::VError& e) {
            return Fail(TakeVipsError(e));
        }
        turnPending = false;
        pageHeight = image.height();
        return true;
    }

    bool Turned() const { return turnPending && orientation >= 5 && orientation <= 8; }

    // Decodes the pixels into memory, outside the lock, and releases what
    // made them under it.
    bool HoldInMemory(PipelineLock& lock) {
        try {
            const vips::VImage held = lock.Evaluated([this] { return image.copy_memory(); });
            image = held;
            for (vips::VImage& page : later) {
                const vips::VImage kept = lock.Evaluated([&page] { return page.copy_memory(); });
                page = kept;
            }
        } catch (const vips::VError& e) {
            return Fail(TakeVipsError(e));
        }
        return true;
    }

    // Turning a picture reads its rows out of order: a sequential picture
    // (a shrink-on-load result, already small) is decoded to memory first.
    bool ReadyForRandomAccess(PipelineLock& lock) {
        if (!valid)
            return Fail(QStringLiteral("no picture"));
        if (!Upright(lock) || (sequential && !HoldInMemory(lock)))
            return false;
        sequential = pristine = false;
        return true;
    }

    // A turn, a flip or a frame of every page.
    template <typename Fn> bool Turn(Fn fn) {
        PipelineLock lock;
        if (!ReadyForRandomAccess(lock))
            return false;
        try {
            EachPage(fn);
        } catch (const vips::VError& e) {
            return Fail(TakeVipsError(e));
        }
        return true;
    }

    // What a result as format is to carry beside its pixels.
    EncodeRequest Request(uint32_t format) const;

    // What the file tells of itself beside its pixels: depth, EXIF, XMP,
    // resolution and orientation.
    void ReadMetadata(const vips::VImage& in, const ImageHeader& header);

    vips::VImage Shown(int maxWidth, int maxHeight, bool loose, bool whatDecodes = false);

    bool Fail(const QString& why) {
        error = why;
        return false;
    }
};
