// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace PreviewText {
inline const QString PanelTitle = QStringLiteral("Picture Properties");
inline const QString ImageWidth = QStringLiteral("Image Width");
inline const QString ImageHeight = QStringLiteral("Image Height");
// The panel's fonts are Verdana where it is installed; Qt picks the
// nearest family where it is not.
inline const QString PanelFontFamily = QStringLiteral("Verdana");
// In the status bar, when a picture cannot be shown.
inline const QString CannotShow = QStringLiteral("Cannot show %1: %2");
inline const QString FullScreenTitle = QStringLiteral("Tessary");
// A damaged picture of which only part decodes.
inline const QString ShownInPart = QStringLiteral("Only part of %1 can be shown: %2");
} // namespace PreviewText
