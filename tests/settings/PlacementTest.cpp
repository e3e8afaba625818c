// SPDX-License-Identifier: MIT
#include "settings/Placement.h"
#include "TestSupport.h"

namespace {

WindowPlacement Stored(int left, int top, int right, int bottom) {
    WindowPlacement placement;
    placement.showCmd = ShowCommand::Normal;
    placement.left = left;
    placement.top = top;
    placement.right = right;
    placement.bottom = bottom;
    return placement;
}

// On the screen it covers most (the first when none), whole: no larger
// than that screen and inside it.
TEST(PlacementTest, RestoresTheWindowWholeOnTheScreenItOpensOn) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    struct Case {
        const char* name;
        WindowPlacement placement;
        std::optional<QRect> geometry;
    } const cases[] = {
        {"on the first screen", Stored(100, 50, 900, 650), QRect(100, 50, 800, 600)},
        {"on the second screen", Stored(2000, 100, 2600, 500), QRect(2000, 100, 600, 400)},
        {"mostly off the first screen", Stored(1500, 900, 2300, 1500), QRect(1120, 480, 800, 600)},
        {"across both, mostly on the second", Stored(1800, 100, 2600, 700),
         QRect(1920, 100, 800, 600)},
        {"on a screen that is gone", Stored(5000, 100, 5800, 700), QRect(1120, 100, 800, 600)},
        {"a sliver above the screens", Stored(100, -590, 900, 10), QRect(100, 0, 800, 600)},
        {"larger than the screen", Stored(-9000, -9000, 9000, 9000), QRect(0, 0, 1920, 1080)},
        {"stored on a larger screen", Stored(2000, 60, 3600, 1040), QRect(1920, 44, 1280, 980)},
        {"empty", Stored(100, 100, 100, 500), std::nullopt},
        {"inside out", Stored(900, 650, 100, 50), std::nullopt},
        {"extreme numbers", Stored(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlacementGeometry(c.placement, screens), c.geometry) << c.name;
}

TEST(PlacementTest, ARecordMadeFromAGeometryGivesThatGeometryBack) {
    const QRect geometry(120, 80, 1000, 700);
    for (const bool maximized : {false, true}) {
        const WindowPlacement placement = MakePlacement(geometry, maximized);
        EXPECT_EQ(placement.showCmd, maximized ? ShowCommand::Maximized : ShowCommand::Normal);
        EXPECT_EQ(PlacementGeometry(placement, {QRect(0, 0, 1920, 1080)}), geometry);
    }
}

} // namespace
