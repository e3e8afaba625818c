// SPDX-License-Identifier: MIT
#include "app/ResizeSettings.h"

#include "app/SettingsNames.h"

const std::array<ResizeSettingsField, 21>& ResizeSettingsFields() {
    using S = ResizeSettings;
    namespace N = SettingsName;
    static const std::array<ResizeSettingsField, 21> fields{{
        {N::Override, &S::override},
        {N::Dest, nullptr},
        {N::ImageType, &S::imagetype},
        {N::Quality, &S::qualilty},
        {N::ImageToResize, &S::image_to_resize},
        {N::ImageToRotate, &S::image_to_rotate},
        {N::ImageSetDpi, &S::image_set_dpi},
        {N::Constraint, &S::constraint},
        {N::Desktop, &S::desktop},
        {N::Height, &S::height},
        {N::Width, &S::width},
        {N::HPercent, &S::hpercent},
        {N::WPercent, &S::wpercent},
        {N::Rotate, &S::rotate},
        {N::XDpi, &S::xdpi},
        {N::YDpi, &S::ydpi},
        {N::NoEnlarge, &S::noenlarge},
        {N::KeepDates, &S::keepdates},
        {N::Trash, &S::trash},
        {N::MaxKb, &S::maxkb},
        {N::MailMaxKb, &S::mailmaxkb},
    }};
    return fields;
}
