// SPDX-License-Identifier: MIT
#pragma once

#include "codec/Image.h"

#include <QBrush>
#include <QImage>

// What the pane and the full-screen view both draw a decoded picture with.

// The pixels as an image of their own.
QImage ToImage(const DecodedPixels& pixels);
// Whether any pixel is less than opaque.
bool HasTransparency(const DecodedPixels& pixels);
// The light checkerboard that shows through a picture's transparent parts,
// as image programs show them.
const QBrush& Checkerboard();
