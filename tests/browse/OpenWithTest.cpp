// SPDX-License-Identifier: MIT
#include "browse/OpenWith.h"

#include "TestSupport.h"

#include <unistd.h>

namespace {

// The files of one folder opened from a file manager, and what goes wrong
// around them: other folders, other types, missing and unreadable files.
class OpenWithTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = dir_.filePath(u"Photos of 2024"_s);
        QDir().mkpath(folder_ + u"/Sub"_s);
        QDir().mkpath(dir_.filePath(u"Other"_s));
        for (const QString& name : {u"a.jpg"_s, u"-é b.PNG"_s, u"notes.txt"_s, u"locked.jpg"_s})
            WriteFile(folder_ + u'/' + name);
        WriteFile(dir_.filePath(u"Other/d.jpg"_s));
        QFile::setPermissions(In(u"locked.jpg"_s), {});
    }
    QString In(const QString& name) const { return folder_ + u'/' + name; }

    QTemporaryDir dir_;
    QString folder_;
};

TEST_F(OpenWithTest, TheFirstFileChoosesTheFolderAndItsGivenPicturesAreMarked) {
    const QString a = In(u"a.jpg"_s);
    const QString b = In(u"-é b.PNG"_s);
    const QString other = dir_.filePath(u"Other/d.jpg"_s);
    struct Case {
        const char* what;
        QStringList arguments;
        QString folder;
        QString selected;
        QStringList marked;
        QStringList refused;
        int elsewhere;
    };
    const Case cases[] = {
        {"two pictures", {b, a}, folder_, b, {b, a}, {}, 0},
        {"a text file first", {In(u"notes.txt"_s), a}, folder_, a, {a}, {In(u"notes.txt"_s)}, 0},
        {"a folder", {folder_ + u"/Sub"_s}, folder_ + u"/Sub"_s, {}, {}, {}, 0},
        {"a folder, then a picture in it", {folder_, a}, folder_, {}, {a}, {}, 0},
        {"a picture of another folder", {a, other}, folder_, a, {a}, {}, 1},
        {"the same picture twice", {a, a}, folder_, a, {a}, {}, 0},
        {"a path with ..", {folder_ + u"/Sub/../a.jpg"_s}, folder_, a, {a}, {}, 0},
        {"a name relative to the working folder", {u"a.jpg"_s}, folder_, a, {a}, {}, 0},
        {"nothing that exists", {In(u"gone.jpg"_s)}, {}, {}, {}, {In(u"gone.jpg"_s)}, 0},
        {"nothing at all", {}, {}, {}, {}, {}, 0},
    };
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder_);
    for (const Case& c : cases) {
        const OpenWithPlan plan = PlanOpenWith(c.arguments);
        EXPECT_EQ(std::tuple(plan.folder, plan.selected, plan.marked, plan.refused, plan.elsewhere),
                  std::tuple(c.folder, c.selected, c.marked, c.refused, c.elsewhere))
            << c.what;
    }
    QDir::setCurrent(before);
}

TEST_F(OpenWithTest, APictureThatCannotBeReadIsRefused) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const OpenWithPlan plan = PlanOpenWith({In(u"locked.jpg"_s)});
    EXPECT_TRUE(plan.folder.isEmpty());
    EXPECT_EQ(plan.refused.size(), 1);
}

TEST(OpenWithStatusTest, TellsWhatWasLeftOut) {
    OpenWithPlan plan;
    EXPECT_EQ(OpenWithStatus(plan).toStdString(), "");
    plan.refused = {u"/tmp/x.doc"_s};
    EXPECT_EQ(OpenWithStatus(plan).toStdString(),
              "Cannot open \"/tmp/x.doc\": it is not a picture or a folder that can be read.");
    plan.refused << u"/tmp/y.doc"_s;
    plan.elsewhere = 2;
    EXPECT_EQ(OpenWithStatus(plan).toStdString(),
              "Cannot open 2 of the given files: they are not pictures or folders that can be "
              "read. 2 given pictures are in other folders and were not marked.");
    plan.refused.clear();
    plan.elsewhere = 1;
    EXPECT_EQ(OpenWithStatus(plan).toStdString(),
              "1 given picture is in another folder and was not marked.");
}

} // namespace
