// SPDX-License-Identifier: MIT
#pragma once

#include "menus/ContextMenuItems.h"

#include <QByteArray>
#include <QString>

// How a menu item runs tessary-menu, in the quoting each file manager
// reads. Every command first looks whether the program is still there:
// after Tessary has been removed, an item that a file manager still shows
// tells the user what to do (in a window, with whatever dialog program
// the desktop has) instead of failing without a word.
class MenuCommand {
public:
    explicit MenuCommand(QString program);

    // For Thunar and Nemo, which split a command as a shell does: the
    // files follow it.
    QString Shell(const ContextMenuItem& item) const;
    // A desktop entry's Exec value for Dolphin, ending in %F.
    QString Desktop(const ContextMenuItem& item) const;
    // A Nautilus script, which takes the files from Nautilus's own list.
    QByteArray NautilusScript(const ContextMenuItem& item) const;

private:
    QString program_;
};
