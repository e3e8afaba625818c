// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ResizeSettings.h"

#include "platform/UiText.h"

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
inline constexpr UiText Caption = TrText("HandOff", "Resize with Tessary");
inline constexpr UiText ResizeButton = TrText("HandOff", "&Resize");
inline constexpr UiText ConfirmOne =
    TrText("HandOff", "Tessary found %1 in %2 and the folders under it.\n\nResize them?");
inline constexpr UiText ConfirmMany =
    TrText("HandOff", "Tessary found %1 in %2 folders and the folders under them.\n\n"
                      "Resize them?");
// Folders given together with files: what was found where.
inline constexpr UiText ConfirmChosenAndOne =
    TrText("HandOff", "Tessary found %1: %2 you chose, and %3 in %4 and the folders under it.\n\n"
                      "Resize them?");
inline constexpr UiText ConfirmChosenAndMany =
    TrText("HandOff", "Tessary found %1: %2 you chose, and %3 in %4 folders and the folders under "
                      "them.\n\nResize them?");
inline constexpr UiText OnePicture = TrText("HandOff", "1 picture");
inline constexpr UiText Pictures = TrText("HandOff", "%1 pictures");
inline constexpr UiText NoPictureFound = TrText("HandOff", "no picture");
inline constexpr UiText NoPictureIn = TrText("HandOff", "There is no picture in %1.");
inline constexpr UiText NoPicture = TrText("HandOff", "None of the chosen files is a picture.");
} // namespace HandOffText

// files: what the menu item was given; picturesOnly: pass on only files
// with a picture extension (the menu items' way); settings decide which
// folders of a tree are results, not sources.
HandOffPlan PlanHandOff(const QStringList& files, bool picturesOnly,
                        const ResizeSettings& settings);
