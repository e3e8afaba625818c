// SPDX-License-Identifier: MIT
#include "resize/ResizeDialogRules.h"
#include "TestSupport.h"

namespace {

const DesktopSize kDesktop{1920, 1080};

TEST(ResizeDialogRulesTest, SizeCheckTextTellsWhetherTheSelectionSuitsTheSize) {
    const QString same = u"The size of the pictures you've selected is:640*480"_s;
    const QString distort = u"\r\nuncheck Constrain Proportion might distort your picture(s)"_s;
    const QString differ = u"The pictures you've selected are not the same size"_s;
    const QString needed =
        u"Please give the new width and height: 1 to 65535 pixels, or 1 to 10000 percent"_s;
    const auto mismatch = [](const char* setting) {
        return u"The size(640*480) of the pictures you've selected is not match the Constrain "
               "Proportion of your setting: %1\r\nPlease reset width and height or uncheck "
               "Constrain Proportion"_s.arg(QLatin1String(setting));
    };
    struct Case {
        const char* what;
        SizeCheckInput input;
        SelectionSummary summary;
        QString text;
        bool warning;
    } const cases[] = {
        // clang-format off
        {"desktop, constrained", {true, true, 0, 0, 0, 0}, {640, 480, 72, 72},
         u"The pictures you've selected will be auto resize to fit the desktop's size"_s, false},
        {"desktop, free", {true, false, 0, 0, 0, 0}, {640, 480, 72, 72},
         u"The pictures you've selected will be resize to the desktop's size (1920*1080)"_s +
             distort, true},
        {"sizes differ, constrained", {false, true, 100, 100, 1, 1}, {0, 0, 72, 72},
         differ + u"\r\nPlease resize them in percent or uncheck Constrain Proportion"_s, true},
        {"sizes differ, free", {false, false, 100, 100, 1, 1}, {0, 0, 72, 72}, differ, true},
        {"320 x 240 pixels of 640 x 480", {false, true, 320, 240, 0, 0}, {640, 480, 0, 0},
         same, false},
        {"333 typed, 249 computed: rounded", {false, true, 333, 249, 0, 0}, {640, 480, 0, 0},
         same, false},
        {"50 percent wide, 240 pixels high", {false, true, 50, 240, 1, 0}, {640, 480, 0, 0},
         same, false},
        {"800 x 800 against 640 x 480", {false, true, 800, 800, 0, 0}, {640, 480, 0, 0},
         mismatch("800*800"), true},
        {"800 x 800, free", {false, false, 800, 800, 0, 0}, {640, 480, 0, 0},
         same + distort, false},
        {"sizes differ, a percentage turned into 0 pixels", {false, false, 0, 100, 0, 1},
         {0, 0, 72, 72}, needed, true},
        {"20000 percent", {false, true, 20000, 20000, 1, 1}, {640, 480, 0, 0}, needed, true},
        {"fill 800 x 800: a box, never a mismatch", {false, true, 800, 800, 0, 0, Fit::Fill},
         {640, 480, 0, 0}, u"The pictures will fill 800*800 exactly, cropped where their "
         "proportions differ"_s, false},
        {"pad 300 x 100", {false, false, 300, 100, 0, 0, Fit::Pad}, {0, 0, 0, 0},
         u"The pictures will fit inside 300*100 whole, on a canvas of exactly that size"_s, false},
        {"pad in percent: as before", {false, false, 50, 50, 1, 1, Fit::Pad}, {640, 480, 0, 0},
         same + distort, false},
        {"longer side 320 of 640 x 480", {false, true, 320, 999, 0, 0, Fit::Stretch, SideRule::Longer},
         {640, 480, 0, 0}, u"The longer side of each picture will be 320 pixels, the other in "
         "proportion\r\n(320*240 for the pictures you've selected)"_s, false},
        {"shorter side 50 % of sizes that differ", {false, true, 50, 7, 1, 1, Fit::Stretch, SideRule::Shorter},
         {0, 0, 0, 0}, u"The shorter side of each picture will be 50 % of it, the other in "
         "proportion"_s, false},
        // clang-format on
    };
    for (const Case& c : cases) {
        const CheckText check = SizeCheckText(c.input, c.summary, kDesktop);
        EXPECT_EQ(check.text, c.text) << c.what;
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
    // value, unit, other unit, common, other common, other value -> result;
    // pixels to pixels and percent to pixels are typed in the dialog's test.
    const uint32_t proportional[][7] = {
        {320, 0, 1, 640, 480, 9, 50}, // 320 of 640 pixels is 50 %
        {70, 1, 1, 640, 480, 9, 70},  // percent to percent
        {320, 0, 0, 0, 480, 9, 9},    // unknown common size: unchanged
        {320, 0, 1, 0, 0, 9, 9},
    };
    for (const auto& p : proportional)
        EXPECT_EQ(ProportionalValue(p[0], p[1], p[2], p[3], p[4], p[5]), p[6])
            << p[0] << " " << p[1] << " " << p[2] << " " << p[3];

    EXPECT_EQ(ConvertUnit(50, 1, 0, 640), 320u);
    EXPECT_EQ(ConvertUnit(321, 0, 1, 0), 321u);
    EXPECT_EQ(ConvertUnit(77, 1, 1, 640), 77u);
}

} // namespace
