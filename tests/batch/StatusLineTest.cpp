// SPDX-License-Identifier: MIT
#include "batch/StatusLine.h"
#include "TestSupport.h"
#include "batch/ResizeTexts.h"

namespace {

TEST(StatusLineTest, ShowsShortPathsWholeAndTheEndOfLongOnes) {
    const QString forty = u"/photos/2026/summer/holiday/img_0001.jpg"_s;
    ASSERT_EQ(forty.size(), 40);
    EXPECT_EQ(FormatStatusLine(ResizeText::ResizingStatus, forty), "Resizing : " + forty);

    const QString fortyOne = u'x' + forty;
    EXPECT_EQ(FormatStatusLine(ResizeText::ResizingStatus, fortyOne),
              "Resizing : ..." + forty.right(37));
    EXPECT_EQ(FormatStatusLine(ResizeText::ReadingStatus, fortyOne),
              "Reading : ..." + forty.right(37));
}

TEST(StatusLineTest, CountsCharactersNotBytesOrHalves) {
    // Forty letters outside the BMP: 80 UTF-16 units, still shown whole.
    QString wide;
    for (int i = 0; i < 40; ++i)
        wide += QString::fromUcs4(U"\U0001F4F7");
    EXPECT_EQ(FormatStatusLine(ResizeText::ResizingStatus, wide), "Resizing : " + wide);
    const QString line = FormatStatusLine(ResizeText::ResizingStatus, wide + wide);
    EXPECT_EQ(line, "Resizing : ..." + wide.right(74));
}

} // namespace
