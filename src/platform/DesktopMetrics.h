// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

struct DesktopSize {
    int32_t width = 0;
    int32_t height = 0;
};

// The primary screen's size in device pixels, or nothing when there is no
// screen. Needs a QGuiApplication.
std::optional<DesktopSize> PrimaryDesktopSize();
