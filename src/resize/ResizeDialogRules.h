// SPDX-License-Identifier: MIT
#pragma once

#include "batch/ScanJob.h"
#include "batch/TargetSize.h"

#include <QString>

#include <cstdint>

// The resize dialog's rules that need no window, so the dialog and the
// tests compute them the same way. Units: 0 pixel, 1 percent.

struct CheckText {
    QString text;
    bool warning = false; // shown in red
};

struct SizeCheckInput {
    bool desktop = false;   // "Resize as your desktop size" chosen
    bool constrain = false; // "Constrain Proportion" ticked
    uint32_t width = 0;     // the edits' values
    uint32_t height = 0;
    uint32_t widthUnit = 0;
    uint32_t heightUnit = 0;
    Fit fit = Fit::Stretch; // how a size in pixels is met
    SideRule side = SideRule::Both;
};

// The text under the size options: whether the selection fits the size,
// or what the box of fill and pad, or the side, makes of it.
CheckText SizeCheckText(const SizeCheckInput& input, const SelectionSummary& summary,
                        DesktopSize desktop);
// Whether the size options give a size a picture can take: the desktop's,
// or a width and a height each in the range of its unit.
bool SizeGiven(const SizeCheckInput& input);
// Whether a DPI value can be written.
bool DpiGiven(uint32_t dpi);

// The text under the DPI options: the resolution the pictures share.
CheckText DpiCheckText(const SelectionSummary& summary);

// The other side's value when one side changes with "Constrain Proportion"
// on: from `value` on the changed side (in `unit`) to the other side (in
// `otherUnit`). common is the selection's size on the changed side,
// otherCommon on the other. Unsigned 32-bit arithmetic, product first,
// truncated. A division by a common size of 0 leaves otherValue as it is.
uint32_t ProportionalValue(uint32_t value, uint32_t unit, uint32_t otherUnit, uint32_t common,
                           uint32_t otherCommon, uint32_t otherValue);

// A side's value when its unit changes: to pixels it is common x value /
// 100, to percent value x 100 / common. The same unit, or a common size
// of 0, leaves the value as it is.
uint32_t ConvertUnit(uint32_t value, uint32_t fromUnit, uint32_t toUnit, uint32_t common);
