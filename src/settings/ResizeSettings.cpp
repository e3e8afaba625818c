// SPDX-License-Identifier: MIT
#include "settings/ResizeSettings.h"

#include "settings/SettingsNames.h"

namespace {
constexpr uint32_t kFlag = 1;
constexpr uint32_t kMostType = 11;
constexpr uint32_t kMostQuality = 100;
constexpr uint32_t kMostRotate = 2;
constexpr uint32_t kMostKb = 2 * 1024 * 1024; // 2 GiB: beyond any mail or picture
} // namespace

const std::array<ResizeSettingsField, 21>& ResizeSettingsFields() {
    using S = ResizeSettings;
    namespace N = SettingsName;
    static const std::array<ResizeSettingsField, 21> fields{{
        {N::Override, &S::override, 0, kFlag},
        {N::Dest, nullptr},
        {N::ImageType, &S::imagetype, 0, kMostType},
        {N::Quality, &S::qualilty, 0, kMostQuality},
        {N::ImageToResize, &S::image_to_resize, 0, kFlag},
        {N::ImageToRotate, &S::image_to_rotate, 0, kFlag},
        {N::ImageSetDpi, &S::image_set_dpi, 0, kFlag},
        {N::Constraint, &S::constraint, 0, kFlag},
        {N::Desktop, &S::desktop, 0, kFlag},
        {N::Height, &S::height, 1, kMostPixels},
        {N::Width, &S::width, 1, kMostPixels},
        {N::HPercent, &S::hpercent, 0, kFlag},
        {N::WPercent, &S::wpercent, 0, kFlag},
        {N::Rotate, &S::rotate, 0, kMostRotate},
        {N::XDpi, &S::xdpi, 1, kMostDpi},
        {N::YDpi, &S::ydpi, 1, kMostDpi},
        {N::NoEnlarge, &S::noenlarge, 0, kFlag},
        {N::KeepDates, &S::keepdates, 0, kFlag},
        {N::Trash, &S::trash, 0, kFlag},
        {N::MaxKb, &S::maxkb, 0, kMostKb},
        {N::MailMaxKb, &S::mailmaxkb, 0, kMostKb},
    }};
    return fields;
}

uint32_t HighestValue(const ResizeSettingsField& field, const ResizeSettings& settings) {
    if ((field.number == &ResizeSettings::width && settings.wpercent == 1) ||
        (field.number == &ResizeSettings::height && settings.hpercent == 1))
        return kMostPercent;
    return field.highest;
}

const ResizeSettingsField* FirstOutOfRange(const ResizeSettings& settings) {
    for (const ResizeSettingsField& field : ResizeSettingsFields()) {
        if (!field.number)
            continue;
        const uint32_t value = settings.*field.number;
        if (value < field.lowest || value > HighestValue(field, settings))
            return &field;
    }
    return nullptr;
}

void DefaultOutOfRange(ResizeSettings& settings) {
    const ResizeSettings defaults;
    while (const ResizeSettingsField* field = FirstOutOfRange(settings))
        settings.*field->number = defaults.*field->number;
}
