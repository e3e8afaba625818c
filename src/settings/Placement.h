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

// Where to put the window: the stored rectangle, moved onto the first of
// `screens` when too little of its top edge would show on any of them (a
// screen was removed, or the numbers were edited), and then no larger than
// that screen.
// Nothing when the rectangle is empty.
std::optional<QRect> PlacementGeometry(const WindowPlacement& placement,
                                       const QList<QRect>& screens);
