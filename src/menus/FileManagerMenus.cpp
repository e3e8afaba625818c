// SPDX-License-Identifier: MIT
#include "menus/FileManagerMenus.h"

#include "codec/PictureTypeTable.h"
#include "menus/ThunarActions.h"
#include "settings/AppIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Every file we write carries this, so that removing never takes a file
// of the user's own that happens to have the same name.
const QByteArray kMarker = QByteArrayLiteral("tessary-menu --install");
const QString kOurPrefix = QStringLiteral("tessary-");
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

QString ItemDescription(const ContextMenuItem& item) {
    return kContextMenuTitle + QStringLiteral(": ") + item.name;
}

bool WriteWhole(const QString& path, const QByteArray& bytes, bool executable,
                QStringList& errors) {
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        (executable && !file.setPermissions(kExecutable)) || !file.commit()) {
        errors << QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool RemoveOurs(const QString& path, QStringList& errors) {
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly) || !file.read(64 * 1024).contains(kMarker))
        return true; // not ours: leave it
    file.close();
    if (!file.remove()) {
        errors << QStringLiteral("cannot remove %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// Takes away the folders that held only our items, from `folder` up to but
// not including `base`; a folder with anything else in it stays.
void RemoveEmptyFolders(const QString& folder, const QString& base) {
    QDir dir;
    QString path = QDir::cleanPath(folder);
    while (path.startsWith(base + QLatin1Char('/')) && dir.rmdir(path))
        path = QFileInfo(path).path();
}

// POSIX shell quoting, which Thunar and Nemo also parse (with %% for %).
QString ShellQuote(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// A quoted argument of a desktop entry's Exec key, already escaped as a
// string value of the file.
QString DesktopQuote(const QString& text) {
    QString quoted;
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// text for a shell as printf's output, its percent signs and backslashes
// written as octal escapes, so that the text itself holds no percent sign.
QString PrintfQuote(const QString& text) {
    QString format;
    for (const QChar c : text) {
        if (c == QLatin1Char('%'))
            format += QStringLiteral("\\045");
        else if (c == QLatin1Char('\\'))
            format += QStringLiteral("\\134");
        else
            format += c;
    }
    return QStringLiteral("\"$(printf %1)\"").arg(ShellQuote(format));
}

// The item's arguments, a preset's name quoted by quote.
QString CommandArguments(const ContextMenuItem& item, QString (*quote)(const QString&)) {
    const QString preset =
        item.preset.isEmpty() ? QString() : QStringLiteral(" --preset ") + quote(item.preset);
    return QStringLiteral(" --command %1%2 --pictures-only --").arg(item.command).arg(preset);
}

// Where Nautilus shows an item: a preset's in a submenu of its own, with
// the one character a file name cannot hold written as a like one.
QString NautilusName(const ContextMenuItem& item) {
    if (item.preset.isEmpty())
        return item.name;
    QString name = item.preset;
    name.replace(QLatin1Char('/'), QChar(0x2215));
    return kPresetMenuTitle + QLatin1Char('/') + name;
}

// Our files in folder whose names match filter.
QStringList OursIn(const QString& folder, const QString& filter) {
    QStringList ours;
    QDir dir(folder);
    for (const QString& name : dir.entryList({filter}, QDir::Files | QDir::Hidden))
        if (ReadAll(dir.filePath(name)).contains(kMarker))
            ours << dir.filePath(name);
    return ours;
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

QString FileManagerMenus::NemoFile(const ContextMenuItem& item) {
    return DataFolder() + QStringLiteral("/nemo/actions/tessary-%1.nemo_action").arg(item.id);
}

QString FileManagerMenus::ThunarFile() {
    return ConfigFolder() + QStringLiteral("/Thunar/uca.xml");
}

QStringList FileManagerMenus::Extensions() {
    QStringList extensions;
    for (const PictureType& row : PictureTypeTable::Rows())
        extensions << QString::fromLatin1(row.extension);
    extensions.removeDuplicates();
    return extensions;
}

QStringList FileManagerMenus::MimeTypes() {
    const QMimeDatabase database;
    QStringList types;
    for (const QString& extension : Extensions()) {
        const QMimeType type = database.mimeTypeForFile(QStringLiteral("x.") + extension,
                                                        QMimeDatabase::MatchExtension);
        types << type.name();
        // Some file managers match a picture by an alias such as image/heic, not by its type.
        const QString named = QStringLiteral("image/") + extension;
        if (type.aliases().contains(named))
            types << named;
    }
    types.removeDuplicates();
    return types;
}

QString FileManagerMenus::DesktopExec(const ContextMenuItem& item) const {
    if (!program_.contains(QLatin1Char('%')) && !item.preset.contains(QLatin1Char('%')))
        return DesktopQuote(program_) + CommandArguments(item, DesktopQuote) +
               QStringLiteral(" %F");
    // Dolphin does not undo %% inside a quoted argument, so a text with a
    // percent sign reaches the shell with no percent sign in it at all.
    const QString script = QStringLiteral("exec %1%2 \"$@\"")
                               .arg(PrintfQuote(program_), CommandArguments(item, PrintfQuote));
    return QStringLiteral("sh -c ") + DesktopQuote(script) + QStringLiteral(" tessary-menu %F");
}

QString FileManagerMenus::ShellCommand(const ContextMenuItem& item) const {
    return ShellQuote(program_) + CommandArguments(item, ShellQuote);
}

bool FileManagerMenus::Install(const QList<ContextMenuItem>& items, QStringList& errors) const {
    for (const QChar c : program_)
        if (c.category() == QChar::Other_Control) {
            errors << QStringLiteral("the program's path cannot stand in a menu entry: %1")
                          .arg(program_);
            return false;
        }
    bool done = WriteDolphin(items, errors);
    done = WriteNautilus(items, errors) && done;
    done = WriteNemo(items, errors) && done;
    done = WriteThunar(items, errors) && done;
    // The folders that held only items no longer chosen go with them.
    RemoveEmptyFolders(QFileInfo(DolphinFile()).path(), DataFolder());
    RemoveEmptyFolders(NautilusFolder() + QLatin1Char('/') + kPresetMenuTitle, DataFolder());
    RemoveEmptyFolders(NautilusFolder(), DataFolder());
    RemoveEmptyFolders(QFileInfo(NemoFile(AllContextMenuItems().first())).path(), DataFolder());
    RemoveEmptyFolders(QFileInfo(ThunarFile()).path(), ConfigFolder());
    return done;
}

bool FileManagerMenus::Uninstall(QStringList& errors) const {
    return Install({}, errors);
}

QString FileManagerMenus::MenuProgram() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/tessary-menu");
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStandardPaths::findExecutable(QStringLiteral("tessary-menu"));
}

bool FileManagerMenus::Installed() {
    return ReadAll(DolphinFile()).contains(kMarker) ||
           !OursIn(QFileInfo(NemoFile({})).path(), QStringLiteral("tessary-*.nemo_action"))
                .isEmpty() ||
           !OursIn(NautilusFolder(), QStringLiteral("*")).isEmpty() ||
           ReadAll(ThunarFile()).contains((kOurPrefix).toUtf8());
}

QStringList FileManagerMenus::Refresh(const QList<ContextMenuItem>& items) {
    QStringList errors;
    const QString program = MenuProgram();
    if (Installed() && !program.isEmpty())
        FileManagerMenus(program).Install(items, errors);
    return errors;
}

bool FileManagerMenus::WriteDolphin(const QList<ContextMenuItem>& items,
                                    QStringList& errors) const {
    if (items.isEmpty())
        return RemoveOurs(DolphinFile(), errors);
    QStringList ids;
    for (const ContextMenuItem& item : items)
        ids << item.id;
    // Dolphin reads only the actions; the entry's own Exec (the first item)
    // is there so that the file is a valid desktop entry.
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "# Written by %1; it removes it with --uninstall.\n"
                                  "Type=Application\n"
                                  "Name=%2\n"
                                  "Icon=%3\n"
                                  "NoDisplay=true\n"
                                  "Exec=%4\n"
                                  "MimeType=%5;\n"
                                  "Actions=%6;\n"
                                  "X-KDE-Submenu=%2\n")
                       .arg(QString::fromLatin1(kMarker), kContextMenuTitle, AppId::IconName,
                            DesktopExec(items.first()),
                            (MimeTypes() << kFolderMimeType).join(QLatin1Char(';')),
                            ids.join(QLatin1Char(';')));
    for (const ContextMenuItem& item : items)
        text += QStringLiteral("\n[Desktop Action %1]\nName=%2\nIcon=%3\nExec=%4\n")
                    .arg(item.id, item.name, AppId::IconName, DesktopExec(item));
    // Dolphin runs service menus from the user's folder only when executable.
    return WriteWhole(DolphinFile(), text.toUtf8(), true, errors);
}

bool FileManagerMenus::WriteNautilus(const QList<ContextMenuItem>& items,
                                     QStringList& errors) const {
    bool done = true;
    for (const QString& folder :
         {NautilusFolder(), NautilusFolder() + QLatin1Char('/') + kPresetMenuTitle})
        for (const QString& path : OursIn(folder, QStringLiteral("*")))
            done = RemoveOurs(path, errors) && done;
    // Nautilus offers scripts for any file; tessary-menu keeps the pictures.
    for (const ContextMenuItem& item : items) {
        const QString script = QStringLiteral("#!/bin/sh\n# Written by %1; it removes it with "
                                              "--uninstall.\nexec %2 \"$@\"\n")
                                   .arg(QString::fromLatin1(kMarker), ShellCommand(item));
        done = WriteWhole(NautilusFolder() + QLatin1Char('/') + NautilusName(item), script.toUtf8(),
                          true, errors) &&
               done;
    }
    return done;
}

bool FileManagerMenus::WriteNemo(const QList<ContextMenuItem>& items, QStringList& errors) const {
    bool done = true;
    for (const QString& path :
         OursIn(QFileInfo(NemoFile({})).path(), QStringLiteral("tessary-*.nemo_action")))
        done = RemoveOurs(path, errors) && done;
    for (const ContextMenuItem& item : items) {
        QString command = ShellCommand(item);
        command.replace(QLatin1Char('%'), QStringLiteral("%%"));
        const QString text =
            QStringLiteral("[Nemo Action]\n"
                           "# Written by %1; it removes it with --uninstall.\n"
                           "Name=%2\n"
                           "Comment=%3\n"
                           "Icon-Name=%4\n"
                           "Exec=%5 %F\n"
                           "Selection=notnone\n"
                           "Extensions=%6;\n")
                .arg(QString::fromLatin1(kMarker), item.name, ItemDescription(item),
                     AppId::IconName, command,
                     (Extensions() << QStringLiteral("dir")).join(QLatin1Char(';')));
        done = WriteWhole(NemoFile(item), text.toUtf8(), false, errors) && done;
    }
    return done;
}

bool FileManagerMenus::WriteThunar(const QList<ContextMenuItem>& items, QStringList& errors) const {
    const QString path = ThunarFile();
    // Without a file of the user's own, Thunar shows the system's actions;
    // start from those so that adding ours does not hide them.
    const QString system = SystemThunarFile();
    const QString source = QFile::exists(path) ? path : system;
    if (!QFile::exists(path) && items.isEmpty())
        return true;
    QByteArray xml =
        QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n</actions>\n");
    if (!source.isEmpty()) {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            errors << QStringLiteral("cannot read %1: %2").arg(source, file.errorString());
            return false;
        }
        xml = file.readAll();
    }
    QStringList patterns;
    for (const QString& extension : Extensions())
        patterns << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
    // Any folder's name; the action's types keep other files out.
    patterns << QStringLiteral("*");
    QList<ThunarAction> actions;
    for (const ContextMenuItem& item : items) {
        QString command = ShellCommand(item);
        command.replace(QLatin1Char('%'), QStringLiteral("%%"));
        actions << ThunarAction{kOurPrefix + item.id,
                                item.name,
                                kContextMenuTitle,
                                command + QStringLiteral(" %F"),
                                ItemDescription(item),
                                AppId::IconName,
                                patterns.join(QLatin1Char(';'))};
    }
    int remaining = 0;
    const std::optional<QByteArray> rewritten =
        RewriteThunarActions(xml, kOurPrefix, actions, remaining);
    if (!rewritten) {
        errors << QStringLiteral("%1 is not a list of Thunar actions; it was left as it is")
                      .arg(source);
        return false;
    }
    // A list with nothing left, or with just the system's actions, was made
    // for ours alone: without it Thunar shows the system's actions again.
    if (remaining == 0 || (actions.isEmpty() && !system.isEmpty() &&
                           SameThunarActions(*rewritten, ReadAll(system), kOurPrefix))) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            errors << QStringLiteral("cannot remove %1").arg(path);
            return false;
        }
        return true;
    }
    return WriteWhole(path, *rewritten, false, errors);
}
