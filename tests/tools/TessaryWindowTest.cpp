// SPDX-License-Identifier: MIT
// A user's session with the real tessary on a private X server, through the
// window's own controls only: keys, the menu, the dialogs and a mouse drag.
#include "RealProgramTest.h"
#include "TestSupport.h"

#include "mail/OptionIds.h"
#include "resize/ResizeIds.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"

namespace {

// Camera pictures of different sizes, and an 8 MP photo whose name is not
// ASCII; the folder's name has a space.
const char* const kCameraPictures[] = {"jpg/Canon_40D.jpg", "jpg/Nikon_D70.jpg",
                                       "jpg/Olympus_C8080WZ.jpg", "jpg/Pentax_K10D.jpg"};
const QString kPhoto = u"été 2024.jpg"_s;
constexpr int kStartColumn = 420; // where the splitter starts
constexpr int kDragBy = 100;

int FileCount(const QString& folder) {
    return int(QDir(folder).entryList(QDir::Files).size());
}

using TessaryWindowTest = RealProgramTest;

TEST_F(TessaryWindowTest, AUserResizesReadsAboutAndSetsASubjectThroughTheWindow) {
    const QString photos = home_.filePath(u"Camera Photos"_s);
    QDir().mkpath(photos);
    for (const char* picture : kCameraPictures)
        QFile::copy(TestData(QLatin1String(picture)),
                    photos + u'/' + QFileInfo(QLatin1String(picture)).fileName());
    QFile::copy(TestData(u"hdr/canon_hdr_NO.jpg"_s), photos + u'/' + kPhoto);
    {
        AppSettings stored;
        stored.curcol = kStartColumn;
        ASSERT_EQ(stored.SaveLayoutSettings(), QString());
    }

    XServer x;
    ASSERT_TRUE(x.Running());
    QProcess tessary;
    Launch(tessary, kTessary, {}, x.Display());
    const QString window = x.WaitForWindow(AppText::MainTitle);
    ASSERT_FALSE(window.isEmpty()) << Told(x);

    // The address bar has the keyboard at the start: type the folder. Then
    // into the list, where the rows are "..", then the pictures by name.
    x.PressKey(window, u"ctrl+a"_s);
    x.Type(window, photos);
    x.PressKeys(window,
                {"Return", "Tab", "Home", "Down", "space", "Down", "space", "Down", "space"});

    // File > Resize ...: the scan, then the options, where the width is the
    // eighth stop and Resize eleven further on. The sizes differ, so the
    // dialog works in percent, and the height follows the width.
    x.PressKeys(window, {"alt+f", "Down", "Down", "Return"});
    const QString options = x.WaitForWindow(ResizeDialogText::Caption);
    ASSERT_FALSE(options.isEmpty()) << Told(x);
    x.PressKeys(options, QStringList(8, u"Tab"_s));
    x.Type(options, u"50"_s);
    x.PressKeys(options, QStringList(11, u"Tab"_s) << u"space"_s);
    const QString resized = photos + u"/resize"_s;
    ASSERT_TRUE(WaitUntil([&] { return FileCount(resized) == 3; })) << Told(x);
    ASSERT_TRUE(x.WaitUntilGone(ResizeDialogText::Caption)) << Told(x);
    for (int i = 0; i < 3; ++i) {
        const QString name = QFileInfo(QLatin1String(kCameraPictures[i])).fileName();
        const Identified source = Identify(photos + u'/' + name);
        const Identified result = Identify(resized + u'/' + name);
        EXPECT_EQ(std::tuple(result.format, result.width, result.height),
                  std::tuple(u"JPEG"_s, source.width / 2, source.height / 2))
            << qPrintable(name);
    }

    // Help > About ..., the last item; Enter is its OK.
    x.PressKeys(window, {"alt+h", "Up", "Return"});
    ASSERT_FALSE(x.WaitForWindow(u"About Tessary"_s).isEmpty()) << Told(x);
    x.PressKey(x.WaitForWindow(u"About Tessary"_s), u"Return"_s);
    ASSERT_TRUE(x.WaitUntilGone(u"About Tessary"_s)) << Told(x);

    // Edit > Option ...: the subject is one stop from the start; Enter is OK.
    const QString subject = u"Photos: %F"_s;
    x.PressKeys(window, {"alt+e", "Down", "Down", "Down", "Down", "Return"});
    const QString sheet = x.WaitForWindow(OptionText::SheetCaption);
    ASSERT_FALSE(sheet.isEmpty()) << Told(x);
    x.PressKey(sheet, u"Tab"_s);
    x.Type(sheet, subject);
    x.PressKey(sheet, u"Return"_s);
    ASSERT_TRUE(x.WaitUntilGone(OptionText::SheetCaption)) << Told(x);

    // The list pane made narrower by its splitter, the photo previewed, then
    // a window of a new size.
    x.Drag(window, QPoint(kStartColumn + 2, 400), QPoint(kStartColumn + 2 - kDragBy, 400));
    x.PressKeys(window, {"Down"});
    const QSize restored(1000, 740);
    x.Resize(window, restored);

    // File > Exit, the last item.
    x.PressKeys(window, {"alt+f", "Up", "Return"});
    ASSERT_TRUE(tessary.waitForFinished(30000)) << Told(x);
    EXPECT_EQ(tessary.exitCode(), 0);

    const AppSettings stored;
    EXPECT_EQ(stored.LastBrowsePIDL.toStdString(), photos.toStdString());
    EXPECT_NEAR(stored.curcol, kStartColumn - kDragBy, 3);
    EXPECT_EQ(stored.windowPlacement.right - stored.windowPlacement.left, restored.width());
    EXPECT_EQ(stored.windowPlacement.bottom - stored.windowPlacement.top, restored.height());
    EXPECT_EQ(stored.mailSubject.toStdString(), subject.toStdString());
    EXPECT_GT(stored.columnWidth[0], 0);
}

} // namespace
