// SPDX-License-Identifier: MIT
#include "batch/EncodeResult.h"

#include "batch/SizeLimit.h"
#include "batch/TargetSize.h"
#include "codec/Image.h"
#include "codec/JpegTransform.h"
#include "codec/PictureTypeTable.h"
#include "platform/UiText.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// The types whose pixels can be transparent.
bool HoldsAlpha(uint32_t format) {
    return format != ImageFormat::Jpeg && format != ImageFormat::Bmp && format != ImageFormat::Pcx;
}

// The turn asked for, as the codec names it.
JpegTurn AskedTurn(const ResizeSettings& settings) {
    if (!settings.image_to_rotate)
        return JpegTurn::None;
    return settings.rotate == Turn::Left    ? JpegTurn::Left
           : settings.rotate == Turn::Flip  ? JpegTurn::FlipTopBottom
           : settings.rotate == Turn::Right ? JpegTurn::Right
                                            : JpegTurn::None;
}

// Whether a result of image changes no pixel but by turning them: a JPEG
// kept at its size, written as JPEG, turned, flipped, set upright or given
// a DPI, which changes no pixel either. A plain re-save is left to the
// encoder, at the quality asked for.
bool OnlyTurns(const ResizeSettings& settings, const CxImage& image, const ResultForm& form) {
    const bool asked = AskedTurn(settings) != JpegTurn::None || settings.image_set_dpi ||
                       image.GetOrientation() != 1;
    return settings.lossless && asked && image.GetType() == ImageFormat::Jpeg &&
           form.format == ImageFormat::Jpeg && !form.resample && form.fit == Fit::Stretch &&
           !settings.srgb;
}

const QRegularExpression kHexColour(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));

// Fill or pad: the resample's size for a box of boxWidth x boxHeight, and
// the box. With "noenlarge" a picture that could fill the box only by
// growing keeps its size, uncropped.
void PlanFrame(const ResizeSettings& settings, int64_t boxWidth, int64_t boxHeight, int32_t w,
               int32_t h, ResultForm& form) {
    const double scales[] = {double(boxWidth) / w, double(boxHeight) / h};
    double scale =
        settings.fit == Fit::Fill ? std::max(scales[0], scales[1]) : std::min(scales[0], scales[1]);
    if (settings.noenlarge && settings.fit == Fit::Fill && scale > 1.0) {
        form.width = w;
        form.height = h;
        return;
    }
    if (settings.noenlarge)
        scale = std::min(scale, 1.0);
    form.width = std::max<int64_t>(1, std::llround(w * scale));
    form.height = std::max<int64_t>(1, std::llround(h * scale));
    form.fit = settings.fit;
    form.anchor = settings.anchor;
    if (settings.fit == Fit::Fill) {
        // Rounding must not leave the cover a pixel short of the box.
        if (scale == scales[0])
            form.width = boxWidth;
        if (scale == scales[1])
            form.height = boxHeight;
        form.frameWidth = std::min<int64_t>(boxWidth, form.width);
        form.frameHeight = std::min<int64_t>(boxHeight, form.height);
    } else {
        form.width = std::min<int64_t>(form.width, boxWidth);
        form.height = std::min<int64_t>(form.height, boxHeight);
        form.frameWidth = boxWidth;
        form.frameHeight = boxHeight;
        const QRegularExpressionMatch hex = kHexColour.match(settings.padcolour);
        form.colour = hex.hasMatch() ? hex.captured(1).toUInt(nullptr, 16) : 0xffffff;
        form.transparent = settings.padcolour.isEmpty() && HoldsAlpha(form.format);
    }
}

// The size of a picture (or of one page) of w x h: the resample, and the
// frame. The reason when no such result is possible.
QString PlanSize(const ResizeSettings& settings, int32_t w, int32_t h, DesktopSize desktop,
                 ResultForm& form) {
    form.width = w;
    form.height = h;
    form.resample = false;
    if (!settings.image_to_resize)
        return {};
    // Fill and pad frame a size in pixels; proportions are kept otherwise.
    if (settings.fit != Fit::Stretch && !settings.desktop && settings.side == SideRule::Both &&
        !settings.wpercent && !settings.hpercent && w > 0 && h > 0) {
        if (form.quarterTurn)
            PlanFrame(settings, settings.height, settings.width, w, h, form);
        else
            PlanFrame(settings, settings.width, settings.height, w, h, form);
    } else {
        form.width = TargetWidth(settings, w, h, desktop);
        form.height = TargetHeight(settings, w, h, desktop);
        // No side grows: a side that would is kept as it is.
        if (settings.noenlarge) {
            form.width = std::min<int64_t>(form.width, w);
            form.height = std::min<int64_t>(form.height, h);
        }
    }
    const int64_t outWidth = std::max(form.width, form.OutWidth());
    const int64_t outHeight = std::max(form.height, form.OutHeight());
    if (form.width <= 0 || form.height <= 0 || outWidth * outHeight > kMaxPicturePixels)
        return TrText("Batch", "the new size of %1 x %2 pixels is not possible")
            .arg(form.OutWidth())
            .arg(form.OutHeight());
    form.resample = form.width != w || form.height != h;
    return {};
}

void PlanLossless(const ResizeSettings& settings, const CxImage& image, ResultForm& form) {
    form.lossless = false;
    form.reencoded.clear();
    if (!OnlyTurns(settings, image, form))
        return;
    form.reencoded = image.TurnWithoutDecodingRefusal(AskedTurn(settings));
    form.lossless = form.reencoded.isEmpty();
}

// Resamples, frames and turns the picture as form says.
bool Transform(CxImage& image, const ResizeSettings& settings, const ResultForm& form) {
    bool ok = true;
    if (form.resample)
        ok = image.Resample(form.width, form.height, 1);
    if (ok && form.fit == Fit::Fill)
        ok = image.Crop(int(form.frameWidth), int(form.frameHeight), form.anchor);
    else if (ok && form.fit == Fit::Pad)
        ok = image.Pad(int(form.frameWidth), int(form.frameHeight), form.colour, form.transparent);
    if (ok && settings.image_to_rotate) {
        if (settings.rotate == Turn::Left)
            ok = image.RotateLeft();
        else if (settings.rotate == Turn::Flip)
            ok = image.Flip();
        else if (settings.rotate == Turn::Right)
            ok = image.RotateRight();
    }
    return ok;
}

} // namespace

QString PadColourError(const QString& text) {
    if (text.isEmpty() || kHexColour.match(text).hasMatch())
        return {};
    return TrText("Batch", "The padding colour \"%1\" is not an RGB colour in hex, such as "
                           "FFFFFF for white, nor empty for transparent.")
        .arg(text);
}

QString PlanResult(const ResizeSettings& settings, const CxImage& image, DesktopSize desktop,
                   ResultForm& form) {
    form.format = settings.imagetype == PictureTypeTable::SameAsSource
                      ? image.GetType()
                      : PictureTypeTable::CodecFormat(settings.imagetype);
    form.limit = int64_t(settings.maxkb) * 1024;
    form.metadata = int(settings.metadata);
    form.quarterTurn = settings.image_to_rotate &&
                       (settings.rotate == Turn::Left || settings.rotate == Turn::Right);
    form.pages.clear();
    const ResultForm unsized = form;
    if (const QString why = PlanSize(settings, image.GetWidth(), image.GetHeight(), desktop, form);
        !why.isEmpty())
        return why;
    PlanLossless(settings, image, form);
    if (!settings.image_to_resize)
        return {};
    for (const QSize& size : image.PageSizesApart()) {
        ResultForm page = unsized;
        if (const QString why = PlanSize(settings, size.width(), size.height(), desktop, page);
            !why.isEmpty())
            return why;
        form.pages.push_back(page);
    }
    return {};
}

bool EncodeLossless(CxImage& image, const ResizeSettings& settings, const ResultForm& form,
                    QByteArray& bytes, EncodeNote& note) {
    image.SetMetadataLevel(form.metadata);
    if (settings.image_set_dpi) {
        image.SetXDPI(int32_t(std::min<uint32_t>(settings.xdpi, INT32_MAX)));
        image.SetYDPI(int32_t(std::min<uint32_t>(settings.ydpi, INT32_MAX)));
    }
    if (!image.EncodeTurnedJpeg(AskedTurn(settings), bytes)) {
        note.reencoded = image.GetLastError();
        return false;
    }
    if (form.limit > 0 && bytes.size() > form.limit)
        return false;
    note.lossless = true;
    return true;
}

bool EncodeResult(CxImage& image, const ResizeSettings& settings, const ResultForm& form,
                  QByteArray& bytes, QString& why, EncodeNote* note) {
    EncodeNote made;
    made.reencoded = form.reencoded;
    const bool lossless = form.lossless && EncodeLossless(image, settings, form, bytes, made);
    if (note)
        *note = made;
    if (lossless)
        return true;
    // Planned from the file's header: a file changed since then may not
    // have those pages any more.
    if (!form.pages.empty() && form.pages.size() != size_t(image.PageSizesApart().size())) {
        why = TrText("Batch", "its pages are no longer those the batch planned for");
        return false;
    }
    const bool ok = form.pages.empty()
                        ? Transform(image, settings, form)
                        : image.EachPage([&](CxImage& page, int index) {
                              return Transform(page, settings, form.pages[size_t(index)]);
                          });
    if (!ok) {
        why = image.GetLastError();
        return false;
    }
    if (settings.image_set_dpi) {
        image.SetXDPI(int32_t(std::min<uint32_t>(settings.xdpi, INT32_MAX)));
        image.SetYDPI(int32_t(std::min<uint32_t>(settings.ydpi, INT32_MAX)));
    }
    if (ImageFormat::IsLossy(form.format))
        image.SetJpegQuality(uint8_t(settings.qualilty & 0xff));
    image.SetMetadataLevel(form.metadata);
    image.SetSrgb(settings.srgb);
    if (form.limit > 0)
        return EncodeWithin(image, form.format, form.limit, bytes, why);
    if (image.Encode(form.format, bytes))
        return true;
    why = image.GetLastError();
    return false;
}
