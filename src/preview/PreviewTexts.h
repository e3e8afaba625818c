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
} // namespace PreviewText
