// SPDX-License-Identifier: MIT
#pragma once

#include "codec/ImageFormat.h"
#include "platform/DesktopMetrics.h"
#include "settings/ResizeSettings.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class CxImage;

// What one result of a picture is: its size, type, byte limit and the
// metadata it keeps, as the options decide them for that picture.
struct ResultForm {
    bool resample = false;
    int64_t width = 0; // the result's size; the picture's own without a resample
    int64_t height = 0;
    uint32_t format = ImageFormat::None;
    int64_t limit = 0; // most bytes; 0: no limit
    int metadata = 0;  // a MetadataLevel
    // Fill or pad: after the resample, cropped or laid on a canvas of
    // frameWidth x frameHeight.
    Fit fit = Fit::Stretch;
    int64_t frameWidth = 0;
    int64_t frameHeight = 0;
    Anchor anchor = Anchor::Centre;
    uint32_t colour = 0xffffff;
    bool transparent = false;

    // Turned a quarter (left or right) after it is framed.
    bool quarterTurn = false;
    // A JPEG whose pixels change only by their turn (its EXIF orientation
    // and the one asked for) and written as JPEG: made from its own
    // compressed data, turned, never decoded. When such a result must be
    // re-encoded instead (a partial block at an edge), why.
    bool lossless = false;
    QString reencoded;

    // Pages that differ in size: each page's own form, first to last, as
    // if it were a picture alone; empty otherwise. The fields above are the
    // first page's.
    std::vector<ResultForm> pages;

    // The size of the result before it is turned.
    int64_t OutWidth() const { return fit == Fit::Stretch ? width : frameWidth; }
    int64_t OutHeight() const { return fit == Fit::Stretch ? height : frameHeight; }
    // The size of the result as written, upright: after framing and turning.
    int64_t WrittenWidth() const { return quarterTurn ? OutHeight() : OutWidth(); }
    int64_t WrittenHeight() const { return quarterTurn ? OutWidth() : OutHeight(); }
};

// Why text cannot be a "padcolour" (RGB hex, "#" allowed, or empty); empty
// when it can.
QString PadColourError(const QString& text);

// The result settings make of image (its header read): its type, its size
// (no side grown with "noenlarge"), its byte limit ("maxkb") and metadata
// level. A fill or pad box is the result's as written: with a quarter turn
// the picture is framed in the box turned, so that the turned result is
// the box. Pages that differ in size are sized each by the same rules.
// The reason when no such result is possible.
QString PlanResult(const ResizeSettings& settings, const CxImage& image, DesktopSize desktop,
                   ResultForm& form);

// How a result's bytes were made.
struct EncodeNote {
    bool lossless = false; // from the source's compressed data
    QString reencoded;     // why a result planned lossless was re-encoded
};

// The result's bytes: image resampled, turned, given its DPI, quality,
// metadata and colours as settings and form say, and encoded within the
// limit; a lossless form is first tried without decoding (EncodeLossless).
// False with the reason in why.
bool EncodeResult(CxImage& image, const ResizeSettings& settings, const ResultForm& form,
                  QByteArray& bytes, QString& why, EncodeNote* note = nullptr);

// A lossless form's bytes from image's file, image as loaded and left as
// it is. False when it must be re-encoded instead: note.reencoded says
// why, or is empty when only the limit ("maxkb") asks for a smaller file.
bool EncodeLossless(CxImage& image, const ResizeSettings& settings, const ResultForm& form,
                    QByteArray& bytes, EncodeNote& note);
