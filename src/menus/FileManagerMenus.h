// SPDX-License-Identifier: MIT
#pragma once

#include "menus/ContextMenuItems.h"

#include <QList>
#include <QString>
#include <QStringList>

// Puts Tessary's items into the context menus of the file managers that
// Debian desktops use, for picture files only, and takes them out again:
// a Dolphin service menu, Nautilus scripts, Nemo actions and Thunar custom
// actions, all under the user's XDG folders. Each item runs tessary-menu by
// its full path with the item's hand-off command.
// Only what is ours is touched: Thunar's uca.xml keeps every action of the
// user's own and is replaced in one step, and a file that is not in a shape
// we can read is left alone and reported.
class FileManagerMenus {
public:
    explicit FileManagerMenus(QString menuProgram);

    // Replaces all of our items with `items` (none removes them all).
    // On failure, `errors` says what could not be written; the rest is done.
    bool Install(const QList<ContextMenuItem>& items, QStringList& errors) const;
    bool Uninstall(QStringList& errors) const;

    // The tessary-menu that items run: the one beside this program, else
    // the one on PATH; empty when there is none.
    static QString MenuProgram();
    // Whether any item of ours is in a file manager's menu now.
    static bool Installed();
    // Writes the items again where they are installed, for a changed list
    // of presets; nothing where none are. The errors, when some could not be.
    static QStringList Refresh(const QList<ContextMenuItem>& items);

    static QString DolphinFile();
    static QString NautilusFolder();
    static QString NemoFile(const ContextMenuItem& item);
    static QString ThunarFile();

    // The picture extensions and MIME types the items are offered for.
    static QStringList Extensions();
    static QStringList MimeTypes();

    // The item's command line in the quoting each file manager reads.
    QString DesktopExec(const ContextMenuItem& item) const;
    QString ShellCommand(const ContextMenuItem& item) const;

private:
    bool WriteDolphin(const QList<ContextMenuItem>& items, QStringList& errors) const;
    bool WriteNautilus(const QList<ContextMenuItem>& items, QStringList& errors) const;
    bool WriteNemo(const QList<ContextMenuItem>& items, QStringList& errors) const;
    bool WriteThunar(const QList<ContextMenuItem>& items, QStringList& errors) const;

    QString program_;
};
