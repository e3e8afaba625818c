// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The process-wide small icons by the namespace's icon index: theme icons
// by MIME type where the desktop has a theme, else the style's own. Each
// icon is made once. User-interface thread.
QIcon SystemIcon(int index);
