// SPDX-License-Identifier: MIT
#include "app/HandOffPlan.h"
#include "TestSupport.h"

namespace {

// What the menu hands off and whether it asks first, by what it was given.
TEST(HandOffPlanTest, AFolderOrNoPictureIsShownBeforeAnythingIsHandedOff) {
    QTemporaryDir dir;
    const QString album = dir.filePath(u"album"_s);
    QDir().mkpath(album + u"/day 2"_s);
    const QStringList inAlbum = DrawPictures(album + u"/day 2"_s, 2, u"p%1.png"_s);
    const QString empty = dir.filePath(u"empty"_s);
    QDir().mkpath(empty);
    const QString text = WriteFile(dir.filePath(u"notes.txt"_s), "x");
    const QString photo = WriteFile(dir.filePath(u"photo.jpg"_s), "x");
    using Ask = HandOffPlan::Ask;
    struct Case {
        QStringList given;
        bool picturesOnly;
        Ask ask;
        QString question;
        qsizetype paths;
    } const cases[] = {
        // clang-format off
        {{photo, text}, false, Ask::Nothing, {}, 2},
        {{photo, text}, true, Ask::Nothing, {}, 1},
        {{text}, true, Ask::NoPicture, u"None of the chosen files is a picture."_s, 0},
        {{empty}, true, Ask::NoPicture, u"There is no picture in %1."_s.arg(empty), 0},
        {{album}, true, Ask::Confirm, u"Tessary found 2 pictures in %1 and the folders under "
         "it.\n\nResize them?"_s.arg(album), 2},
        {{album, photo}, true, Ask::Confirm, u"Tessary found 3 pictures: 1 you chose, and 2 "
         "pictures in %1 and the folders under it.\n\nResize them?"_s.arg(album), 3},
        {{photo, empty, album}, true, Ask::Confirm, u"Tessary found 3 pictures: 1 you chose, and "
         "2 pictures in 2 folders and the folders under them.\n\nResize them?"_s, 3},
        {{photo, empty}, true, Ask::Confirm, u"Tessary found 1 picture: 1 you chose, and no "
         "picture in %1 and the folders under it.\n\nResize them?"_s.arg(empty), 1},
        {{album, empty}, true, Ask::Confirm, u"Tessary found 2 pictures in 2 folders and the "
         "folders under them.\n\nResize them?"_s, 2},
        // clang-format on
    };
    for (const Case& c : cases) {
        const HandOffPlan plan = PlanHandOff(c.given, c.picturesOnly, ResizeSettings{});
        EXPECT_EQ(std::tuple(plan.ask, plan.question, plan.paths.size()),
                  std::tuple(c.ask, c.question, c.paths))
            << qPrintable(c.given.join(u' '));
    }
    EXPECT_EQ(PlanHandOff({album}, true, ResizeSettings{}).paths, inAlbum);
}

} // namespace
