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

// The choices among the options, each stored as its number.
enum class Turn : uint32_t { Left, Flip, Right };
// How a picture meets a width and height in pixels: it takes that size;
// fill: scaled to cover it and cropped, keeping the anchor part; pad:
// scaled to fit inside and laid on a canvas of that size.
enum class Fit : uint32_t { Stretch, Fill, Pad };
// What fill keeps.
enum class Anchor : uint32_t { Centre, Attention, Start /* top or left */, End };
// Which side of a picture the width is for; the other follows.
enum class SideRule : uint32_t { Both, Longer, Shorter };
// What a result whose name exists gets.
enum class OnExists : uint32_t { Ask, KeepBoth, Skip, Replace };
// What a result keeps of its photo's metadata: everything; none that
// locates or names anyone; only the colour profile and the resolution.
enum class MetadataKept : uint32_t { All, Private, Profile };

// The options of a resize batch, as the user last set them. Field names are
// the names of their stored values; "qualilty" is spelt as it has always
// been stored, so existing settings keep working.
struct ResizeSettings {
    bool override = false;                      // write over the source pictures
    QString dest = QStringLiteral("./resize/"); // replaced by the stored value on load
    uint32_t imagetype = 0;                     // PictureTypeTable code; 0 = same as the source
    uint32_t qualilty = 80;                     // quality of the lossy types 0..100
    bool image_to_resize = true;
    bool image_to_rotate = false;
    bool image_set_dpi = false;
    bool constraint = true; // keep width and height in proportion (dialog only)
    bool desktop = false;   // fit into the desktop size
    uint32_t height = 100;
    uint32_t width = 100;
    bool hpercent = true; // the height is in percent, else in pixels
    bool wpercent = true; // the width the same
    Turn rotate = Turn::Left;
    uint32_t xdpi = 72;
    uint32_t ydpi = 72;
    // Added beside the original values; their defaults keep the old
    // behaviour except where they only add safety.
    bool noenlarge = false; // a picture smaller than its target keeps its size
    bool keepdates = true;  // a result gets its source's modification time
    bool trash = true;      // a file the batch replaces goes to the Trash first
    uint32_t maxkb = 0;     // most KiB of each lossy result; 0: no limit
    uint32_t mailmaxkb = 0; // most KiB of one mail's copies together; 0: no limit
    // The result's name without its extension, with {tokens} and "/".
    QString nametemplate = QStringLiteral("{name}");
    OnExists onexists = OnExists::Ask;
    // Further outputs from the same decode: each the changes it makes to
    // these options, "NAME=VALUE,NAME=VALUE", separated by ";".
    QString also;
    // For results, and for mail copies.
    MetadataKept metadata = MetadataKept::All;
    MetadataKept mailmetadata = MetadataKept::Private;
    bool srgb = false; // pixels in sRGB with the sRGB profile, for the web
    Fit fit = Fit::Stretch;
    Anchor anchor = Anchor::Centre;
    QString padcolour = QStringLiteral("FFFFFF"); // RGB hex; empty: transparent where it can be
    SideRule side = SideRule::Both;
    // A JPEG only turned, flipped, set upright or given a DPI keeps its own
    // compressed data, turned, rather than being decoded and encoded again.
    bool lossless = true;
};

// The stored values of ResizeSettings in their storage order. A field is a
// 32-bit number with a range (a size in percent goes up to kMostPercent
// only), read and written through get and set whatever its type in the
// struct, or a text (get null) that fits a buffer of textBytes.
struct ResizeSettingsField {
    QString name;
    uint32_t (*get)(const ResizeSettings&) = nullptr;
    // A switch given a number other than 0 or 1 keeps its default.
    void (*set)(ResizeSettings&, uint32_t) = nullptr;
    uint32_t lowest = 0;
    uint32_t highest = 0;
    QString ResizeSettings::*text = nullptr;
    int textBytes = 0;
    // The words a choice's values may be given by, in value order.
    QStringList names;
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
