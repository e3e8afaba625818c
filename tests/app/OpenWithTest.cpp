// SPDX-License-Identifier: MIT
#include "app/OpenWith.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

std::string Joined(const QStringList& list) {
    return list.join(QLatin1Char('|')).toStdString();
}

// The files of one folder opened from a file manager, and what goes wrong
// around them: other folders, other types, missing and unreadable files.
class OpenWithTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = dir_.filePath(QStringLiteral("Photos of 2024"));
        QDir().mkpath(folder_ + QStringLiteral("/Sub"));
        QDir().mkpath(dir_.filePath(QStringLiteral("Other")));
        for (const QString& name : {QStringLiteral("a.jpg"), QStringLiteral("-é b.PNG"),
                                    QStringLiteral("notes.txt"), QStringLiteral("locked.jpg")})
            Touch(folder_ + QLatin1Char('/') + name);
        Touch(dir_.filePath(QStringLiteral("Other/d.jpg")));
        QFile::setPermissions(In(QStringLiteral("locked.jpg")), {});
    }
    static void Touch(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString In(const QString& name) const { return folder_ + QLatin1Char('/') + name; }

    QTemporaryDir dir_;
    QString folder_;
};

TEST_F(OpenWithTest, TheFirstFileChoosesTheFolderAndItsGivenPicturesAreMarked) {
    const QString a = In(QStringLiteral("a.jpg"));
    const QString b = In(QStringLiteral("-é b.PNG"));
    const QString other = dir_.filePath(QStringLiteral("Other/d.jpg"));
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
        {"a text file first",
         {In(QStringLiteral("notes.txt")), a},
         folder_,
         a,
         {a},
         {In(QStringLiteral("notes.txt"))},
         0},
        {"a folder",
         {folder_ + QStringLiteral("/Sub")},
         folder_ + QStringLiteral("/Sub"),
         {},
         {},
         {},
         0},
        {"a folder, then a picture in it", {folder_, a}, folder_, {}, {a}, {}, 0},
        {"a picture of another folder", {a, other}, folder_, a, {a}, {}, 1},
        {"the same picture twice", {a, a}, folder_, a, {a}, {}, 0},
        {"a path with ..", {folder_ + QStringLiteral("/Sub/../a.jpg")}, folder_, a, {a}, {}, 0},
        {"nothing that exists",
         {In(QStringLiteral("gone.jpg"))},
         {},
         {},
         {},
         {In(QStringLiteral("gone.jpg"))},
         0},
        {"nothing at all", {}, {}, {}, {}, {}, 0},
    };
    for (const Case& c : cases) {
        const OpenWithPlan plan = PlanOpenWith(c.arguments);
        EXPECT_EQ(plan.folder.toStdString(), c.folder.toStdString()) << c.what;
        EXPECT_EQ(plan.selected.toStdString(), c.selected.toStdString()) << c.what;
        EXPECT_EQ(Joined(plan.marked), Joined(c.marked)) << c.what;
        EXPECT_EQ(Joined(plan.refused), Joined(c.refused)) << c.what;
        EXPECT_EQ(plan.elsewhere, c.elsewhere) << c.what;
    }
}

TEST_F(OpenWithTest, RelativeNamesAreTakenFromTheWorkingFolder) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder_);
    const OpenWithPlan plan = PlanOpenWith({QStringLiteral("a.jpg")});
    QDir::setCurrent(before);
    EXPECT_EQ(plan.folder.toStdString(), folder_.toStdString());
    EXPECT_EQ(plan.selected.toStdString(), In(QStringLiteral("a.jpg")).toStdString());
}

TEST_F(OpenWithTest, APictureThatCannotBeReadIsRefused) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const OpenWithPlan plan = PlanOpenWith({In(QStringLiteral("locked.jpg"))});
    EXPECT_TRUE(plan.folder.isEmpty());
    EXPECT_EQ(plan.refused.size(), 1);
}

TEST(OpenWithStatusTest, TellsWhatWasLeftOut) {
    OpenWithPlan plan;
    EXPECT_EQ(OpenWithStatus(plan).toStdString(), "");
    plan.refused = {QStringLiteral("/tmp/x.doc")};
    EXPECT_EQ(OpenWithStatus(plan).toStdString(),
              "Cannot open \"/tmp/x.doc\": it is not a picture or a folder that can be read.");
    plan.refused << QStringLiteral("/tmp/y.doc");
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
