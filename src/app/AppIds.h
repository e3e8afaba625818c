// SPDX-License-Identifier: MIT
#pragma once

// The About dialog's template and controls, by the numbers its resources had.

namespace AppResourceId {
constexpr int AboutTemplate = 100;
} // namespace AppResourceId

namespace AboutId {
constexpr int ProductName = 1026;
constexpr int Version = 1061;
constexpr int Ok = 1;
} // namespace AboutId
