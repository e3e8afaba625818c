// SPDX-License-Identifier: MIT
#include "batch/TargetSize.h"

#include <algorithm>

namespace {

struct Size64 {
    int64_t width;
    int64_t height;
};

Size64 FitToDesktop(int64_t w, int64_t h, DesktopSize desktop) {
    const int64_t W = desktop.width;
    const int64_t H = desktop.height;
    if (W <= 0 || H <= 0)
        return {0, 0};
    const double picture = double(w) / double(h);
    const double screen = double(W) / double(H);
    if (picture > screen)
        return {W, (h * W) / w};
    if (picture < screen)
        return {(w * H) / h, H};
    return {W, H};
}

int64_t Side(uint32_t value, bool percent, int64_t pictureSide) {
    return percent ? (int64_t(value) * pictureSide) / 100 : value;
}

// Both sides at once: the desktop rule needs both, and so callers of either
// side get the same answer.
Size64 TargetSize(const ResizeSettings& s, int32_t w, int32_t h, DesktopSize desktop) {
    if (w <= 0 || h <= 0)
        return {0, 0};
    if (s.desktop)
        return FitToDesktop(w, h, desktop);
    if (s.side != SideRule::Both) {
        // One side takes "width", the other follows in proportion.
        const int64_t measured = s.side == SideRule::Longer ? std::max(w, h) : std::min(w, h);
        const int64_t wanted = Side(s.width, s.wpercent, measured);
        return {(int64_t(w) * wanted) / measured, (int64_t(h) * wanted) / measured};
    }
    return {Side(s.width, s.wpercent, w), Side(s.height, s.hpercent, h)};
}

} // namespace

int64_t TargetWidth(const ResizeSettings& s, int32_t w, int32_t h, DesktopSize desktop) {
    return TargetSize(s, w, h, desktop).width;
}

int64_t TargetHeight(const ResizeSettings& s, int32_t w, int32_t h, DesktopSize desktop) {
    return TargetSize(s, w, h, desktop).height;
}
