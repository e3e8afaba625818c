// SPDX-License-Identifier: MIT
#include "platform/KeyboardLocks.h"

#include "TestSupport.h"

namespace {

TEST(KeyboardLocksTest, ALockIsOnWhenAnyKeyboardShowsIt) {
    QTemporaryDir leds;
    const auto led = [&leds](const char* name, const char* brightness) {
        WriteFile(leds.filePath(QLatin1String(name) + u"/brightness"_s), brightness);
    };
    EXPECT_FALSE(ReadLockStates(leds.path())) << "no lights: the system does not tell";
    led("input3::capslock", "0\n");
    led("input7::capslock", "1\n");
    led("input3::numlock", "1\n");
    led("input3::scrolllock", "0\n");
    led("phy0-led", "1\n");
    const std::optional<LockStates> states = ReadLockStates(leds.path());
    ASSERT_TRUE(states);
    EXPECT_EQ(std::tuple(states->caps, states->num, states->scroll), std::tuple(true, true, false));
}

} // namespace
