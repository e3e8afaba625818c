// SPDX-License-Identifier: MIT
#include "browse/ShellNamespace.h"
#include "TestSupport.h"

#include "FixedVolumes.h"

namespace {

using Shell = ShellNamespace;

class ShellFoldersTest : public testing::Test {
protected:
    void SetUp() override {
        volume_ = dir_.filePath(u"media/usb"_s);
        QDir().mkpath(volume_ + u"/Photos/2003"_s);
        shell_ = std::make_unique<Shell>(
            std::make_shared<FixedVolumes>(QList<Volume>{{"/", {}}, {volume_, u"USB Stick"_s}}));
    }
    QTemporaryDir dir_;
    QString volume_;
    std::unique_ptr<Shell> shell_;
};

TEST_F(ShellFoldersTest, APathParsesThroughTheVolumeWithTheLongestMountPoint) {
    IdList list;
    ASSERT_TRUE(shell_->ParsePath(volume_ + u"/Photos/2003/"_s, list));
    EXPECT_EQ(Shell::Count(list), 4); // Computer, the volume, Photos, 2003
    QString text;
    ASSERT_TRUE(shell_->GetDisplayNameOf(list, text));
    EXPECT_EQ(text, volume_ + u"/Photos/2003"_s);
    EXPECT_EQ((QStringList{shell_->GetDisplayName(list),
                           shell_->GetDisplayName(Shell::CopyFirstItems(list, 2)),
                           shell_->GetDisplayName(Shell::CopyFirstItems(list, 1))}),
              (QStringList{"2003", "USB Stick", "Computer"}));

    ASSERT_TRUE(shell_->ParsePath(dir_.path(), list));
    EXPECT_EQ(shell_->GetDisplayName(Shell::CopyFirstItems(list, 2)), u"File System"_s);

    ASSERT_TRUE(shell_->ParsePath(u"::Computer"_s, list));
    EXPECT_EQ(list, shell_->DrivesList());
    ASSERT_TRUE(shell_->ParsePath(QString(), list));
    EXPECT_EQ(list, shell_->DesktopList());
    ASSERT_TRUE(shell_->ParsePath(u"~"_s, list));
    EXPECT_EQ(shell_->FileSystemPath(list), QDir::homePath());
    for (const QString& bad : {volume_ + u"/nothing"_s, u"Photos"_s, u"::Elsewhere"_s})
        EXPECT_FALSE(shell_->ParsePath(bad, list)) << qPrintable(bad);
}

// The desktop lists Home, the user's pictures folder when there is one
// (where a new user's photos are), and Computer.
TEST_F(ShellFoldersTest, TheDesktopAndComputerListTheirFolders) {
    const QString pictures = dir_.filePath(u"Meine Bilder"_s);
    QDir().mkpath(pictures);
    WriteFile(pictures + u"/beach.jpg"_s, "x");
    const QString userDirs = qEnvironmentVariable("XDG_CONFIG_HOME") + u"/user-dirs.dirs"_s;
    WriteFile(userDirs, "XDG_PICTURES_DIR=\"" + pictures.toUtf8() + "\"\n");
    const auto desktop = shell_->BindFolder(std::nullopt);
    ASSERT_TRUE(desktop);
    QList<QByteArray> top = desktop->EnumObjects(ShellFlag::Folders);
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(shell_->GetDisplayName(top[0]), u"Home"_s);
    EXPECT_EQ(shell_->GetDisplayName(top[1]), u"Meine Bilder"_s);
    EXPECT_EQ(desktop->CompareIDs(top[1], top[0]), 1);
    EXPECT_EQ(desktop->CompareIDs(top[1], top[2]), -1);
    EXPECT_EQ(shell_->FileSystemPath(top[1]), pictures);
    const auto photos = shell_->BindFolder(top[1]);
    ASSERT_TRUE(photos);
    const QList<QByteArray> inside = photos->EnumObjects(ShellFlag::NonFolders);
    ASSERT_EQ(inside.size(), 1);
    EXPECT_EQ(shell_->FileSystemPath(*Shell::Concat(top[1], inside[0])),
              pictures + u"/beach.jpg"_s);
    // Without the folder the desktop is as it was.
    QFile::remove(userDirs);
    QDir(pictures).removeRecursively();
    top = desktop->EnumObjects(ShellFlag::Folders);
    ASSERT_GE(top.size(), 2);
    EXPECT_EQ(shell_->GetDisplayName(top[0]), u"Home"_s);
    EXPECT_EQ(shell_->GetDisplayName(top[1]), u"Computer"_s);
    EXPECT_EQ(top[1], shell_->DrivesList());
    const auto computer = shell_->BindFolder(shell_->DrivesList());
    ASSERT_TRUE(computer);
    const QList<QByteArray> volumes = computer->EnumObjects(ShellFlag::Folders);
    ASSERT_EQ(volumes.size(), 2);
    EXPECT_EQ(computer->GetDisplayNameOf(volumes[1], ShellFlag::NameInFolder), u"USB Stick"_s);
    EXPECT_EQ(computer->CompareIDs(volumes[1], volumes[0]), 1) << "the volumes' own order";
    EXPECT_EQ(shell_->BindFolder(shell_->ControlsList()), nullptr);
    EXPECT_EQ(shell_->CompareItems(shell_->ControlsList(), shell_->ControlsList()), 0);
}

} // namespace
