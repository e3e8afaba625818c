// SPDX-License-Identifier: MIT
#include "batch/StatusLine.h"
#include "TestSupport.h"
#include "batch/ResizeTexts.h"

namespace {

// Forty characters show whole, a longer path its end; characters count,
// not bytes or UTF-16 halves.
TEST(StatusLineTest, ShowsFortyCharactersWholeAndTheEndOfLongerPaths) {
    const QString forty = u"/photos/2026/summer/holiday/img_0001.jpg"_s;
    QString wide; // forty letters outside the BMP: 80 UTF-16 units
    for (int i = 0; i < 40; ++i)
        wide += QString::fromUcs4(U"\U0001F4F7");
    const std::tuple<QString, QString, QString> cases[] = {
        {ResizeText::ResizingStatus, forty, "Resizing : " + forty},
        {ResizeText::ResizingStatus, u'x' + forty, "Resizing : ..." + forty.right(37)},
        {ResizeText::ReadingStatus, u'x' + forty, "Reading : ..." + forty.right(37)},
        {ResizeText::ResizingStatus, wide, "Resizing : " + wide},
        {ResizeText::ResizingStatus, wide + wide, "Resizing : ..." + wide.right(74)},
    };
    for (const auto& [status, path, line] : cases)
        EXPECT_EQ(FormatStatusLine(status, path), line) << qPrintable(path);
}

} // namespace
