// SPDX-License-Identifier: MIT
#pragma once

#include "menus/ContextMenuItems.h"
#include "menus/MenuRecord.h"
#include "menus/ThunarActions.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Puts Tessary's items into the context menus of the file managers that
// Debian desktops use, for pictures and folders, and takes them out again:
// a Dolphin service menu, Nautilus scripts, Nemo actions and Thunar custom
// actions, all under the user's XDG folders. Each item runs tessary-menu by
// its full path with the item's hand-off command.
// What is ours is known from the MenuRecord alone: a file of the user's
// own in a place we would write is left alone and reported, Thunar's
// uca.xml keeps every byte that is not ours, and a file that is not in a
// shape we can read is left as it is and reported.
class FileManagerMenus {
public:
    explicit FileManagerMenus(QString menuProgram);

    // Replaces all of our items with `items` (none removes them all).
    // settingsBefore: what MissingSettings said before the settings were
    // read for this install; those made since are recorded, and go with
    // Uninstall. On failure, `errors` says what could not be done; the
    // rest is done.
    bool Install(const QList<ContextMenuItem>& items, QStringList& errors,
                 const QStringList& settingsBefore = {}) const;
    // Takes out every item, and the settings files and folders that
    // installing made, when nothing else has come into them.
    bool Uninstall(QStringList& errors) const;

    // The tessary-menu that items run: the one beside the running program
    // (a QCoreApplication or not), else the one on PATH; empty when there
    // is none.
    static QString MenuProgram();
    // Whether items of ours are in the file managers' menus, by our record.
    static bool Installed();
    // Writes the items again where they are installed, for a changed list
    // of presets; nothing where none are. The errors, when some could not be.
    static QStringList Refresh(const QList<ContextMenuItem>& items);
    // The settings files, and the folders above them, that are missing now.
    static QStringList MissingSettings();

    static QString DolphinFile();
    static QString NautilusFolder();
    static QString NautilusFile(const QList<ContextMenuItem>& items, qsizetype index);
    static QString NemoFile(const ContextMenuItem& item);
    static QString ThunarFile();

    // The picture extensions and MIME types the items are offered for.
    static QStringList Extensions();
    static QStringList MimeTypes();

private:
    struct WholeFile {
        QString path;
        QByteArray bytes;
        bool executable = false;
    };
    // What Thunar's uca.xml becomes.
    struct ThunarPlan {
        bool touch = false;  // false: left as it is, and so is its record
        bool write = false;  // bytes go into it
        bool remove = false; // it was made for ours alone and goes
        QByteArray bytes;
        MenuRecord::Thunar ours;
    };

    QList<WholeFile> WholeFiles(const QList<ContextMenuItem>& items) const;
    QByteArray DolphinServiceMenu(const QList<ContextMenuItem>& items) const;
    QByteArray NemoAction(const ContextMenuItem& item) const;
    QList<ThunarAction> ThunarActionsFor(const QList<ContextMenuItem>& items,
                                         const QString& token) const;
    bool Write(const QList<ContextMenuItem>& items, bool uninstall,
               const QStringList& settingsBefore, QStringList& errors) const;

    static ThunarPlan PlanThunar(const QList<ThunarAction>& actions,
                                 const MenuRecord::Thunar& recorded, QStringList& errors);
    // The record with all that may be ours once the files are written.
    static MenuRecord Planned(const MenuRecord& record, const QList<WholeFile>& wanted,
                              const ThunarPlan& thunar, const QStringList& settingsBefore);
    // Each does its part and records what it did in after.
    static bool PutWholeFiles(const MenuRecord& record, const QList<WholeFile>& wanted,
                              MenuRecord& after, QStringList& errors);
    static bool PutThunar(const ThunarPlan& thunar, MenuRecord& after, QStringList& errors);

    QString program_;
};
