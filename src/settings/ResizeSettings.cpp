// SPDX-License-Identifier: MIT
#include "settings/ResizeSettings.h"

#include "platform/UiText.h"
#include "settings/SettingsNames.h"

#include <QRegularExpression>

#include <type_traits>
#include <utility>

namespace {
constexpr uint32_t kFlag = 1;
constexpr uint32_t kMostQuality = 100;
constexpr uint32_t kMostKb = 2 * 1024 * 1024; // 2 GiB: beyond any mail or picture
constexpr int kColourTextBytes = 8;
constexpr QChar kEscape = u'\\';
constexpr QChar kChangeSeparator = u',';
constexpr QChar kOutputSeparator = u';';

// text cut at each separator that no backslash keeps; the backslashes stay.
QStringList SplitUnescaped(const QString& text, QChar separator) {
    QStringList parts{QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == kEscape && i + 1 < text.size()) {
            parts.last() += text[i];
            parts.last() += text[++i];
        } else if (text[i] == separator) {
            parts << QString();
        } else {
            parts.last() += text[i];
        }
    }
    return parts;
}

QString Unescape(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i)
        plain += text[i] == kEscape && i + 1 < text.size() ? text[++i] : text[i];
    return plain;
}

QString Escape(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (c == kEscape || c == kChangeSeparator || c == kOutputSeparator)
            escaped += kEscape;
        escaped += c;
    }
    return escaped;
}

// The words a number option may be given by, each standing for its
// position; a few other spellings users reach for first.
const std::pair<QLatin1String, QLatin1String> kOtherSpellings[] = {
    {QLatin1String("jpeg"), QLatin1String("jpg")},
    {QLatin1String("tif"), QLatin1String("tiff")},
    {QLatin1String("heif"), QLatin1String("heic")},
    {QLatin1String("jpeg-xl"), QLatin1String("jxl")},
    {QLatin1String("center"), QLatin1String("centre")},
};

} // namespace

QStringList ResizeSettingValueNames(const QString& option) {
    const ResizeSettingsField* field = FindResizeSettingsField(option);
    return field ? field->names : QStringList();
}

namespace {

// The field of a number, a switch or a choice stored as a number.
template <auto Member>
ResizeSettingsField Number(const QString& name, uint32_t lowest, uint32_t highest) {
    using Type = std::remove_cvref_t<decltype(std::declval<ResizeSettings>().*Member)>;
    ResizeSettingsField field;
    field.name = name;
    field.get = [](const ResizeSettings& s) {
        return uint32_t(s.*Member);
    };
    field.set = [](ResizeSettings& s, uint32_t value) {
        if constexpr (std::is_same_v<Type, bool>)
            s.*Member = value <= 1 ? value == 1 : ResizeSettings().*Member;
        else
            s.*Member = Type(value);
    };
    field.lowest = lowest;
    field.highest = highest;
    return field;
}

template <auto Member> ResizeSettingsField Switch(const QString& name) {
    return Number<Member>(name, 0, kFlag);
}

// A choice among named values, numbered in the order of their names.
template <auto Member> ResizeSettingsField Choice(const QString& name, const QStringList& names) {
    ResizeSettingsField field = Number<Member>(name, 0, uint32_t(names.size() - 1));
    field.names = names;
    return field;
}

ResizeSettingsField Text(const QString& name, QString ResizeSettings::*text, int bytes) {
    ResizeSettingsField field;
    field.name = name;
    field.text = text;
    field.textBytes = bytes;
    return field;
}

} // namespace

const std::array<ResizeSettingsField, 32>& ResizeSettingsFields() {
    using S = ResizeSettings;
    namespace N = SettingsName;
    const QStringList kUnits{"pixels", "percent"};
    const QStringList kKept{"all", "private", "profile"};
    static const std::array<ResizeSettingsField, 32> fields{{
        Switch<&S::override>(N::Override),
        Text(N::Dest, &S::dest, kPathTextBytes),
        Choice<&S::imagetype>(N::ImageType, {"same", "jpg", "bmp", "gif", "ico", "png", "tiff",
                                             "pcx", "webp", "avif", "heic", "jxl"}),
        Number<&S::qualilty>(N::Quality, 0, kMostQuality),
        Switch<&S::image_to_resize>(N::ImageToResize),
        Switch<&S::image_to_rotate>(N::ImageToRotate),
        Switch<&S::image_set_dpi>(N::ImageSetDpi),
        Switch<&S::constraint>(N::Constraint),
        Switch<&S::desktop>(N::Desktop),
        Number<&S::height>(N::Height, 1, kMostPixels),
        Number<&S::width>(N::Width, 1, kMostPixels),
        Choice<&S::hpercent>(N::HPercent, kUnits),
        Choice<&S::wpercent>(N::WPercent, kUnits),
        Choice<&S::rotate>(N::Rotate, {"left", "flip", "right"}),
        Number<&S::xdpi>(N::XDpi, 1, kMostDpi),
        Number<&S::ydpi>(N::YDpi, 1, kMostDpi),
        Switch<&S::noenlarge>(N::NoEnlarge),
        Switch<&S::keepdates>(N::KeepDates),
        Switch<&S::trash>(N::Trash),
        Number<&S::maxkb>(N::MaxKb, 0, kMostKb),
        Number<&S::mailmaxkb>(N::MailMaxKb, 0, kMostKb),
        Text(N::NameTemplate, &S::nametemplate, kPathTextBytes),
        Choice<&S::onexists>(N::OnExists, {"ask", "keep-both", "skip", "replace"}),
        Text(N::Also, &S::also, kAlsoTextBytes),
        Choice<&S::metadata>(N::Metadata, kKept),
        Choice<&S::mailmetadata>(N::MailMetadata, kKept),
        Switch<&S::srgb>(N::Srgb),
        Choice<&S::fit>(N::Fit, {"stretch", "fill", "pad"}),
        Choice<&S::anchor>(N::Anchor, {"centre", "attention", "start", "end"}),
        Text(N::PadColour, &S::padcolour, kColourTextBytes),
        Choice<&S::side>(N::Side, {"both", "longer", "shorter"}),
        Switch<&S::lossless>(N::Lossless),
    }};
    return fields;
}

const ResizeSettingsField* FindResizeSettingsField(const QString& name) {
    for (const ResizeSettingsField& field : ResizeSettingsFields())
        if (field.name == name)
            return &field;
    return nullptr;
}

bool SetResizeSetting(ResizeSettings& settings, const QString& name, const QString& value,
                      QString& error) {
    const ResizeSettingsField* field = FindResizeSettingsField(name);
    if (!field) {
        error = TrText("Options", "unknown option name '%1'").arg(name);
        return false;
    }
    if (field->text) {
        settings.*field->text = value;
        return true;
    }
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
    const QStringList& names = field->names;
    if (!names.isEmpty() && !digits.match(value).hasMatch()) {
        QString word = value.toLower();
        for (const auto& [other, usual] : kOtherSpellings)
            if (word == other)
                word = usual;
        if (const qsizetype index = names.indexOf(word); index >= 0) {
            field->set(settings, uint32_t(index));
            return true;
        }
        error = TrText("Options", "%1: '%2' is none of %3, nor their numbers 0 to %4")
                    .arg(name, value, names.join(QStringLiteral(", ")))
                    .arg(names.size() - 1);
        return false;
    }
    const qulonglong number = value.toULongLong();
    if (!digits.match(value).hasMatch() || number > UINT32_MAX) {
        error = TrText("Options", "%1: '%2' is not a number from 0 to 4294967295").arg(name, value);
        return false;
    }
    // A switch cannot hold a number beyond its range to be judged later.
    if (field->highest == kFlag && number > kFlag) {
        error = TrText("Options", "%1: %2 is not from %3 to %4")
                    .arg(name)
                    .arg(number)
                    .arg(0)
                    .arg(kFlag);
        return false;
    }
    field->set(settings, uint32_t(number));
    return true;
}

bool ParseOptionChanges(const QString& text, OptionChanges& changes, QString& error) {
    changes.clear();
    if (text.trimmed().isEmpty()) {
        error = TrText("Options", "it changes no option");
        return false;
    }
    for (const QString& part : SplitUnescaped(text, kChangeSeparator)) {
        const qsizetype equals = part.indexOf(u'=');
        if (equals <= 0) {
            error = TrText("Options", "'%1' is not NAME=VALUE").arg(Unescape(part));
            return false;
        }
        changes.emplace_back(part.left(equals).trimmed(), Unescape(part.mid(equals + 1)));
    }
    return true;
}

QString FormatOptionChanges(const OptionChanges& changes) {
    QStringList parts;
    for (const auto& [name, value] : changes)
        parts << name + u'=' + Escape(value);
    return parts.join(kChangeSeparator);
}

QStringList SplitFurtherOutputs(const QString& also) {
    QStringList outputs = SplitUnescaped(also, kOutputSeparator);
    outputs.removeIf([](const QString& output) { return output.trimmed().isEmpty(); });
    return outputs;
}

QString JoinFurtherOutputs(const QStringList& outputs) {
    return outputs.join(kOutputSeparator);
}

uint32_t HighestValue(const ResizeSettingsField& field, const ResizeSettings& settings) {
    if ((field.name == SettingsName::Width && settings.wpercent) ||
        (field.name == SettingsName::Height && settings.hpercent))
        return kMostPercent;
    return field.highest;
}

const ResizeSettingsField* FirstOutOfRange(const ResizeSettings& settings) {
    for (const ResizeSettingsField& field : ResizeSettingsFields()) {
        if (!field.get)
            continue;
        const uint32_t value = field.get(settings);
        if (value < field.lowest || value > HighestValue(field, settings))
            return &field;
    }
    return nullptr;
}

QString OutOfRangeText(const ResizeSettings& settings) {
    const ResizeSettingsField* field = FirstOutOfRange(settings);
    if (!field)
        return {};
    return TrText("Options", "%1: %2 is not from %3 to %4")
        .arg(field->name)
        .arg(field->get(settings))
        .arg(field->lowest)
        .arg(HighestValue(*field, settings));
}

void DefaultOutOfRange(ResizeSettings& settings) {
    const ResizeSettings defaults;
    while (const ResizeSettingsField* field = FirstOutOfRange(settings))
        field->set(settings, field->get(defaults));
}
