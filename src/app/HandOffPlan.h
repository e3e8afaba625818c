// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ResizeSettings.h"

#include <QString>
#include <QStringList>

// What the file-manager menu is about to hand off, and whether the user is
// asked first: a folder stands for every picture under it, and one
// misclick on a folder's background would resize them all, so a folder, or
// a choice without any picture, is shown to the user before anything is
// written.
struct HandOffPlan {
    enum class Ask { Nothing, Confirm, NoPicture };
    QStringList paths; // absolute, in the order given, folders expanded
    Ask ask = Ask::Nothing;
    QString question; // the window's text when the user is asked
};

namespace HandOffText {
inline const QString Caption = QStringLiteral("Resize with Tessary");
inline const QString ResizeButton = QStringLiteral("&Resize");
inline const QString ConfirmOne =
    QStringLiteral("Tessary found %1 in %2 and the folders under it.\n\nResize them?");
inline const QString ConfirmMany =
    QStringLiteral("Tessary found %1 in %2 folders and the folders under them.\n\n"
                   "Resize them?");
// Folders given together with files: what was found where.
inline const QString ConfirmChosenAndOne =
    QStringLiteral("Tessary found %1: %2 you chose, and %3 in %4 and the folders under it.\n\n"
                   "Resize them?");
inline const QString ConfirmChosenAndMany =
    QStringLiteral("Tessary found %1: %2 you chose, and %3 in %4 folders and the folders under "
                   "them.\n\nResize them?");
inline const QString OnePicture = QStringLiteral("1 picture");
inline const QString Pictures = QStringLiteral("%1 pictures");
inline const QString NoPictureFound = QStringLiteral("no picture");
inline const QString NoPictureIn = QStringLiteral("There is no picture in %1.");
inline const QString NoPicture = QStringLiteral("None of the chosen files is a picture.");
} // namespace HandOffText

// files: what the menu item was given; picturesOnly: pass on only files
// with a picture extension (the menu items' way); settings decide which
// folders of a tree are results, not sources.
HandOffPlan PlanHandOff(const QStringList& files, bool picturesOnly,
                        const ResizeSettings& settings);
