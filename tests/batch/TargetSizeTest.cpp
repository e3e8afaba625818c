// SPDX-License-Identifier: MIT
#include "batch/TargetSize.h"
#include "TestSupport.h"

namespace {

struct SizeCase {
    const char* what;
    uint32_t desktop;
    uint32_t width, wpercent, height, hpercent;
    int32_t pictureWidth, pictureHeight;
    int64_t expectedWidth, expectedHeight;
};

TEST(TargetSizeTest, FollowsTheDesktopPixelAndPercentRules) {
    const SizeCase cases[] = {
        {"wide picture on 1024x768", 1, 0, 0, 0, 0, 2000, 1000, 1024, 512},
        {"tall picture on 1024x768", 1, 0, 0, 0, 0, 1000, 2000, 384, 768},
        {"same shape is enlarged", 1, 0, 0, 0, 0, 400, 300, 1024, 768},
        {"desktop ignores width and units", 1, 10, 1, 10, 1, 400, 300, 1024, 768},
        {"percent truncates", 0, 50, 1, 50, 1, 101, 75, 50, 37},
        {"150 percent of 333", 0, 150, 1, 150, 1, 333, 333, 499, 499},
        {"pixels ignore the picture", 0, 800, 0, 600, 0, 31, 4000, 800, 600},
        {"mixed units", 0, 640, 0, 50, 1, 1000, 999, 640, 499},
        {"zero picture width", 0, 800, 0, 600, 0, 0, 100, 0, 0},
        {"zero picture height on the desktop", 1, 0, 0, 0, 0, 100, 0, 0, 0},
        {"huge percent does not wrap", 0, 4000000000u, 1, 1, 1, 30000, 100, 1200000000000, 1},
    };
    for (const SizeCase& c : cases) {
        ResizeSettings s;
        s.desktop = c.desktop;
        s.width = c.width;
        s.wpercent = c.wpercent;
        s.height = c.height;
        s.hpercent = c.hpercent;
        const DesktopSize desktop{1024, 768};
        EXPECT_EQ(std::pair(TargetWidth(s, c.pictureWidth, c.pictureHeight, desktop),
                            TargetHeight(s, c.pictureWidth, c.pictureHeight, desktop)),
                  std::pair(c.expectedWidth, c.expectedHeight))
            << c.what;
    }
    // An unknown desktop size gives 0 instead of dividing by it.
    ResizeSettings s;
    s.desktop = 1;
    EXPECT_EQ(TargetWidth(s, 640, 480, DesktopSize{0, 0}), 0);
    EXPECT_EQ(TargetHeight(s, 640, 480, DesktopSize{1024, 0}), 0);
}

} // namespace
