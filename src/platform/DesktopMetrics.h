// SPDX-License-Identifier: MIT
#pragma once

#include "resize/TargetSize.h"

#include <optional>

// The primary screen's size in device pixels, or nothing when there is no
// screen. Needs a QGuiApplication.
std::optional<DesktopSize> PrimaryDesktopSize();
