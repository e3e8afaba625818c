// SPDX-License-Identifier: MIT
#include "settings/PresetStore.h"

#include "platform/FileLock.h"
#include "platform/FileName.h"
#include "platform/Registry.h"
#include "platform/RegularFile.h"
#include "platform/SafeWrite.h"
#include "platform/UiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace {

const QString kArray = QStringLiteral("presets");
const QString kName = QStringLiteral("name");
const QString kVersion = QStringLiteral("version");
const QString kRemoved = QStringLiteral("removed");
// From this version on, the program's presets the user deleted are listed.
constexpr int kVersionListingRemoved = 2;
constexpr UiText kNotAFile = TrText("Presets", "it is not a file");
constexpr int kMostNameCharacters = 64;

ResizeSettings Preset(const std::function<void(ResizeSettings&)>& change) {
    ResizeSettings s;
    s.dest.clear();
    s.imagetype = 1; // JPEG, what the web and mail take
    s.wpercent = s.hpercent = false;
    s.noenlarge = true;
    s.metadata = MetadataKept::Private;
    change(s);
    return s;
}

// The preset of that name in presets; null when there is none.
template <typename Presets> auto* Named(Presets& presets, const QString& name) {
    const auto found = std::find_if(presets.begin(), presets.end(),
                                    [&name](const auto& preset) { return preset.first == name; });
    return found == presets.end() ? nullptr : &*found;
}

} // namespace

std::vector<std::pair<QString, ResizeSettings>> PresetStore::BuiltIn() {
    return {
        {QStringLiteral("Web 1600"), Preset([](ResizeSettings& s) {
             s.side = SideRule::Longer;
             s.width = s.height = 1600;
             s.qualilty = 82;
             s.srgb = true;
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
             s.noenlarge = false;
             s.qualilty = 85;
             s.srgb = true;
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
    Read();
    if (!usable_ || QFileInfo::exists(FilePath()))
        return;
    // The first use keeps the program's presets, under the writers' lock:
    // another program may have saved one since this one looked.
    QDir().mkpath(RegistryKey::ConfigFolder());
    if (const std::unique_ptr<FileLock> lock = FileLock::TakeFolder(RegistryKey::ConfigFolder())) {
        Read();
        if (usable_ && !QFileInfo::exists(FilePath()))
            Write();
    }
}

void PresetStore::Read() {
    presets_.clear();
    removed_.clear();
    problem_.clear();
    const QString path = FilePath();
    usable_ = MissingOrRegularFile(path);
    if (!usable_) {
        presets_ = BuiltIn();
        problem_ = TrText("Presets", "%1 is not a file: the presets that come with Tessary are "
                                     "offered, and none can be saved or deleted until it is moved "
                                     "away.")
                       .arg(path);
        return;
    }
    if (!QFileInfo::exists(path)) {
        presets_ = BuiltIn();
        return;
    }
    QSettings file(path, QSettings::IniFormat);
    const int version = file.value(kVersion).toInt();
    removed_ = file.value(kRemoved).toStringList();
    // The count the file states is checked against the presets it holds,
    // never trusted: it is written last, so a file cut short lacks it.
    bool counted = false;
    const int stated = file.value(kArray + QStringLiteral("/size")).toInt(&counted);
    file.beginGroup(kArray);
    QList<int> indexes;
    for (const QString& group : file.childGroups()) {
        bool ok = false;
        if (const int index = group.toInt(&ok); ok && index > 0)
            indexes << index;
    }
    std::sort(indexes.begin(), indexes.end());
    const bool damaged =
        file.status() != QSettings::NoError || !counted || stated != int(indexes.size());
    const auto& fields = ResizeSettingsFields();
    for (const int index : indexes) {
        file.beginGroup(QString::number(index));
        // Names stored before the rules for new ones grew are kept; a
        // preset that lost some of its options with a damaged file is not.
        const QString name = file.value(kName).toString();
        if (StoredNameError(name).isEmpty() &&
            !(damaged && size_t(file.childKeys().size()) < fields.size() + 1)) {
            ResizeSettings settings;
            for (const ResizeSettingsField& field : fields) {
                const QVariant value = file.value(field.name);
                if (!value.isValid())
                    continue;
                if (field.text)
                    settings.*field.text = value.toString();
                else if (bool ok = false; value.toString().toUInt(&ok), ok)
                    field.set(settings, value.toString().toUInt());
            }
            DefaultOutOfRange(settings);
            presets_.emplace_back(name, settings);
        }
        file.endGroup();
    }
    file.endGroup();
    // Files from before deleted presets were listed said so by lacking them.
    if (damaged || version >= kVersionListingRemoved) {
        for (const auto& [name, settings] : BuiltIn()) {
            if (!removed_.contains(name) && !Named(presets_, name))
                presets_.emplace_back(name, settings);
        }
    }
    if (damaged)
        problem_ = TrText("Presets", "The presets file %1 was damaged: the presets that could be "
                                     "read are kept, and those that come with Tessary are back.")
                       .arg(path);
}

QStringList PresetStore::Names() const {
    QStringList names;
    for (const auto& [name, settings] : presets_)
        names << name;
    return names;
}

bool PresetStore::Load(const QString& name, ResizeSettings& settings) const {
    const auto* found = Named(presets_, name);
    if (found)
        settings = found->second;
    return found;
}

bool PresetStore::Save(const QString& name, const ResizeSettings& settings, QString& error) {
    error = NameError(name);
    if (!error.isEmpty())
        return false;
    error = Change([&] {
        removed_.removeAll(name);
        if (auto* found = Named(presets_, name))
            found->second = settings;
        else
            presets_.emplace_back(name, settings);
    });
    if (error.isEmpty())
        return true;
    error = TrText("Presets", "The presets cannot be written to %1: %2.").arg(FilePath(), error);
    return false;
}

bool PresetStore::Remove(const QString& name, QString& error) {
    bool found = false;
    error = Change([&] {
        found = std::erase_if(presets_, [&name](const auto& p) { return p.first == name; }) > 0;
        const auto builtIn = BuiltIn();
        if (found && !removed_.contains(name) && Named(builtIn, name))
            removed_ << name;
    });
    if (!error.isEmpty())
        error =
            TrText("Presets", "The presets cannot be written to %1: %2.").arg(FilePath(), error);
    else if (!found)
        error = TrText("Presets", "There is no preset named '%1' to delete.").arg(name);
    return error.isEmpty();
}

QString PresetStore::StoredNameError(const QString& name) {
    if (name.trimmed().isEmpty())
        return TrText("Presets", "A preset needs a name.");
    if (name.size() > kMostNameCharacters)
        return TrText("Presets", "A preset's name can have at most %1 characters.")
            .arg(kMostNameCharacters);
    if (std::any_of(name.begin(), name.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        return TrText("Presets", "A preset's name cannot hold control characters.");
    return {};
}

QString PresetStore::NameError(const QString& name) {
    if (const QString error = StoredNameError(name); !error.isEmpty())
        return error;
    // A name is also a file name in the file managers' menus, where a
    // leading dot hides it and a space at an end makes a second "Web 1600".
    if (!name.isValidUtf16() || name.contains(QChar::ReplacementCharacter))
        return TrText("Presets", "A preset's name must be text: this one holds bytes that are not "
                                 "UTF-8.");
    if (name.startsWith(QLatin1Char('.')))
        return TrText("Presets", "A preset's name cannot begin with a dot.");
    if (name != name.trimmed())
        return TrText("Presets", "A preset's name cannot begin or end with a space.");
    return {};
}

QString PresetStore::Change(const std::function<void()>& change) {
    if (!usable_)
        return kNotAFile;
    QDir().mkpath(RegistryKey::ConfigFolder());
    // The folder is the lock: a lock file would stay behind for good.
    const std::unique_ptr<FileLock> lock = FileLock::TakeFolder(RegistryKey::ConfigFolder());
    if (!lock)
        return SystemReason(errno);
    Read();
    if (!usable_)
        return kNotAFile;
    change();
    return Write();
}

// The whole file, in one step, under a name of its own: a crash never
// leaves half of it, and a link at its place is written through.
QString PresetStore::Write() {
    if (!usable_)
        return kNotAFile;
    const QString folder = RegistryKey::ConfigFolder();
    QDir().mkpath(folder);
    QByteArray temporary;
    QString why;
    const int fd = CreateTemporaryFile(folder, temporary, why);
    if (fd < 0)
        return why;
    ::close(fd);
    QFile written(DecodeFileName(temporary));
    {
        QSettings file(written.fileName(), QSettings::IniFormat);
        file.setValue(kVersion, kVersionListingRemoved);
        if (!removed_.isEmpty())
            file.setValue(kRemoved, removed_);
        file.beginWriteArray(kArray, int(presets_.size()));
        for (int i = 0; i < int(presets_.size()); ++i) {
            file.setArrayIndex(i);
            file.setValue(kName, presets_[size_t(i)].first);
            const ResizeSettings& settings = presets_[size_t(i)].second;
            for (const ResizeSettingsField& field : ResizeSettingsFields()) {
                if (field.text)
                    file.setValue(field.name, settings.*field.text);
                else
                    file.setValue(field.name, QString::number(field.get(settings)));
            }
        }
        file.endArray();
        file.sync();
        if (file.status() != QSettings::NoError)
            why = TrText("Presets", "the presets could not be put into words");
    }
    const QByteArray bytes = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    written.remove();
    if (!why.isEmpty())
        return why;
    return WriteFileSafely(FilePath(), bytes);
}
