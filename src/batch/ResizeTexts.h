// SPDX-License-Identifier: MIT
#pragma once

#include "platform/UiText.h"

#include <QString>

// Texts of the resize job and its questions, shown as they stand.
namespace ResizeText {
inline constexpr UiText ResizingStatus = TrText("Resize", "Resizing : ");
inline constexpr UiText ReadingStatus = TrText("Resize", "Reading : ");
inline const QString Ellipsis = QStringLiteral("...");
inline constexpr UiText OverwriteQuestion = TrText("Resize", "Do you want to overwrite this file?");
inline constexpr UiText GifQuestion =
    TrText("Resize", "Transfer to GIF from 24 bit to 8 bit colors will lose some colors and take "
                     "some time, would you keep on?");
inline constexpr UiText NoFileName = TrText("Resize", "no file name was given");
inline constexpr UiText NoMailFolder =
    TrText("Resize", "no private folder for the mail copies could be made in %1");
inline const QString DefaultFolderName = QStringLiteral("resize");
} // namespace ResizeText

// Messages a batch worker sends to its progress dialog.
constexpr int WM_USER = 0x0400;
constexpr int WM_PROGRESS_STEP = WM_USER + 101;
constexpr int WM_PROGRESS_DONE = WM_USER + 102;
