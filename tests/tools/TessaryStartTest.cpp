// SPDX-License-Identifier: MIT
// The real tessary started from the file-manager menu the way a user's
// click starts it: tessary-menu writes the hand-off and starts tessary.
#include "RealProgramTest.h"
#include "TestSupport.h"

#include "app/HandOffBlock.h"
#include "app/HandOffPlan.h"
#include "platform/SharedMemory.h"
#include "resize/ResizeIds.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"
#include "settings/PresetStore.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

// The ready flag of the user's block; -1 when there is no block.
int HandOffFlag() {
    const auto block = SharedMemory::OpenExisting(HandOffBlock::ObjectName());
    return block ? block->data()[0] : -1;
}

class TessaryStartTest : public RealProgramTest {
protected:
    QStringList Pictures(int count, const QString& pattern) const {
        return DrawPictures(dir_.path(), count, pattern, 64, 48);
    }
    // tessary-menu --command N --wait, started and left running.
    void Start(QProcess& menu, uint32_t command, const QStringList& files, const QString& display) {
        Launch(menu, kMenu,
               QStringList{u"--command"_s, QString::number(command), u"--wait"_s, u"--"_s} + files,
               display);
    }
};

// A folder stands for the pictures under it, and the user is asked first:
// Cancel writes nothing, Resize writes them all; a folder without pictures
// is told so. Either way nothing else opens.
TEST_F(TessaryStartTest, ResizeAsDefaultWritesEveryPictureWithTheStoredOptionsAndEnds) {
    AppSettings stored;
    stored.imagetype = 5; // PNG
    stored.width = stored.height = 50;
    stored.SaveResizeSettings();
    QStringList pictures = Pictures(3, u"-holiday %1 'x'.jpg"_s);
    QDir(dir_.path()).mkpath(u"album/day 2"_s);
    QDir(dir_.path()).mkpath(u"empty"_s);
    QFile::rename(pictures[2], dir_.filePath(u"album/day 2/-holiday 2 'x'.jpg"_s));
    pictures[2] = dir_.filePath(u"album"_s);
    XServer x;
    ASSERT_TRUE(x.Running());
    const auto answer = [&](const QStringList& files, const QString& key) {
        QProcess menu;
        Launch(menu, kMenu,
               QStringList{u"--command"_s, u"1"_s, u"--pictures-only"_s, u"--wait"_s, u"--"_s} +
                   files,
               x.Display());
        const QString window = x.WaitForWindow(HandOffText::Caption);
        EXPECT_FALSE(window.isEmpty()) << Told(x);
        x.PressKey(window, key);
        EXPECT_TRUE(menu.waitForFinished(120000));
        // It ended by itself: no main window was left open.
        EXPECT_FALSE(x.HasWindow(AppText::MainTitle));
        return menu.exitCode();
    };
    EXPECT_EQ(answer(pictures, u"Return"_s), 1) << "Cancel is the default";
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath(u"resize"_s)));
    EXPECT_EQ(answer({dir_.filePath(u"empty"_s)}, u"Return"_s), 1);
    EXPECT_EQ(answer(pictures, u"alt+r"_s), 0);
    for (int i = 0; i < 3; ++i) {
        const Identified result = Identify(dir_.filePath(
            u"%1resize/-holiday %2 'x'.png"_s.arg(i == 2 ? "album/day 2/" : "").arg(i)));
        EXPECT_EQ(std::tuple(result.format, result.width, result.height),
                  std::tuple(u"PNG"_s, 32, 24))
            << i;
    }
    EXPECT_EQ(HandOffFlag(), 0);

    // A preset's item: the preset's options for this batch only.
    ResizeSettings square;
    square.imagetype = 1;
    square.fit = Fit::Fill;
    square.wpercent = square.hpercent = 0;
    square.width = square.height = 20;
    QString error;
    ASSERT_TRUE(PresetStore().Save(u"Tiny square"_s, square, error));
    QProcess menu;
    Launch(menu, kMenu,
           {u"--command"_s, u"3"_s, u"--preset"_s, u"Tiny square"_s, u"--wait"_s, u"--"_s,
            pictures[0]},
           x.Display());
    ASSERT_TRUE(menu.waitForFinished(120000));
    EXPECT_EQ(menu.exitCode(), 0);
    const Identified square0 = Identify(dir_.filePath(u"resize/-holiday 0 'x'.jpg"_s));
    EXPECT_EQ(std::tuple(square0.format, square0.width, square0.height),
              std::tuple(u"JPEG"_s, 20, 20));
    EXPECT_EQ(AppSettings().imagetype, 5u) << "the stored options stay";
}

// Two items picked at the same moment (two file-manager windows used
// quickly) are both done, whatever the timing.
TEST_F(TessaryStartTest, TwoItemsPickedAtOnceAreBothDone) {
    AppSettings stored;
    stored.imagetype = 5; // PNG
    stored.SaveResizeSettings();
    for (int round = 0; round < 6; ++round) {
        const QStringList pictures = Pictures(2, u"r%1-%2.jpg"_s.arg(round));
        std::array<QProcess, 2> menus;
        for (int i = 0; i < 2; ++i)
            Launch(menus[i], kMenu, {u"--command"_s, u"1"_s, u"--wait"_s, u"--"_s, pictures[i]},
                   {});
        for (QProcess& menu : menus) {
            ASSERT_TRUE(menu.waitForFinished(120000));
            EXPECT_EQ(menu.exitCode(), 0) << round;
        }
        for (int i = 0; i < 2; ++i)
            EXPECT_TRUE(QFileInfo::exists(dir_.filePath(u"resize/r%1-%2.png"_s.arg(round).arg(i))))
                << "round " << round << ", picture " << i;
    }
}

// Command 0 runs the scan and then the resize dialog, with or without files,
// and Escape in the dialog ends the program. A block that claims four billion
// records, holds one without its zero byte and names no command we know, and
// an unknown command from the menu, each open the main window. Each time the
// block is left cleared.
TEST_F(TessaryStartTest, EachCommandOpensItsWindowAndAHostileBlockIsReadSafely) {
    XServer x;
    ASSERT_TRUE(x.Running());
    for (const QStringList& files : {Pictures(2, u"a%1.jpg"_s), QStringList()}) {
        QProcess menu;
        Start(menu, 0, files, x.Display());
        const QString dialog = x.WaitForWindow(ResizeDialogText::Caption);
        ASSERT_FALSE(dialog.isEmpty()) << files.size() << " files; " << Told(x);
        EXPECT_FALSE(x.HasWindow(AppText::MainTitle));
        EXPECT_EQ(HandOffFlag(), 0);
        x.PressKey(dialog, u"Escape"_s);
        ASSERT_TRUE(menu.waitForFinished(30000));
        EXPECT_EQ(menu.exitCode(), 0);
    }
    {
        const auto block = SharedMemory::CreateNew(HandOffBlock::ObjectName(), 300);
        ASSERT_TRUE(block);
        std::memset(block->data(), 'a', block->size());
        block->data()[0] = 0xFF;
        std::memset(block->data() + HandOffBlock::CountOffset, 0xFF, 4);
        std::memset(block->data() + HandOffBlock::CommandOffset, 0, 4);
        block->data()[HandOffBlock::CommandOffset] = 7;
    }
    const auto mainWindowShowsAndEnds = [&](QProcess& process) {
        const QString window = x.WaitForWindow(AppText::MainTitle);
        ASSERT_FALSE(window.isEmpty()) << Told(x);
        EXPECT_EQ(HandOffFlag(), 0);
        x.EndOwner(window);
        ASSERT_TRUE(process.waitForFinished(30000));
    };
    QProcess tessary;
    Launch(tessary, kTessary, {}, x.Display());
    mainWindowShowsAndEnds(tessary);
    QProcess menu;
    Start(menu, 7, Pictures(1, u"a%1.jpg"_s), x.Display());
    mainWindowShowsAndEnds(menu);
}

TEST_F(TessaryStartTest, APathTooLongForTheBlockIsRefusedBeforeAnythingIsWritten) {
    const QString longPath = u'/' + QString(300, u'x') + u".jpg"_s;
    const ToolRun run =
        RunTool(kMenu, {u"--command"_s, u"1"_s, longPath}, {}, 30000, Environment());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(longPath)) << qPrintable(run.err);
    EXPECT_EQ(HandOffFlag(), -1);

    for (const QStringList& wrong :
         {QStringList{u"--command"_s, u"-1"_s}, QStringList{u"--command"_s, u"4294967296"_s},
          QStringList{u"a.jpg"_s}, QStringList{}})
        EXPECT_EQ(RunTool(kMenu, wrong, {}, 30000, Environment()).exitCode, 2)
            << qPrintable(wrong.join(' '));
}

} // namespace
