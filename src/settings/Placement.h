// SPDX-License-Identifier: MIT
#pragma once

#include "settings/AppSettings.h"

#include <QList>
#include <QRect>

#include <optional>

// The stored placement of the main window, in the numbers the settings keep
// (a Windows placement record): the restored rectangle and how it was shown.
namespace ShowCommand {
constexpr int32_t Normal = 1;
constexpr int32_t Maximized = 3;
} // namespace ShowCommand

// The placement record of a window with this restored geometry.
WindowPlacement MakePlacement(const QRect& normalGeometry, bool maximized);

// Where to put the window: the stored rectangle on the screen it opens on
// (of `screens`, their available areas: the one it covers most, else the
// first), no larger than that screen and moved inside it, so its title bar
// and its status bar both show.
// Nothing when the rectangle is empty.
std::optional<QRect> PlacementGeometry(const WindowPlacement& placement,
                                       const QList<QRect>& screens);
