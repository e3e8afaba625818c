// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>

// The pictures beside the rotate choices (bitmaps 131 to 133): a small
// landscape photo and an arrow showing the turn or the flip. Drawn in code,
// so they are sharp at any scale.
QPixmap RotatePicture(int bitmapId, qreal devicePixelRatio = 1.0);
