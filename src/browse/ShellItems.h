// SPDX-License-Identifier: MIT
#pragma once

// The namespace's own: what the namespace and its bound folders both read
// of an item identifier list.
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

struct ShellItem {
    uint8_t kind = 0;
    QString name;
};

// The items of a well-formed prefix of the list.
QList<ShellItem> ShellItems(const QByteArray& list);
// The list's first item, without the terminator; empty when there is none.
QByteArray FirstShellItem(const QByteArray& list);
// The user's XDG desktop folder when it is a folder of its own, else "".
QString DesktopFolderPath();
// The user's pictures folder (XDG_PICTURES_DIR) when it is one of its own;
// empty when it is missing or the home folder itself.
QString PicturesFolderPath();
