// SPDX-License-Identifier: MIT
#include "resize/EncodeResult.h"

#include "codec/Image.h"
#include "codec/PictureTypeTable.h"
#include "resize/SizeLimit.h"
#include "resize/TargetSize.h"

namespace {
constexpr uint32_t kRotateLeft = 0;
constexpr uint32_t kFlip = 1;
constexpr uint32_t kRotateRight = 2;
} // namespace

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
    spec.width = TargetWidth(settings, w, h, desktop);
    spec.height = TargetHeight(settings, w, h, desktop);
    // No side grows: a side that would is kept as it is.
    if (settings.noenlarge) {
        spec.width = std::min<int64_t>(spec.width, w);
        spec.height = std::min<int64_t>(spec.height, h);
    }
    if (spec.width <= 0 || spec.height <= 0 || spec.width * spec.height > kMaxPicturePixels)
        return QStringLiteral("the new size of %1 x %2 pixels is not possible")
            .arg(spec.width)
            .arg(spec.height);
    spec.resample = spec.width != w || spec.height != h;
    return {};
}

bool EncodeResult(CxImage& image, const ResizeSettings& settings, const ResultSpec& spec,
                  QByteArray& bytes, QString& why) {
    bool ok = true;
    if (spec.resample)
        ok = image.Resample(spec.width, spec.height, 1);
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
