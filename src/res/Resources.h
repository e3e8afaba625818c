// SPDX-License-Identifier: MIT
#pragma once

// Registers the pictures and texts compiled into the program (":/tessary/"),
// which a static library cannot do by itself. Safe to call more than once.
void InitTessaryResources();
