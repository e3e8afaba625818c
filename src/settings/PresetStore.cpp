// SPDX-License-Identifier: MIT
#include "settings/PresetStore.h"

#include "platform/Registry.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const QString kArray = QStringLiteral("presets");
const QString kName = QStringLiteral("name");
constexpr int kMostNameCharacters = 64;

ResizeSettings Preset(const std::function<void(ResizeSettings&)>& change) {
    ResizeSettings s;
    s.dest.clear();
    s.imagetype = 1; // JPEG, what the web and mail take
    s.wpercent = s.hpercent = 0;
    s.noenlarge = 1;
    s.metadata = 1;
    change(s);
    return s;
}

} // namespace

std::vector<std::pair<QString, ResizeSettings>> PresetStore::BuiltIn() {
    return {
        {QStringLiteral("Web 1600"), Preset([](ResizeSettings& s) {
             s.side = SideRule::Longer;
             s.width = s.height = 1600;
             s.qualilty = 82;
             s.srgb = 1;
         })},
        {QStringLiteral("Mail small"), Preset([](ResizeSettings& s) {
             s.side = SideRule::Longer;
             s.width = s.height = 1024;
             s.qualilty = 75;
             s.mailmaxkb = 5000;
         })},
        {QStringLiteral("Square 1080 for social media"), Preset([](ResizeSettings& s) {
             s.fit = Fit::Fill;
             s.anchor = Anchor::Attention;
             s.width = s.height = 1080;
             s.noenlarge = 0;
             s.qualilty = 85;
             s.srgb = 1;
         })},
        {QStringLiteral("Thumbnail 320"), Preset([](ResizeSettings& s) {
             s.side = SideRule::Longer;
             s.width = s.height = 320;
             s.nametemplate = QStringLiteral("{name}-thumb");
         })},
    };
}

QString PresetStore::FilePath() {
    return RegistryKey::ConfigFolder() + QStringLiteral("/tsy-presets.conf");
}

PresetStore::PresetStore() {
    if (!MissingOrRegularFile(FilePath())) {
        usable_ = false;
        return;
    }
    if (!QFile::exists(FilePath())) {
        presets_ = BuiltIn();
        Write();
        return;
    }
    QSettings file(FilePath(), QSettings::IniFormat);
    const int count = file.beginReadArray(kArray);
    for (int i = 0; i < count; ++i) {
        file.setArrayIndex(i);
        // Names stored before the rules for new ones grew are kept.
        const QString name = file.value(kName).toString();
        if (!StoredNameError(name).isEmpty())
            continue;
        ResizeSettings settings;
        for (const ResizeSettingsField& field : ResizeSettingsFields()) {
            const QVariant value = file.value(field.name);
            if (!value.isValid())
                continue;
            if (field.text)
                settings.*field.text = value.toString();
            else if (bool ok = false; value.toString().toUInt(&ok), ok)
                settings.*field.number = value.toString().toUInt();
        }
        DefaultOutOfRange(settings);
        presets_.emplace_back(name, settings);
    }
    file.endArray();
}

QStringList PresetStore::Names() const {
    QStringList names;
    for (const auto& [name, settings] : presets_)
        names << name;
    return names;
}

bool PresetStore::Load(const QString& name, ResizeSettings& settings) const {
    for (const auto& [stored, options] : presets_) {
        if (stored == name) {
            settings = options;
            return true;
        }
    }
    return false;
}

bool PresetStore::Save(const QString& name, const ResizeSettings& settings, QString& error) {
    error = NameError(name);
    if (!error.isEmpty())
        return false;
    const auto found = std::find_if(presets_.begin(), presets_.end(),
                                    [&name](const auto& preset) { return preset.first == name; });
    if (found != presets_.end())
        found->second = settings;
    else
        presets_.emplace_back(name, settings);
    if (Write())
        return true;
    error = QStringLiteral("The presets cannot be written to %1.").arg(FilePath());
    return false;
}

bool PresetStore::Remove(const QString& name) {
    const auto removed =
        std::erase_if(presets_, [&name](const auto& preset) { return preset.first == name; });
    return removed > 0 && Write();
}

QString PresetStore::StoredNameError(const QString& name) {
    if (name.trimmed().isEmpty())
        return QStringLiteral("A preset needs a name.");
    if (name.size() > kMostNameCharacters)
        return QStringLiteral("A preset's name can have at most %1 characters.")
            .arg(kMostNameCharacters);
    if (std::any_of(name.begin(), name.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        return QStringLiteral("A preset's name cannot hold control characters.");
    return {};
}

QString PresetStore::NameError(const QString& name) {
    if (const QString error = StoredNameError(name); !error.isEmpty())
        return error;
    // A name is also a file name in the file managers' menus, where a
    // leading dot hides it and a space at an end makes a second "Web 1600".
    if (name.startsWith(QLatin1Char('.')))
        return QStringLiteral("A preset's name cannot begin with a dot.");
    if (name != name.trimmed())
        return QStringLiteral("A preset's name cannot begin or end with a space.");
    return {};
}

// The whole file, in one step: a crash never leaves half of it.
bool PresetStore::Write() {
    if (!usable_)
        return false;
    QDir().mkpath(RegistryKey::ConfigFolder());
    const QString temporary = FilePath() + QStringLiteral(".new");
    QFile::remove(temporary);
    {
        QSettings file(temporary, QSettings::IniFormat);
        file.beginWriteArray(kArray, int(presets_.size()));
        for (int i = 0; i < int(presets_.size()); ++i) {
            file.setArrayIndex(i);
            file.setValue(kName, presets_[size_t(i)].first);
            const ResizeSettings& settings = presets_[size_t(i)].second;
            for (const ResizeSettingsField& field : ResizeSettingsFields()) {
                if (field.text)
                    file.setValue(field.name, settings.*field.text);
                else
                    file.setValue(field.name, QString::number(settings.*field.number));
            }
        }
        file.endArray();
        file.sync();
        if (file.status() != QSettings::NoError)
            return false;
    }
    return std::rename(QFile::encodeName(temporary).constData(),
                       QFile::encodeName(FilePath()).constData()) == 0;
}
