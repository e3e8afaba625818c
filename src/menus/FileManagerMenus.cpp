// SPDX-License-Identifier: MIT
#include "menus/FileManagerMenus.h"

#include "codec/PictureTypeTable.h"
#include "menus/MenuCommand.h"
#include "menus/MenuRecord.h"
#include "menus/ThunarActions.h"
#include "platform/FileName.h"
#include "platform/Registry.h"
#include "platform/UiText.h"
#include "settings/AppIdentity.h"
#include "settings/PresetStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include <optional>

namespace {

const QString kFolderMimeType = QStringLiteral("inode/directory");
const QFileDevice::Permissions kExecutable =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

QString DataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString ConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The uca.xml that Thunar shows when the user has none of their own.
QString SystemThunarFile() {
    const QStringList folders =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (qsizetype i = 1; i < folders.size(); ++i) {
        const QString path = folders[i] + QStringLiteral("/Thunar/uca.xml");
        if (QFile::exists(path))
            return path;
    }
    return {};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Anything at all in path's place, a link to nowhere too.
bool Taken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool WriteWhole(const QString& path, const QByteArray& bytes, bool executable,
                QStringList& errors) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        (executable && !file.setPermissions(kExecutable)) || !file.commit()) {
        errors << TrText("Menus", "cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// The folders from the first missing one down to folder.
QStringList MissingFolders(const QString& folder) {
    QStringList missing;
    for (QString path = QDir::cleanPath(folder); !path.isEmpty() && !Taken(path);
         path = QFileInfo(path).path()) {
        missing.prepend(path);
        if (path == QFileInfo(path).path())
            break;
    }
    return missing;
}

// Adds what is not there yet; sorted, a folder stands before those in it.
void Remember(QStringList& list, const QStringList& more) {
    for (const QString& entry : more)
        if (!list.contains(entry))
            list << entry;
    list.sort();
}

// A text of a desktop entry or Nemo action, whose reader takes a backslash
// as the start of an escape.
QString KeyFileText(const QString& text) {
    return QString(text).replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

// What Nemo shows, which would read a percent sign as a field code.
QString NemoText(const QString& text) {
    return KeyFileText(QString(text).replace(QLatin1Char('%'), QStringLiteral("%%")));
}

// A Nautilus script's file name is what its menu shows. Characters that a
// file name cannot hold, that Nautilus's launcher would read as a field
// code, or that would hide the script (a leading dot) are written as like
// ones that the desktop's common fonts have; spaces at the ends go.
QString NautilusName(const QString& name) {
    QString safe = name.trimmed();
    safe.replace(QLatin1Char('/'), QChar(0x2215)).replace(QLatin1Char('%'), QChar(0x066A));
    if (safe.startsWith(QLatin1Char('.')))
        safe[0] = QChar(0x2024);
    return safe;
}

QString ItemDescription(const ContextMenuItem& item) {
    return kContextMenuTitle + QStringLiteral(": ") + item.name;
}

QString RandomToken() {
    return QString::number(QRandomGenerator::system()->generate64(), 16);
}

// Takes a file we wrote away; a file changed since is the user's and stays.
bool RemoveOurs(const MenuRecord::File& file, QStringList& errors) {
    if (!Taken(file.path))
        return true;
    if (!MenuRecord::Unchanged(file)) {
        errors << TrText("Menus", "%1 was changed since Tessary wrote it; it was left as it is")
                      .arg(file.path);
        return true;
    }
    if (!QFile::remove(file.path)) {
        errors << TrText("Menus", "cannot remove %1").arg(file.path);
        return false;
    }
    return true;
}

} // namespace

FileManagerMenus::FileManagerMenus(QString menuProgram)
    : program_(std::move(menuProgram)) {}

QString FileManagerMenus::DolphinFile() {
    return DataFolder() + QStringLiteral("/kio/servicemenus/tessary-menu.desktop");
}

QString FileManagerMenus::NautilusFolder() {
    return DataFolder() + QStringLiteral("/nautilus/scripts/") + kContextMenuTitle;
}

QString FileManagerMenus::NautilusFile(const QList<ContextMenuItem>& items, qsizetype index) {
    // Presets in a submenu of their own; two names that end up alike are
    // told apart by a number.
    const ContextMenuItem& item = items[index];
    const QString folder = item.preset.isEmpty()
                               ? NautilusFolder()
                               : NautilusFolder() + QLatin1Char('/') + kPresetMenuTitle;
    const QString name = NautilusName(item.preset.isEmpty() ? item.name : item.preset);
    int same = 1;
    for (qsizetype i = 0; i < index; ++i)
        if (items[i].preset.isEmpty() == item.preset.isEmpty() &&
            NautilusName(items[i].preset.isEmpty() ? items[i].name : items[i].preset) == name)
            ++same;
    return folder + QLatin1Char('/') + name +
           (same > 1 ? QStringLiteral(" (%1)").arg(same) : QString());
}

QString FileManagerMenus::NemoFile(const ContextMenuItem& item) {
    return DataFolder() + QStringLiteral("/nemo/actions/tessary-%1.nemo_action").arg(item.id);
}

QString FileManagerMenus::ThunarFile() {
    return ConfigFolder() + QStringLiteral("/Thunar/uca.xml");
}

QStringList FileManagerMenus::Extensions() {
    return PictureTypeTable::PictureExtensions();
}

QStringList FileManagerMenus::MimeTypes() {
    const QMimeDatabase database;
    QStringList types;
    for (const QString& extension : Extensions()) {
        const QMimeType type = database.mimeTypeForFile(QStringLiteral("x.") + extension,
                                                        QMimeDatabase::MatchExtension);
        // An extension the database does not know is matched by content.
        if (type.isDefault())
            continue;
        types << type.name();
        // Some file managers match a picture by an alias such as image/heic, not by its type.
        const QString named = QStringLiteral("image/") + extension;
        if (type.aliases().contains(named))
            types << named;
    }
    types.removeDuplicates();
    return types;
}

QByteArray FileManagerMenus::DolphinServiceMenu(const QList<ContextMenuItem>& items) const {
    const MenuCommand command(program_);
    QStringList ids;
    for (const ContextMenuItem& item : items)
        ids << item.id;
    // Dolphin reads only the actions, sorted by their ids; the entry's own
    // Exec (the first item) is there so that the file is a valid desktop entry.
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=%1\n"
                                  "Icon=%2\n"
                                  "NoDisplay=true\n"
                                  "Exec=%3\n"
                                  "MimeType=%4;\n"
                                  "Actions=%5;\n"
                                  "X-KDE-Submenu=%1\n")
                       .arg(kContextMenuTitle, AppId::IconName, command.Desktop(items.first()),
                            (MimeTypes() << kFolderMimeType).join(QLatin1Char(';')),
                            ids.join(QLatin1Char(';')));
    for (const ContextMenuItem& item : items)
        text += QStringLiteral("\n[Desktop Action %1]\nName=%2\nIcon=%3\nExec=%4\n")
                    .arg(item.id, KeyFileText(item.name), AppId::IconName, command.Desktop(item));
    return text.toUtf8();
}

QByteArray FileManagerMenus::NemoAction(const ContextMenuItem& item) const {
    // Nemo 5 has no submenus and orders actions by their file names: each
    // name says whose it is.
    const QString name = kContextMenuTitle + QStringLiteral(" \u25b8 ") + item.name;
    return QStringLiteral("[Nemo Action]\n"
                          "Name=%1\n"
                          "Comment=%2\n"
                          "Icon-Name=%3\n"
                          "Exec=%4 %F\n"
                          "Selection=notnone\n"
                          "Extensions=%5;\n"
                          "Dependencies=%6;\n")
        .arg(NemoText(name), NemoText(ItemDescription(item)), AppId::IconName,
             NemoText(MenuCommand(program_).Shell(item)),
             (Extensions() << QStringLiteral("dir")).join(QLatin1Char(';')),
             KeyFileText(program_).replace(QLatin1Char(';'), QStringLiteral("\\;")))
        .toUtf8();
}

QList<FileManagerMenus::WholeFile>
FileManagerMenus::WholeFiles(const QList<ContextMenuItem>& items) const {
    QList<WholeFile> files;
    if (items.isEmpty())
        return files;
    // Dolphin runs service menus from the user's folder only when executable.
    files << WholeFile{DolphinFile(), DolphinServiceMenu(items), true};
    // Nautilus offers scripts for any file; tessary-menu keeps the pictures.
    for (qsizetype i = 0; i < items.size(); ++i)
        files << WholeFile{NautilusFile(items, i), MenuCommand(program_).NautilusScript(items[i]),
                           true};
    for (const ContextMenuItem& item : items)
        files << WholeFile{NemoFile(item), NemoAction(item), false};
    return files;
}

FileManagerMenus::ThunarPlan FileManagerMenus::PlanThunar(const QList<ThunarAction>& actions,
                                                          const MenuRecord::Thunar& recorded,
                                                          QStringList& errors) {
    ThunarPlan plan;
    const QString path = FileManagerMenus::ThunarFile();
    const bool exists = Taken(path);
    if (!exists && actions.isEmpty()) {
        plan.touch = true; // nothing of ours can be in a file that is not there
        return plan;
    }
    // Without a file of the user's own, Thunar shows the system's actions;
    // start from those so that adding ours does not hide them.
    const QString system = SystemThunarFile();
    MenuRecord::Thunar previous = recorded;
    QByteArray base =
        QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n</actions>\n");
    const QString source = exists ? path : system;
    if (!source.isEmpty()) {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            errors << TrText("Menus", "cannot read %1: %2").arg(source, file.errorString());
            return plan;
        }
        base = file.readAll();
    }
    // Thunar reads only UTF-8: in a file of other bytes it shows no action
    // at all, so items of ours there would never be seen.
    // Decoded, not compared after a round trip, which drops a byte order mark.
    QStringDecoder utf8(QStringConverter::Utf8);
    [[maybe_unused]] const QString decoded = utf8.decode(base);
    if (!actions.isEmpty() && utf8.hasError()) {
        errors << QStringLiteral("%1 was left as it is: Thunar cannot read it, as it is not "
                                 "UTF-8, and shows none of its actions")
                      .arg(source);
        return plan;
    }
    if (!exists)
        previous = {true, {}, {}, {}};
    else if (recorded.ids.isEmpty())
        previous.created = false;
    QString why;
    const std::optional<ThunarRewrite> rewrite = RewriteThunarActions(base, previous, actions, why);
    if (!rewrite) {
        errors << TrText("Menus", "%1 was left as it is: %2").arg(source, why);
        return plan;
    }
    plan.touch = true;
    if (!actions.isEmpty())
        plan.ours = rewrite->ours;
    // A list made for ours alone, with nothing else in it now or just the
    // system's actions: without it Thunar shows the system's again.
    if (actions.isEmpty() && previous.created &&
        (rewrite->others == 0 ||
         (!system.isEmpty() && SameThunarActions(rewrite->bytes, ReadAll(system))))) {
        plan.remove = true;
        return plan;
    }
    plan.bytes = rewrite->bytes;
    plan.write = !exists || plan.bytes != base;
    return plan;
}

bool FileManagerMenus::Install(const QList<ContextMenuItem>& items, QStringList& errors,
                               const QStringList& settingsBefore) const {
    for (const QChar c : program_)
        if (c.category() == QChar::Other_Control) {
            errors << TrText("Menus", "the program's path cannot stand in a menu entry: %1")
                          .arg(program_);
            return false;
        }
    return Write(items, false, settingsBefore, errors);
}

bool FileManagerMenus::Uninstall(QStringList& errors) const {
    return Write({}, true, {}, errors);
}

QList<ThunarAction> FileManagerMenus::ThunarActionsFor(const QList<ContextMenuItem>& items,
                                                       const QString& token) const {
    QStringList patterns;
    for (const QString& extension : Extensions())
        patterns << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
    // Any folder's name; the action's types keep other files out.
    patterns << QStringLiteral("*");
    QList<ThunarAction> actions;
    for (const ContextMenuItem& item : items)
        actions << ThunarAction{
            QStringLiteral("tessary-%1-%2").arg(token, item.id),
            item.name,
            kContextMenuTitle,
            MenuCommand(program_).Shell(item).replace(QLatin1Char('%'), QStringLiteral("%%")) +
                QStringLiteral(" %F"),
            ItemDescription(item),
            AppId::IconName,
            patterns.join(QLatin1Char(';'))};
    return actions;
}

bool FileManagerMenus::Write(const QList<ContextMenuItem>& items, bool uninstall,
                             const QStringList& settingsBefore, QStringList& errors) const {
    const MenuRecord record = [] {
        MenuRecord loaded = MenuRecord::Load();
        if (loaded.token.isEmpty())
            loaded.token = RandomToken();
        return loaded;
    }();
    const QList<WholeFile> wanted = WholeFiles(items);
    const ThunarPlan thunar =
        PlanThunar(ThunarActionsFor(items, record.token), record.thunar, errors);
    // Before anything is written, the record names everything that may be
    // ours afterwards: an interrupted run leaves nothing it cannot find.
    MenuRecord after = Planned(record, wanted, thunar, settingsBefore);
    QString error;
    if (!after.Empty())
        QDir().mkpath(QFileInfo(MenuRecord::FilePath()).path());
    if (!after.Save(error)) {
        errors << error + TrText("Menus", "; no menu was changed");
        return false;
    }
    bool done = PutWholeFiles(record, wanted, after, errors);
    done = PutThunar(thunar, after, errors) && done;
    if (uninstall) {
        for (const MenuRecord::File& file : record.settings)
            if (Taken(file.path) && MenuRecord::Unchanged(file))
                QFile::remove(file.path);
        after.settings.clear();
    }
    // The folders we made that hold nothing now go, each before the one
    // above it; once nothing of ours is left, so does the record, and the
    // folders it alone kept.
    QStringList deepestFirst = after.folders;
    deepestFirst.sort();
    std::reverse(deepestFirst.begin(), deepestFirst.end());
    if (!after.Empty())
        for (const QString& folder : deepestFirst)
            if (QDir().rmdir(folder))
                after.folders.removeAll(folder);
    if (!after.Save(error)) {
        errors << error;
        return false;
    }
    if (after.Empty())
        for (const QString& folder : deepestFirst)
            QDir().rmdir(folder);
    return done;
}

MenuRecord FileManagerMenus::Planned(const MenuRecord& record, const QList<WholeFile>& wanted,
                                     const ThunarPlan& thunar, const QStringList& settingsBefore) {
    MenuRecord planned = record;
    QStringList folders{QFileInfo(MenuRecord::FilePath()).path()};
    for (const WholeFile& file : wanted) {
        const QByteArray hash = MenuRecord::Hash(file.bytes);
        if (MenuRecord::File* known = planned.Find(file.path))
            known->hashes << hash;
        else if (!Taken(file.path))
            planned.items << MenuRecord::File{file.path, {hash}};
        folders << QFileInfo(file.path).path();
    }
    if (thunar.write)
        folders << QFileInfo(ThunarFile()).path();
    for (const QString& folder : folders)
        Remember(planned.folders, MissingFolders(folder));
    for (const QString& path : settingsBefore) {
        if (QFileInfo(path).isDir())
            Remember(planned.folders, {path});
        else if (Taken(path))
            planned.settings << MenuRecord::File{path, {MenuRecord::Hash(ReadAll(path))}};
    }
    if (thunar.touch) {
        planned.thunar.created = thunar.ours.created || planned.thunar.created;
        Remember(planned.thunar.ids, thunar.ours.ids);
        planned.thunar.inserted = thunar.ours.inserted;
        planned.thunar.replaced = thunar.ours.replaced;
    }
    return planned;
}

bool FileManagerMenus::PutWholeFiles(const MenuRecord& record, const QList<WholeFile>& wanted,
                                     MenuRecord& after, QStringList& errors) {
    const auto forget = [&after](const QString& path) {
        after.items.removeIf([&path](const MenuRecord::File& f) { return f.path == path; });
    };
    bool done = true;
    for (const MenuRecord::File& old : record.items) {
        if (std::any_of(wanted.begin(), wanted.end(),
                        [&old](const WholeFile& file) { return file.path == old.path; }))
            continue;
        forget(old.path);
        if (!RemoveOurs(old, errors)) {
            after.items << old;
            done = false;
        }
    }
    for (const WholeFile& file : wanted) {
        const MenuRecord::File* known = record.Find(file.path);
        if (Taken(file.path) && (!known || !MenuRecord::Unchanged(*known))) {
            errors << (known ? TrText("Menus", "%1 was changed since Tessary wrote it; it was "
                                               "left as it is")
                             : TrText("Menus", "%1 is not Tessary's; it was left as it is"))
                          .arg(file.path);
            forget(file.path);
            done = false;
            continue;
        }
        QDir().mkpath(QFileInfo(file.path).path());
        const bool same = ReadAll(file.path) == file.bytes &&
                          (!file.executable || QFileInfo(file.path).isExecutable());
        if (!same && !WriteWhole(file.path, file.bytes, file.executable, errors))
            done = false;
        else if (MenuRecord::File* entry = after.Find(file.path))
            entry->hashes = {MenuRecord::Hash(file.bytes)};
    }
    return done;
}

bool FileManagerMenus::PutThunar(const ThunarPlan& thunar, MenuRecord& after, QStringList& errors) {
    if (!thunar.touch)
        return false; // told already
    const QString path = ThunarFile();
    if (thunar.remove && !QFile::remove(path)) {
        errors << TrText("Menus", "cannot remove %1").arg(path);
        return false;
    }
    if (thunar.write) {
        QDir().mkpath(QFileInfo(path).path());
        if (!WriteWhole(path, thunar.bytes, false, errors))
            return false;
    }
    after.thunar = thunar.ours;
    return true;
}

QString FileManagerMenus::MenuProgram() {
    const QString beside = QFileInfo(RunningProgram()).path() + QStringLiteral("/tessary-menu");
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStandardPaths::findExecutable(QStringLiteral("tessary-menu"));
}

bool FileManagerMenus::Installed() {
    const MenuRecord record = MenuRecord::Load();
    return !record.items.isEmpty() || !record.thunar.ids.isEmpty();
}

QStringList FileManagerMenus::Refresh(const QList<ContextMenuItem>& items) {
    QStringList errors;
    const QString program = MenuProgram();
    if (Installed() && !program.isEmpty())
        FileManagerMenus(program).Install(items, errors);
    return errors;
}

QStringList FileManagerMenus::MissingSettings() {
    QStringList missing = MissingFolders(RegistryKey::ConfigFolder());
    for (const QString& file : {RegistryKey::FilePath(), PresetStore::FilePath()})
        if (!Taken(file))
            missing << file;
    return missing;
}
