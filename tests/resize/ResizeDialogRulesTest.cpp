// SPDX-License-Identifier: MIT
#include "resize/ResizeDialogRules.h"
#include "TestSupport.h"

namespace {

const DesktopSize kDesktop{1920, 1080};

TEST(ResizeDialogRulesTest, SizeCheckTextTellsWhetherTheSelectionSuitsTheSize) {
    struct Case {
        const char* what;
        SizeCheckInput input;
        SelectionSummary summary;
        const char* text;
        bool warning;
    };
    const Case cases[] = {
        {"desktop, constrained",
         {true, true, 0, 0, 0, 0},
         {640, 480, 72, 72},
         "The pictures you've selected will be auto resize to fit the desktop's size",
         false},
        {"desktop, free",
         {true, false, 0, 0, 0, 0},
         {640, 480, 72, 72},
         "The pictures you've selected will be resize to the desktop's size (1920*1080)\r\n"
         "uncheck Constrain Proportion might distort your picture(s)",
         true},
        {"sizes differ, constrained",
         {false, true, 100, 100, 1, 1},
         {0, 0, 72, 72},
         "The pictures you've selected are not the same size\r\nPlease resize them in percent or "
         "uncheck Constrain Proportion",
         true},
        {"sizes differ, free",
         {false, false, 100, 100, 1, 1},
         {0, 0, 72, 72},
         "The pictures you've selected are not the same size",
         true},
        {"320 x 240 pixels of 640 x 480",
         {false, true, 320, 240, 0, 0},
         {640, 480, 0, 0},
         "The size of the pictures you've selected is:640*480",
         false},
        {"333 typed, 249 computed: rounded, not a mismatch",
         {false, true, 333, 249, 0, 0},
         {640, 480, 0, 0},
         "The size of the pictures you've selected is:640*480",
         false},
        {"50 percent wide, 240 pixels high",
         {false, true, 50, 240, 1, 0},
         {640, 480, 0, 0},
         "The size of the pictures you've selected is:640*480",
         false},
        {"800 x 800 against 640 x 480",
         {false, true, 800, 800, 0, 0},
         {640, 480, 0, 0},
         "The size(640*480) of the pictures you've selected is not match the Constrain Proportion "
         "of your setting: 800*800\r\nPlease reset width and height or uncheck Constrain "
         "Proportion",
         true},
        {"800 x 800, free",
         {false, false, 800, 800, 0, 0},
         {640, 480, 0, 0},
         "The size of the pictures you've selected is:640*480\r\nuncheck Constrain Proportion "
         "might distort your picture(s)",
         false},
        {"a width of 0 never matches",
         {false, true, 0, 240, 0, 0},
         {640, 480, 0, 0},
         "The size(640*480) of the pictures you've selected is not match the Constrain Proportion "
         "of your setting: 0*240\r\nPlease reset width and height or uncheck Constrain Proportion",
         true},
    };
    for (const Case& c : cases) {
        const CheckText check = SizeCheckText(c.input, c.summary, kDesktop);
        EXPECT_EQ(check.text, QString::fromUtf8(c.text)) << c.what;
        EXPECT_EQ(check.warning, c.warning) << c.what;
    }
}

TEST(ResizeDialogRulesTest, DpiTextTurnsRedForAResolutionThePicturesDoNotShare) {
    EXPECT_EQ(DpiCheckText({1, 1, 72, 96}).text,
              u"Your select Pictures:\r\nthe X DPI:72\r\nThe Y DPI:96"_s);
    EXPECT_FALSE(DpiCheckText({1, 1, 72, 96}).warning);
    const CheckText differs = DpiCheckText({1, 1, 0, 300});
    EXPECT_EQ(differs.text, u"Your select Pictures:\r\nThe X DPI: not the same\r\nThe Y DPI:300"_s);
    EXPECT_TRUE(differs.warning);
    EXPECT_TRUE(DpiCheckText({1, 1, 72, 0}).warning);
}

TEST(ResizeDialogRulesTest, ProportionAndUnitRulesNeverDivideByZero) {
    // value, unit, other unit, common, other common, other value -> result
    const uint32_t proportional[][7] = {
        {320, 0, 0, 640, 480, 9, 240}, // pixel to pixel
        {50, 1, 0, 640, 480, 9, 240},  // 50 % of the width gives 240 pixels high
        {320, 0, 1, 640, 480, 9, 50},  // 320 of 640 pixels is 50 %
        {70, 1, 1, 640, 480, 9, 70},   // percent to percent
        {320, 0, 0, 0, 480, 9, 9},     // unknown common size: unchanged
        {320, 0, 1, 0, 0, 9, 9},
    };
    for (const auto& p : proportional)
        EXPECT_EQ(ProportionalValue(p[0], p[1], p[2], p[3], p[4], p[5]), p[6])
            << p[0] << " " << p[1] << " " << p[2] << " " << p[3];

    EXPECT_EQ(ConvertUnit(50, 1, 0, 640), 320u);
    EXPECT_EQ(ConvertUnit(320, 0, 1, 640), 50u);
    EXPECT_EQ(ConvertUnit(321, 0, 1, 0), 321u);
    EXPECT_EQ(ConvertUnit(77, 1, 1, 640), 77u);
}

} // namespace
