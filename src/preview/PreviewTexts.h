// SPDX-License-Identifier: MIT
#pragma once

#include "platform/UiText.h"

#include <QString>

namespace PreviewText {
inline constexpr UiText PanelTitle = TrText("Preview", "Picture Properties");
inline constexpr UiText ImageWidth = TrText("Preview", "Image Width");
inline constexpr UiText ImageHeight = TrText("Preview", "Image Height");
// The panel's fonts are Verdana where it is installed; Qt picks the
// nearest family where it is not.
inline const QString PanelFontFamily = QStringLiteral("Verdana");
// In the status bar, when a picture cannot be shown.
inline constexpr UiText CannotShow = TrText("Preview", "Cannot show %1: %2");
inline const QString FullScreenTitle = QStringLiteral("Tessary");
// A damaged picture of which only part decodes.
inline constexpr UiText ShownInPart = TrText("Preview", "Only part of %1 can be shown: %2");
} // namespace PreviewText
