// SPDX-License-Identifier: MIT
#include "settings/Placement.h"

#include <algorithm>

namespace {
constexpr int32_t kRecordLength = 44; // bytes of the Windows record
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
    if (screens.isEmpty())
        return geometry;
    const auto covered = [&geometry](const QRect& screen) {
        const QRect shared = geometry.intersected(screen);
        return int64_t(shared.width()) * shared.height();
    };
    const QRect screen = *std::max_element(
        screens.begin(), screens.end(),
        [&covered](const QRect& a, const QRect& b) { return covered(a) < covered(b); });
    geometry.setSize(geometry.size().boundedTo(screen.size()));
    geometry.moveLeft(
        std::clamp(geometry.left(), screen.left(), screen.right() + 1 - geometry.width()));
    geometry.moveTop(
        std::clamp(geometry.top(), screen.top(), screen.bottom() + 1 - geometry.height()));
    return geometry;
}
