// SPDX-License-Identifier: MIT
#include "settings/Placement.h"

namespace {
constexpr int32_t kRecordLength = 44; // bytes of the Windows record
// How much of a window's top edge (where its title bar is) must be on a
// screen for the user to reach it.
constexpr int kReachableWidth = 100;
constexpr int kReachableHeight = 40;
} // namespace

WindowPlacement MakePlacement(const QRect& normalGeometry, bool maximized) {
    WindowPlacement placement;
    placement.length = kRecordLength;
    placement.showCmd = maximized ? ShowCommand::Maximized : ShowCommand::Normal;
    placement.minX = placement.minY = placement.maxX = placement.maxY = -1;
    placement.left = normalGeometry.left();
    placement.top = normalGeometry.top();
    placement.right = normalGeometry.left() + normalGeometry.width();
    placement.bottom = normalGeometry.top() + normalGeometry.height();
    return placement;
}

std::optional<QRect> PlacementGeometry(const WindowPlacement& placement,
                                       const QList<QRect>& screens) {
    const int64_t width = int64_t(placement.right) - placement.left;
    const int64_t height = int64_t(placement.bottom) - placement.top;
    if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX)
        return std::nullopt;
    QRect geometry(placement.left, placement.top, int(width), int(height));
    for (const QRect& screen : screens) {
        const QRect shown = QRect(geometry.topLeft(), QSize(geometry.width(), kReachableHeight))
                                .intersected(screen);
        if (shown.width() >= kReachableWidth && shown.height() >= kReachableHeight)
            return geometry;
    }
    if (screens.isEmpty())
        return geometry;
    const QRect& first = screens.first();
    geometry.setSize(geometry.size().boundedTo(first.size()));
    geometry.moveTopLeft(first.topLeft());
    return geometry;
}
