// SPDX-License-Identifier: MIT
// The real tessary started from the file-manager menu the way a user's
// click starts it: tessary-menu writes the hand-off and starts tessary.
#include "RealProgramTest.h"
#include "TestSupport.h"
#include "codec/PictureTypeTable.h"

#include "app/HandOffBlock.h"
#include "app/HandOffPlan.h"
#include "platform/SharedMemory.h"
#include "resize/ResizeIds.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"
#include "settings/PresetStore.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QUrl>

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
    stored.imagetype = PictureTypeTable::Png;
    stored.width = stored.height = 50;
    ASSERT_EQ(stored.SaveResizeSettings(), QString());
    QStringList pictures = Pictures(3, u"-holiday %1 'x'.jpg"_s);
    QDir(dir_.path()).mkpath(u"album/day 2"_s);
    QDir(dir_.path()).mkpath(u"empty"_s);
    QFile::rename(pictures[2], dir_.filePath(u"album/day 2/-holiday 2 'x'.jpg"_s));
    pictures[2] = dir_.filePath(u"album"_s);
    XServer x;
    ASSERT_TRUE(x.Running());
    const auto answer = [&](const QStringList& files, const QString& key) {
        QProcess menu;
        Launch(menu, kMenu, u"--command 1 --pictures-only --wait --"_s.split(u' ') + files,
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
    square.imagetype = PictureTypeTable::Jpeg;
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
    stored.imagetype = PictureTypeTable::Png;
    ASSERT_EQ(stored.SaveResizeSettings(), QString());
    for (int round = 0; round < 6; ++round) {
        const QStringList pictures = Pictures(2, u"r%1-%2.jpg"_s.arg(round));
        std::array<QProcess, 2> menus;
        for (int i = 0; i < 2; ++i)
            Launch(menus[i], kMenu, u"--command 1 --wait --"_s.split(u' ') << pictures[i], {});
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
// and Escape in the dialog ends the program; a command we do not know opens
// the main window. Each time the block is left cleared.
TEST_F(TessaryStartTest, EachCommandOpensItsWindowAndAnUnknownOneTheMainWindow) {
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
    QProcess menu;
    Start(menu, 7, Pictures(1, u"a%1.jpg"_s), x.Display());
    const QString window = x.WaitForWindow(AppText::MainTitle);
    ASSERT_FALSE(window.isEmpty()) << Told(x);
    EXPECT_EQ(HandOffFlag(), 0);
    x.EndOwner(window);
    ASSERT_TRUE(menu.waitForFinished(30000));
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

// Nautilus hands a script "x%1.jpg" as "x.jpg" (another file) and
// "b%20 50%.jpg" as "b0 50jpg"; its own list of the chosen files, which
// the script is told to read, holds them as they are.
TEST_F(TessaryStartTest, ANautilusPickIsTakenFromNautilussOwnList) {
    AppSettings stored;
    stored.imagetype = PictureTypeTable::Png;
    ASSERT_EQ(stored.SaveResizeSettings(), QString());
    const QString drawn = Pictures(1, u"drawn%1.jpg"_s).first();
    QStringList uris;
    for (const QString& name : {u"x%1.jpg"_s, u"b%20 50%.jpg"_s, u"x.jpg"_s}) {
        QFile::copy(drawn, dir_.filePath(name));
        if (name != u"x.jpg"_s)
            uris << u"file://"_s +
                        QString::fromLatin1(QUrl::toPercentEncoding(dir_.filePath(name), "/"));
    }
    QStringList environment = Environment();
    environment << u"NAUTILUS_SCRIPT_SELECTED_URIS="_s + uris.join(u'\n') + u'\n';
    const QStringList arguments =
        u"--command 1 --pictures-only --nautilus --wait -- x.jpg"_s.split(u' ') << u"b0 50jpg"_s;
    const ToolRun run = RunTool(kMenu, arguments, {}, 120000, environment);
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(QDir(dir_.filePath(u"resize"_s)).entryList(QDir::Files),
              (QStringList{u"b%20 50%.png"_s, u"x%1.png"_s}));
}

// A DISPLAY that names a display that is gone (tmux, ssh): what needs no
// window runs, and a hand-off that would ask in a window says why it
// cannot, without Qt's abort or its words.
TEST_F(TessaryStartTest, AStaleDisplayNeverAbortsTheMenuProgram) {
    ASSERT_FALSE(QFileInfo::exists(u"/tmp/.X11-unix/X4242"_s));
    const QStringList environment = Environment(u":4242"_s);
    for (const QString& command : {u"--help"_s, u"--version"_s, u"--install"_s, u"--uninstall"_s}) {
        const ToolRun run = RunTool(kMenu, {command}, {}, 30000, environment);
        EXPECT_EQ(std::pair(run.exitCode, run.err), std::pair(0, QString())) << qPrintable(command);
    }
    const QString album = dir_.filePath(u"album"_s);
    QDir().mkpath(album);
    DrawPictures(album, 1, u"a%1.jpg"_s, 64, 48);
    const ToolRun asked =
        RunTool(kMenu, {u"--command"_s, u"1"_s, u"--"_s, album}, {}, 30000, environment);
    EXPECT_EQ(asked.exitCode, 1);
    EXPECT_TRUE(asked.err.contains(u"there is no screen"_s) && !asked.err.contains(u"qt."_s))
        << qPrintable(asked.err);
}

// Uninstalling leaves the home as installing found it: the settings it
// made, the folders it made for the items, and the hand-off block with the
// last pick's paths all go. With "Tessary" unticked, installing says so
// and writes nothing.
TEST_F(TessaryStartTest, UninstallLeavesTheHomeAsInstallFoundIt) {
    const QStringList environment = Environment();
    const auto everything = [this] {
        return EntriesUnder(home_.path()) + EntriesUnder(runtime_.path());
    };
    const QStringList before = everything();
    ASSERT_EQ(RunTool(kMenu, {u"--install"_s}, {}, 30000, environment).exitCode, 0);
    EXPECT_NE(everything(), before);
    const QString picture = Pictures(1, u"p%1.jpg"_s).first();
    const QStringList pick = u"--command 1 --wait --"_s.split(u' ') << picture;
    ASSERT_EQ(RunTool(kMenu, pick, {}, 120000, environment).exitCode, 0);
    EXPECT_FALSE(EntriesUnder(runtime_.path()).isEmpty()) << "a hand-off block was left";
    ASSERT_EQ(RunTool(kMenu, {u"--uninstall"_s}, {}, 30000, environment).exitCode, 0);
    EXPECT_EQ(everything(), before);

    AppSettings unticked;
    unticked.extTessary = 0;
    ASSERT_EQ(unticked.SaveMenuAndMailSettings(), QString());
    const QStringList settled = everything();
    const ToolRun run = RunTool(kMenu, {u"--install"_s}, {}, 30000, environment);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(u"\"Tessary\" is unticked"_s)) << qPrintable(run.err);
    EXPECT_EQ(everything(), settled);
}

} // namespace
