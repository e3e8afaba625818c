// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The options of a resize batch, as the user last set them. Field names are
// the names of their stored values; "qualilty" is spelt as it has always
// been stored, so existing settings keep working.
struct ResizeSettings {
    uint32_t override = 0;                      // write over the source pictures
    QString dest = QStringLiteral("./resize/"); // replaced by the stored value on load
    uint32_t imagetype = 0;                     // PictureTypeTable code; 0 = same as the source
    uint32_t qualilty = 80;                     // quality of the lossy types 0..100
    uint32_t image_to_resize = 1;
    uint32_t image_to_rotate = 0;
    uint32_t image_set_dpi = 0;
    uint32_t constraint = 1; // keep width and height in proportion (dialog only)
    uint32_t desktop = 0;    // fit into the desktop size
    uint32_t height = 100;
    uint32_t width = 100;
    uint32_t hpercent = 1; // unit of height: 0 pixel, 1 percent
    uint32_t wpercent = 1; // unit of width: 0 pixel, 1 percent
    uint32_t rotate = 0;   // 0 rotate left, 1 flip, 2 rotate right
    uint32_t xdpi = 72;
    uint32_t ydpi = 72;
    // Added beside the original values; their defaults keep the old
    // behaviour except where they only add safety.
    uint32_t noenlarge = 0; // 1: a picture smaller than its target keeps its size
    uint32_t keepdates = 1; // 1: a result gets its source's modification time
    uint32_t trash = 1;     // 1: a file the batch replaces goes to the Trash first
    uint32_t maxkb = 0;     // most KiB of each lossy result; 0: no limit
    uint32_t mailmaxkb = 0; // most KiB of one mail's copies together; 0: no limit
};

// The stored values of ResizeSettings in their storage order. Every field
// is a 32-bit number except "dest", the one text (number is null for it).
// A number has a range; a size in percent goes up to kMostPercent only.
struct ResizeSettingsField {
    QString name;
    uint32_t ResizeSettings::*number;
    uint32_t lowest = 0;
    uint32_t highest = 0;
};
const std::array<ResizeSettingsField, 21>& ResizeSettingsFields();

constexpr uint32_t kMostPercent = 10000;
constexpr uint32_t kMostPixels = 65535;
constexpr uint32_t kMostDpi = 65535;
// The largest value field may take in settings (which decide a size's unit).
uint32_t HighestValue(const ResizeSettingsField& field, const ResizeSettings& settings);
// The first number of settings outside its range; null when none is.
const ResizeSettingsField* FirstOutOfRange(const ResizeSettings& settings);
// Puts every number outside its range back to its default, as a value that
// cannot be meant (a damaged or foreign settings file) should read.
void DefaultOutOfRange(ResizeSettings& settings);
