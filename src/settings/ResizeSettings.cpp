// SPDX-License-Identifier: MIT
#include "settings/ResizeSettings.h"

#include "platform/UiText.h"
#include "settings/SettingsNames.h"

#include <QRegularExpression>

namespace {
constexpr uint32_t kFlag = 1;
constexpr uint32_t kMostType = 11;
constexpr uint32_t kMostQuality = 100;
constexpr uint32_t kMostRotate = 2;
constexpr uint32_t kMostKb = 2 * 1024 * 1024; // 2 GiB: beyond any mail or picture
constexpr uint32_t kMostOnExists = 3;
constexpr uint32_t kMostMetadata = 2;
constexpr uint32_t kMostFit = 2;
constexpr uint32_t kMostAnchor = 3;
constexpr uint32_t kMostSide = 2;
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
struct ValueNames {
    QString option;
    QStringList names;
};
const std::array<ValueNames, 10>& AllValueNames() {
    namespace N = SettingsName;
    static const std::array<ValueNames, 10> all{{
        {N::ImageType,
         {"same", "jpg", "bmp", "gif", "ico", "png", "tiff", "pcx", "webp", "avif", "heic", "jxl"}},
        {N::HPercent, {"pixels", "percent"}},
        {N::WPercent, {"pixels", "percent"}},
        {N::Rotate, {"left", "flip", "right"}},
        {N::OnExists, {"ask", "keep-both", "skip", "replace"}},
        {N::Metadata, {"all", "private", "profile"}},
        {N::MailMetadata, {"all", "private", "profile"}},
        {N::Fit, {"stretch", "fill", "pad"}},
        {N::Anchor, {"centre", "attention", "start", "end"}},
        {N::Side, {"both", "longer", "shorter"}},
    }};
    return all;
}
const std::pair<QLatin1String, QLatin1String> kOtherSpellings[] = {
    {QLatin1String("jpeg"), QLatin1String("jpg")},
    {QLatin1String("tif"), QLatin1String("tiff")},
    {QLatin1String("heif"), QLatin1String("heic")},
    {QLatin1String("jpeg-xl"), QLatin1String("jxl")},
    {QLatin1String("center"), QLatin1String("centre")},
};

} // namespace

QStringList ResizeSettingValueNames(const QString& option) {
    for (const ValueNames& values : AllValueNames())
        if (values.option == option)
            return values.names;
    return {};
}

const std::array<ResizeSettingsField, 32>& ResizeSettingsFields() {
    using S = ResizeSettings;
    namespace N = SettingsName;
    static const std::array<ResizeSettingsField, 32> fields{{
        {N::Override, &S::override, 0, kFlag},
        {N::Dest, nullptr, 0, 0, &S::dest, kPathTextBytes},
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
        {N::NameTemplate, nullptr, 0, 0, &S::nametemplate, kPathTextBytes},
        {N::OnExists, &S::onexists, 0, kMostOnExists},
        {N::Also, nullptr, 0, 0, &S::also, kAlsoTextBytes},
        {N::Metadata, &S::metadata, 0, kMostMetadata},
        {N::MailMetadata, &S::mailmetadata, 0, kMostMetadata},
        {N::Srgb, &S::srgb, 0, kFlag},
        {N::Fit, &S::fit, 0, kMostFit},
        {N::Anchor, &S::anchor, 0, kMostAnchor},
        {N::PadColour, nullptr, 0, 0, &S::padcolour, kColourTextBytes},
        {N::Side, &S::side, 0, kMostSide},
        {N::Lossless, &S::lossless, 0, kFlag},
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
    const QStringList names = ResizeSettingValueNames(name);
    if (!names.isEmpty() && !digits.match(value).hasMatch()) {
        QString word = value.toLower();
        for (const auto& [other, usual] : kOtherSpellings)
            if (word == other)
                word = usual;
        if (const qsizetype index = names.indexOf(word); index >= 0) {
            settings.*field->number = uint32_t(index);
            return true;
        }
        error = QStringLiteral("%1: '%2' is none of %3, nor their numbers 0 to %4")
                    .arg(name, value, names.join(QStringLiteral(", ")))
                    .arg(names.size() - 1);
        return false;
    }
    const qulonglong number = value.toULongLong();
    if (!digits.match(value).hasMatch() || number > UINT32_MAX) {
        error = TrText("Options", "%1: '%2' is not a number from 0 to 4294967295").arg(name, value);
        return false;
    }
    settings.*field->number = uint32_t(number);
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

QString OutOfRangeText(const ResizeSettings& settings) {
    const ResizeSettingsField* field = FirstOutOfRange(settings);
    if (!field)
        return {};
    return TrText("Options", "%1: %2 is not from %3 to %4")
        .arg(field->name)
        .arg(settings.*field->number)
        .arg(field->lowest)
        .arg(HighestValue(*field, settings));
}

void DefaultOutOfRange(ResizeSettings& settings) {
    const ResizeSettings defaults;
    while (const ResizeSettingsField* field = FirstOutOfRange(settings))
        settings.*field->number = defaults.*field->number;
}
