// SPDX-License-Identifier: MIT
#pragma once

#include "codec/JpegSegments.h"

#include <QByteArray>
#include <QString>

// The eight ways a picture can lie, as turns and flips of its stored
// pixels.
enum class JpegTurn {
    None = 0,
    FlipLeftRight = 1,
    FlipTopBottom = 2,
    Transpose = 3,  // across the diagonal from the top left
    Transverse = 4, // across the diagonal from the top right
    Right = 5,      // a quarter clockwise
    Half = 6,
    Left = 7, // a quarter counter-clockwise
};

// The turn that sets a picture stored with EXIF orientation (1 to 8)
// upright.
JpegTurn UprightTurn(int orientation);
// first, then second, as one turn.
JpegTurn Then(JpegTurn first, JpegTurn second);
// Whether the turn puts the width where the height was.
bool SwapsSides(JpegTurn turn);

// Why turning a JPEG of layout by turn without decoding it would not keep
// the whole picture: a partial block at an edge that the turn moves to the
// top or the left cannot stay whole there. Empty when the turn is whole.
QString PartialBlockRefusal(JpegTurn turn, const JpegLayout& layout);

// jpeg's compressed data turned, without decoding: its own quantised
// blocks moved and transposed with libjpeg, so nothing is lost, and no
// segment but those the pixels need (the caller writes the result's
// metadata). A progressive JPEG stays progressive. Refuses a turn that
// would not keep the whole picture and a file that is damaged. False with
// the reason in why.
bool TurnJpeg(const QByteArray& jpeg, JpegTurn turn, bool progressive, QByteArray& turned,
              QString& why);
