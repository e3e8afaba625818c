// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DesktopMetrics.h"
#include "settings/ResizeSettings.h"

#include <cstdint>

// The size a picture of pictureWidth x pictureHeight is resampled to.
// With "desktop" the picture is fitted inside the desktop, proportions kept,
// enlarged or reduced; otherwise each side is its pixel value or its percent
// of the picture's side; with "side" the longer or shorter side is the
// width's value and the other follows in proportion. Integer arithmetic, truncating toward zero
// (150 % of 333 is 499). A zero picture side, a zero desktop side or an unknown unit gives 0.
// Computed in 64 bits: a huge percent gives a huge number that the caller refuses, never a wrapped
// one.
int64_t TargetWidth(const ResizeSettings& settings, int32_t pictureWidth, int32_t pictureHeight,
                    DesktopSize desktop);
int64_t TargetHeight(const ResizeSettings& settings, int32_t pictureWidth, int32_t pictureHeight,
                     DesktopSize desktop);
