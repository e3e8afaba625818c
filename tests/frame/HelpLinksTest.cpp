// SPDX-License-Identifier: MIT
#include "frame/HelpLinks.h"
#include "TestSupport.h"
#include "frame/FrameIds.h"
#include "platform/KeyboardLocks.h"

#include <QUrlQuery>

namespace {

TEST(HelpLinksTest, TheMailSubjectsJoinTheirPiecesWithoutSpaces) {
    EXPECT_EQ(HelpMailSubject(false, u"4.2.1197"_s), u"[TSY4.2.1197] I have words to say"_s);
    const QUrl bug = HelpLink(CommandId::BugReport, u"4.2.1197"_s);
    EXPECT_EQ(
        std::pair(bug.scheme(), QUrlQuery(bug).queryItemValue(u"subject"_s, QUrl::FullyDecoded)),
        std::pair(u"mailto"_s, u"[TSY4.2.1197] BUG REPORT"_s));
    const QUrl upgrade = HelpLink(CommandId::CheckNewVersion, u"4.2.1197"_s);
    EXPECT_TRUE(upgrade.path().endsWith(u"/tsy/upgrade.asp"_s));
    EXPECT_EQ(upgrade.query(), u"version=4.2.1197"_s);
    EXPECT_EQ(HelpLink(CommandId::VisitMyWeb, {}), QUrl(HelpAddress::HomePage));
    EXPECT_TRUE(HelpLink(CommandId::Mark, {}).isEmpty());
}

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
    EXPECT_TRUE(states->caps);
    EXPECT_TRUE(states->num);
    EXPECT_FALSE(states->scroll);
}

} // namespace
