// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Paths of at most this many characters are shown whole in a status line;
// longer ones as "..." and their last kStatusPathTail characters.
constexpr int kStatusPathWhole = 40;
constexpr int kStatusPathTail = 37;

// "Resizing : /a/b.jpg", or "Resizing : ..." with the end of a long path.
// verb is ResizeText::ResizingStatus or ResizeText::ReadingStatus.
// Characters are counted as the user sees them, so a non-ASCII letter is
// never cut in half.
QString FormatStatusLine(const QString& verb, const QString& path);
