// SPDX-License-Identifier: MIT
#pragma once

#include "codec/ImageFormat.h"
#include "codec/JpegTransform.h"
#include "settings/ResizeSettings.h"

#include <QList>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Decoded pixels to draw: 8-bit RGBA, rows top to bottom, no padding.
struct DecodedPixels {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    int delayMs = 0; // a frame of an animation: how long it shows
};

// The EXIF block of a WebP, AVIF, HEIC or JPEG XL file, as libvips reads
// it from the container, starting "Exif\0\0" like a JPEG's APP1 segment;
// empty for any other file or when there is none.
QByteArray ReadContainerExif(const QString& path);

// One picture in memory. Pixels are produced lazily: Load reads the header,
// and the pixels are decoded when Save needs them, so a Resample straight
// after Load decodes at a fraction of the full size (shrink-on-load).
// Pictures are held upright: the EXIF orientation is applied on load. A
// result keeps its source's EXIF, XMP and colour profile, made true of
// the result (see ResultExif), and states a resolution only when its
// source did or one was set.
// An object is used by one thread at a time; different objects may be used
// on different threads at once.
class CxImage {
public:
    CxImage();
    ~CxImage();
    CxImage(const CxImage&) = delete;
    CxImage& operator=(const CxImage&) = delete;

    // format 0 detects the type from the file. On failure the picture is
    // empty (width and height 0) and GetLastError says why.
    bool Load(const QString& path, uint32_t format = ImageFormat::None);
    // mode 1 is the only mode: Lanczos 3.
    bool Resample(int64_t newWidth, int64_t newHeight, int mode = 1);
    bool RotateLeft();  // 90 degrees counter-clockwise
    bool RotateRight(); // 90 degrees clockwise
    bool Flip();        // top to bottom
    // Keeps a width x height part of each page, the anchor part (attention:
    // libvips' most interesting part). A side larger than the picture's
    // stays the picture's.
    bool Crop(int width, int height, Anchor anchor);
    // Lays each page centred on a canvas of width x height in colour
    // (0xRRGGBB), or transparent, which gives the picture an alpha channel.
    bool Pad(int width, int height, uint32_t colour, bool transparent);
    // Writes the picture atomically: a failed save leaves any file at path
    // as it was.
    bool Save(const QString& path, uint32_t format);
    // The bytes Save would write, in memory.
    bool Encode(uint32_t format, QByteArray& bytes);
    // A JPEG turned by its EXIF orientation and then by `then` from its
    // file's own compressed data, never decoded: its pixels exactly, with
    // the metadata and resolution Encode would give a JPEG result (at the
    // picture's metadata level; no old thumbnail, orientation 1). Call it
    // on a picture as loaded. False, the reason in GetLastError, when it
    // cannot be done (see TurnWithoutDecodingRefusal) or the file is
    // damaged.
    bool EncodeTurnedJpeg(JpegTurn then, QByteArray& bytes);
    // Why EncodeTurnedJpeg cannot keep the whole picture: no JPEG, or a
    // partial block at an edge the turn would move. Empty when it can.
    QString TurnWithoutDecodingRefusal(JpegTurn then) const;
    // Decodes the pixels into memory, so that the picture can be encoded
    // many times without decoding the file again.
    bool HoldPixels();
    // HoldPixels for results of at most width x height (upright): a JPEG is
    // decoded at the largest scale of its decoder that still leaves each of
    // them a full Lanczos 3 reduce, so several results cost one decode.
    bool HoldPixelsFor(int64_t width, int64_t height);
    // Another picture on the same held pixels and metadata, for one result
    // among several; to be called after HoldPixels. The pixels are shared,
    // never changed: each picture's transforms make new ones.
    std::unique_ptr<CxImage> Fork() const;

    // Decodes the picture for the screen without changing it: shrunk (never
    // enlarged) to about maxWidth x maxHeight, for a JPEG to its decoder's
    // nearest scale that is not smaller, so a preview pane reads only about
    // as many pixels as it shows. False when the pixels do not decode.
    // whatDecodes: a picture whose data ends early or is damaged gives what
    // of it decodes, the rest grey, wherever its decoder can go on.
    bool DecodeToFit(int maxWidth, int maxHeight, DecodedPixels& out, bool whatDecodes = false);
    // An animation's frames (an animated GIF or WebP) for the screen, each
    // shrunk as DecodeToFit shrinks the picture, and further when all of
    // them would take more than maxBytes, each with its delay. False for a
    // picture that is no animation, or when the frames do not decode.
    bool DecodeFramesToFit(int maxWidth, int maxHeight, int64_t maxBytes,
                           std::vector<DecodedPixels>& frames);
    // The picture upright and shrunk to fit a square of side pixels, as an
    // 8-bit sRGB PNG (alpha only where the picture has some): a thumbnail.
    bool EncodeThumbnail(int side, QByteArray& png);

    void SetXDPI(int32_t dpi);
    void SetYDPI(int32_t dpi);
    int32_t GetXDPI() const;
    int32_t GetYDPI() const;
    // What metadata results keep (a MetadataLevel) and whether their
    // pixels go to sRGB with its profile; kept by Fork.
    void SetMetadataLevel(int level);
    void SetSrgb(bool srgb);
    // The PrivateKind bits the last Encode took out.
    uint32_t RemovedPrivateData() const;
    // The bytes of EXIF and XMP a result as format would carry at a
    // MetadataLevel, without encoding it.
    int64_t ResultMetadataBytes(uint32_t format, int level) const;
    void SetJpegQuality(uint8_t quality);
    uint8_t GetJpegQuality() const;

    // The size of one page.
    int32_t GetWidth() const;
    int32_t GetHeight() const;
    // Pages or frames the file holds (an animated GIF, a multi-page TIFF).
    // All are transformed alike and written where the type holds pages
    // (GIF, TIFF, WebP); the other types get the first page. Pages that
    // differ in size (a TIFF of several paper sizes) are written only as
    // TIFF; a resample scales each as it scales the first.
    int PageCount() const;
    // The upright size of each page where the pages differ; empty when
    // they are alike.
    QList<QSize> PageSizesApart() const;
    // Runs fn on each page as a picture of its own, first to last, and
    // holds the pages it leaves: so pages that differ are each sized and
    // framed for themselves. False with the reason of the page fn failed.
    bool EachPage(const std::function<bool(CxImage& page, int index)>& fn);
    uint16_t GetBpp() const;
    uint32_t GetType() const;
    // The EXIF orientation its file states, 1 to 8; the pixels are held
    // upright whatever it says.
    int GetOrientation() const;
    bool IsValid() const;
    void Destroy();

    const QString& GetLastError() const;
    // When the photo was taken, as its EXIF writes it; empty when unknown.
    QString GetExifDate() const;

    // libvips spreads each picture over its own threads; a batch running
    // several pictures at once lowers that so the two do not oversubscribe.
    // The setting is the whole process's: returns the one it replaces, for
    // the batch to put back.
    static int SetThreadsPerPicture(int threads);
    // Encodes done by all pictures since the program started: what a size
    // limit costs.
    static int64_t EncodesSoFar();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Picture information plus the picture itself.
class IImage {
public:
    explicit IImage(uint32_t format = ImageFormat::None);
    ~IImage();

    // Reads only the header: size, resolution, depth and type, without
    // decoding pixels. Returns 1 on success, 0 on failure (all values 0).
    int LoadImageInfo(const QString& path);

    int32_t GetWidth() const { return width_; }
    int32_t GetHeight() const { return height_; }
    int32_t GetXDPI() const { return xdpi_; }
    int32_t GetYDPI() const { return ydpi_; }
    uint16_t GetBpp() const { return bpp_; }
    uint32_t GetImageType() const { return type_; }
    CxImage* GetXImage() { return &image_; }

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t xdpi_ = 0;
    int32_t ydpi_ = 0;
    uint16_t bpp_ = 0;
    uint32_t type_ = ImageFormat::None;
    CxImage image_;
};
