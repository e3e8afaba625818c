// SPDX-License-Identifier: MIT
#include "resize/EncodeResult.h"

#include "codec/Image.h"
#include "codec/PictureTypeTable.h"
#include "resize/SizeLimit.h"
#include "resize/TargetSize.h"

#include <QRegularExpression>

#include <cmath>

namespace {
constexpr uint32_t kRotateLeft = 0;
constexpr uint32_t kFlip = 1;
constexpr uint32_t kRotateRight = 2;

// The types whose pixels can be transparent.
bool HoldsAlpha(uint32_t format) {
    return format != ImageFormat::Jpeg && format != ImageFormat::Bmp && format != ImageFormat::Pcx;
}

const QRegularExpression kHexColour(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));

// Fill or pad: the resample's size for a box of the options' width and
// height in pixels, and the box.
void PlanFrame(const ResizeSettings& settings, int32_t w, int32_t h, ResultSpec& spec) {
    const double box[] = {double(settings.width), double(settings.height)};
    const double scales[] = {box[0] / w, box[1] / h};
    double scale =
        settings.fit == Fit::Fill ? std::max(scales[0], scales[1]) : std::min(scales[0], scales[1]);
    if (settings.noenlarge)
        scale = std::min(scale, 1.0);
    spec.width = std::max<int64_t>(1, std::llround(w * scale));
    spec.height = std::max<int64_t>(1, std::llround(h * scale));
    spec.fit = settings.fit;
    spec.anchor = settings.anchor;
    if (settings.fit == Fit::Fill) {
        // Rounding must not leave the cover a pixel short of the box.
        if (scale == scales[0])
            spec.width = settings.width;
        if (scale == scales[1])
            spec.height = settings.height;
        spec.frameWidth = std::min<int64_t>(settings.width, spec.width);
        spec.frameHeight = std::min<int64_t>(settings.height, spec.height);
    } else {
        spec.width = std::min<int64_t>(spec.width, settings.width);
        spec.height = std::min<int64_t>(spec.height, settings.height);
        spec.frameWidth = settings.width;
        spec.frameHeight = settings.height;
        const QRegularExpressionMatch hex = kHexColour.match(settings.padcolour);
        spec.colour = hex.hasMatch() ? hex.captured(1).toUInt(nullptr, 16) : 0xffffff;
        spec.transparent = settings.padcolour.isEmpty() && HoldsAlpha(spec.format);
    }
}

} // namespace

QString PadColourError(const QString& text) {
    if (text.isEmpty() || kHexColour.match(text).hasMatch())
        return {};
    return QStringLiteral("The padding colour \"%1\" is not an RGB colour in hex, such as "
                          "FFFFFF for white, nor empty for transparent.")
        .arg(text);
}

QString PlanResult(const ResizeSettings& settings, const CxImage& image, DesktopSize desktop,
                   ResultSpec& spec) {
    spec.format = settings.imagetype == PictureTypeTable::SameAsSource
                      ? image.GetType()
                      : PictureTypeTable::CodecFormat(settings.imagetype);
    spec.limit = int64_t(settings.maxkb) * 1024;
    spec.metadata = int(settings.metadata);
    const int32_t w = image.GetWidth();
    const int32_t h = image.GetHeight();
    spec.width = w;
    spec.height = h;
    spec.resample = false;
    if (!settings.image_to_resize)
        return {};
    // Fill and pad frame a size in pixels; proportions are kept otherwise.
    if (settings.fit != Fit::Stretch && !settings.desktop && settings.side == SideRule::Both &&
        !settings.wpercent && !settings.hpercent && w > 0 && h > 0) {
        PlanFrame(settings, w, h, spec);
    } else {
        spec.width = TargetWidth(settings, w, h, desktop);
        spec.height = TargetHeight(settings, w, h, desktop);
        // No side grows: a side that would is kept as it is.
        if (settings.noenlarge) {
            spec.width = std::min<int64_t>(spec.width, w);
            spec.height = std::min<int64_t>(spec.height, h);
        }
    }
    const int64_t outWidth = std::max(spec.width, spec.OutWidth());
    const int64_t outHeight = std::max(spec.height, spec.OutHeight());
    if (spec.width <= 0 || spec.height <= 0 || outWidth * outHeight > kMaxPicturePixels)
        return QStringLiteral("the new size of %1 x %2 pixels is not possible")
            .arg(spec.OutWidth())
            .arg(spec.OutHeight());
    spec.resample = spec.width != w || spec.height != h;
    return {};
}

bool EncodeResult(CxImage& image, const ResizeSettings& settings, const ResultSpec& spec,
                  QByteArray& bytes, QString& why) {
    bool ok = true;
    if (spec.resample)
        ok = image.Resample(spec.width, spec.height, 1);
    if (ok && spec.fit == Fit::Fill)
        ok = image.Crop(int(spec.frameWidth), int(spec.frameHeight), spec.anchor);
    else if (ok && spec.fit == Fit::Pad)
        ok = image.Pad(int(spec.frameWidth), int(spec.frameHeight), spec.colour, spec.transparent);
    if (ok && settings.image_to_rotate) {
        if (settings.rotate == kRotateLeft)
            ok = image.RotateLeft();
        else if (settings.rotate == kFlip)
            ok = image.Flip();
        else if (settings.rotate == kRotateRight)
            ok = image.RotateRight();
    }
    if (!ok) {
        why = image.GetLastError();
        return false;
    }
    if (settings.image_set_dpi) {
        image.SetXDPI(int32_t(std::min<uint32_t>(settings.xdpi, INT32_MAX)));
        image.SetYDPI(int32_t(std::min<uint32_t>(settings.ydpi, INT32_MAX)));
    }
    if (ImageFormat::IsLossy(spec.format))
        image.SetJpegQuality(uint8_t(settings.qualilty & 0xff));
    image.SetMetadataLevel(spec.metadata);
    image.SetSrgb(settings.srgb != 0);
    if (spec.limit > 0)
        return EncodeWithin(image, spec.format, spec.limit, bytes, why);
    if (image.Encode(spec.format, bytes))
        return true;
    why = image.GetLastError();
    return false;
}
