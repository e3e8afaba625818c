// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Texts of the resize job and its questions, shown as they stand.
namespace ResizeText {
inline const QString ResizingStatus = QStringLiteral("Resizing : ");
inline const QString ReadingStatus = QStringLiteral("Reading : ");
inline const QString Ellipsis = QStringLiteral("...");
inline const QString OverwriteQuestion = QStringLiteral("Do you want to overwrite this file?");
inline const QString GifQuestion =
    QStringLiteral("Transfer to GIF from 24 bit to 8 bit colors will lose some colors and take "
                   "some time, would you keep on?");
inline const QString NoFileName = QStringLiteral("no file name was given");
inline const QString NoMailFolder =
    QStringLiteral("no private folder for the mail copies could be made in %1");
inline const QString DefaultFolderName = QStringLiteral("resize");
} // namespace ResizeText

// Messages a batch worker sends to its progress dialog.
constexpr int WM_USER = 0x0400;
constexpr int WM_PROGRESS_STEP = WM_USER + 101;
constexpr int WM_PROGRESS_DONE = WM_USER + 102;
