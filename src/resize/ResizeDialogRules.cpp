// SPDX-License-Identifier: MIT
#include "resize/ResizeDialogRules.h"

#include "resize/ResizeIds.h"
#include "settings/ResizeSettings.h"

#include <cmath>

namespace {

constexpr uint32_t kPixel = 0;
constexpr uint32_t kPercent = 1;

uint32_t InPixels(uint32_t value, uint32_t unit, uint32_t common) {
    return unit == kPercent ? value * common / 100 : value;
}

} // namespace

CheckText SizeCheckText(const SizeCheckInput& in, const SelectionSummary& summary,
                        DesktopSize desktop) {
    namespace T = ResizeDialogText;
    if (in.desktop) {
        if (in.constrain)
            return {T::FitDesktop, false};
        return {T::ResizeToDesktop.arg(desktop.width).arg(desktop.height), true};
    }
    // A batch that can only fail is not offered: a side of 0 is what a
    // percentage of pictures that differ in size turns into in pixels.
    if (!SizeGiven(in))
        return {T::SizeNeeded.arg(kMostPixels).arg(kMostPercent), true};
    const uint32_t w = uint32_t(summary.pictureWidth);
    const uint32_t h = uint32_t(summary.pictureHeight);
    // The side and the box keep every picture's proportions: nothing to warn of.
    if (in.side != SideRule::Both) {
        const uint32_t measured = in.side == SideRule::Longer ? std::max(w, h) : std::min(w, h);
        const QString value =
            in.widthUnit == kPercent ? T::PercentOfIt.arg(in.width) : T::Pixels.arg(in.width);
        QString text = (in.side == SideRule::Longer ? T::LongerSide : T::ShorterSide).arg(value);
        if (measured > 0) {
            const uint64_t wanted = InPixels(in.width, in.widthUnit, measured);
            text += T::MakesHere.arg(uint64_t(w) * wanted / measured)
                        .arg(uint64_t(h) * wanted / measured);
        }
        return {text, false};
    }
    if (in.fit != Fit::Stretch && in.widthUnit != kPercent && in.heightUnit != kPercent)
        return {(in.fit == Fit::Fill ? T::FillBox : T::PadBox).arg(in.width).arg(in.height), false};
    if (w == 0 || h == 0)
        return {in.constrain ? T::NotSameSizeConstrained : T::NotSameSize, true};

    const uint32_t th = InPixels(in.height, in.heightUnit, h);
    const uint32_t tw = InPixels(in.width, in.widthUnit, w);
    const double selection = std::trunc(double(h) / double(w) * 1000.0);
    // A zero width gives an infinite or undefined ratio: never a match.
    const double target = tw == 0 ? -1.0 : std::trunc(double(th) / double(tw) * 1000.0);
    const QString size = T::SelectionSize.arg(w).arg(h);
    // The pair that keeping the proportion computed from either side is
    // never a mismatch, however the division rounded.
    const bool computed =
        in.constrain &&
        (ProportionalValue(in.width, in.widthUnit, in.heightUnit, w, h, 0) == in.height ||
         ProportionalValue(in.height, in.heightUnit, in.widthUnit, h, w, 0) == in.width);
    if (selection == target || computed)
        return {in.constrain ? size : size + T::MightDistort, false};
    if (in.constrain)
        return {T::SizeMismatch.arg(w).arg(h).arg(tw).arg(th), true};
    return {size + T::MightDistort, false};
}

bool SizeGiven(const SizeCheckInput& in) {
    const auto inRange = [](uint32_t value, uint32_t unit) {
        return value >= 1 && value <= (unit == kPercent ? kMostPercent : kMostPixels);
    };
    return in.desktop || (inRange(in.width, in.widthUnit) && inRange(in.height, in.heightUnit));
}

bool DpiGiven(uint32_t dpi) {
    return dpi >= 1 && dpi <= kMostDpi;
}

CheckText DpiCheckText(const SelectionSummary& summary) {
    namespace T = ResizeDialogText;
    CheckText check{T::DpiHeading, false};
    if (summary.commonXDpi != 0)
        check.text += T::XDpi.arg(summary.commonXDpi);
    else {
        check.warning = true;
        check.text += T::XDpiDiffers;
    }
    if (summary.commonYDpi != 0)
        check.text += T::YDpi.arg(summary.commonYDpi);
    else {
        check.warning = true;
        check.text += T::YDpiDiffers;
    }
    return check;
}

uint32_t ProportionalValue(uint32_t value, uint32_t unit, uint32_t otherUnit, uint32_t common,
                           uint32_t otherCommon, uint32_t otherValue) {
    if (unit == kPixel && otherUnit == kPixel)
        return common == 0 ? otherValue : value * otherCommon / common;
    if (unit == kPixel && otherUnit == kPercent)
        return common == 0 ? otherValue : value * 100 / common;
    if (unit == kPercent && otherUnit == kPixel)
        return value * otherCommon / 100;
    return value;
}

uint32_t ConvertUnit(uint32_t value, uint32_t fromUnit, uint32_t toUnit, uint32_t common) {
    if (fromUnit == toUnit)
        return value;
    if (toUnit == kPixel)
        return common * value / 100;
    return common == 0 ? value : value * 100 / common;
}
