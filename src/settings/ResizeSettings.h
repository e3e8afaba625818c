// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// Byte sizes of the stored texts' buffers (UTF-8 and a zero): a folder or
// a name template, and the further outputs all together.
constexpr int kPathTextBytes = 260;
constexpr int kAlsoTextBytes = 4096;

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
    // The result's name without its extension, with {tokens} and "/".
    QString nametemplate = QStringLiteral("{name}");
    uint32_t onexists = 0; // a result's name exists: 0 ask, 1 keep both, 2 skip, 3 replace
    // Further outputs from the same decode: each the changes it makes to
    // these options, "NAME=VALUE,NAME=VALUE", separated by ";".
    QString also;
    // Metadata kept: 0 all, 1 none that locates or names anyone, 2 only the
    // colour profile and the resolution; for results, and for mail copies.
    uint32_t metadata = 0;
    uint32_t mailmetadata = 1;
    uint32_t srgb = 0; // 1: pixels in sRGB with the sRGB profile, for the web
    // How a picture meets a width and height in pixels: 0 it takes that
    // size; 1 fill: scaled to cover it and cropped, keeping the "anchor"
    // part; 2 pad: scaled to fit inside and laid on a canvas of that size.
    uint32_t fit = 0;
    uint32_t anchor = 0; // 0 centre, 1 the most interesting part, 2 top or left, 3 bottom or right
    QString padcolour = QStringLiteral("FFFFFF"); // RGB hex; empty: transparent where it can be
    uint32_t side = 0; // 0 width and height, 1 the longer side takes width, 2 the shorter
    // 1: a JPEG only turned, flipped, set upright or given a DPI keeps its own
    // compressed data, turned, rather than being decoded and encoded again.
    uint32_t lossless = 1;
};

namespace Fit {
constexpr uint32_t Stretch = 0;
constexpr uint32_t Fill = 1;
constexpr uint32_t Pad = 2;
} // namespace Fit

namespace Anchor {
constexpr uint32_t Centre = 0;
constexpr uint32_t Attention = 1;
constexpr uint32_t Start = 2; // top or left
constexpr uint32_t End = 3;   // bottom or right
} // namespace Anchor

namespace SideRule {
constexpr uint32_t Both = 0;
constexpr uint32_t Longer = 1;
constexpr uint32_t Shorter = 2;
} // namespace SideRule

// What a result whose name exists gets.
namespace OnExists {
constexpr uint32_t Ask = 0;
constexpr uint32_t KeepBoth = 1;
constexpr uint32_t Skip = 2;
constexpr uint32_t Replace = 3;
} // namespace OnExists

// The stored values of ResizeSettings in their storage order. A field is a
// 32-bit number with a range (a size in percent goes up to kMostPercent
// only), or a text (number null) that fits a buffer of textBytes.
struct ResizeSettingsField {
    QString name;
    uint32_t ResizeSettings::*number;
    uint32_t lowest = 0;
    uint32_t highest = 0;
    QString ResizeSettings::*text = nullptr;
    int textBytes = 0;
};
const std::array<ResizeSettingsField, 32>& ResizeSettingsFields();
const ResizeSettingsField* FindResizeSettingsField(const QString& name);

// Sets the field called name from its text: a number must be a 32-bit
// unsigned decimal, or one of the field's value names (fit=pad). False,
// with the reason in error, for an unknown name, a number that is none or
// a word that names no value (saying which do); ranges are checked by
// FirstOutOfRange.
bool SetResizeSetting(ResizeSettings& settings, const QString& name, const QString& value,
                      QString& error);

// The words that name the values of the number option called option, in
// value order (fit: stretch, fill, pad); empty when its values have none.
QStringList ResizeSettingValueNames(const QString& option);

// One further output: the options it changes, in order.
using OptionChanges = std::vector<std::pair<QString, QString>>;
// "NAME=VALUE,NAME=VALUE"; a backslash keeps the next character as it is,
// so a value may hold "," or ";". False, with error, for a part without "=".
bool ParseOptionChanges(const QString& text, OptionChanges& changes, QString& error);
QString FormatOptionChanges(const OptionChanges& changes);
// The stored "also": the further outputs' changes separated by ";".
QStringList SplitFurtherOutputs(const QString& also);
QString JoinFurtherOutputs(const QStringList& outputs);

constexpr uint32_t kMostPercent = 10000;
constexpr uint32_t kMostPixels = 65535;
constexpr uint32_t kMostDpi = 65535;
// The largest value field may take in settings (which decide a size's unit).
uint32_t HighestValue(const ResizeSettingsField& field, const ResizeSettings& settings);
// The first number of settings outside its range; null when none is.
const ResizeSettingsField* FirstOutOfRange(const ResizeSettings& settings);
// "NAME: VALUE is not from LOWEST to HIGHEST" for the first number of
// settings outside its range; empty when none is.
QString OutOfRangeText(const ResizeSettings& settings);
// Puts every number outside its range back to its default, as a value that
// cannot be meant (a damaged or foreign settings file) should read.
void DefaultOutOfRange(ResizeSettings& settings);
