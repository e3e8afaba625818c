// SPDX-License-Identifier: MIT
#include "Controls.h"
#include "TestSupport.h"

#include "app/AboutDialog.h"
#include "app/AppIds.h"
#include "app/AppSettings.h"
#include "app/Placement.h"
#include "browse/FileListModel.h"
#include "browse/FileListView.h"
#include "frame/FrameIds.h"
#include "frame/MainFrame.h"
#include "preview/ScrollPictureView.h"
#include "preview/TessaryDoc.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>

namespace {

// Opens the frame's protected bar menu to the test.
class ExposedFrame : public CMainFrame {
public:
    using CMainFrame::CMainFrame;
    QMenu* Popup() { return createPopupMenu(); }
};

TEST(MainFrameTest, TheMenuHoldsEveryItemInOrderWithItsSeparators) {
    AppSettings settings;
    CTessaryDoc document;
    CMainFrame frame(settings, document);
    EXPECT_EQ(frame.windowTitle(), u"Tessary"_s);
    QStringList shown;
    for (QAction* top : frame.menuBar()->actions()) {
        shown << top->text();
        for (QAction* item : top->menu()->actions())
            shown << (item->isSeparator() ? u"-"_s : item->objectName() + u' ' + item->text());
    }
    EXPECT_EQ(shown.join(u'|'), u"&File|32797 Up Folder|32773 Mark|32774 Resize ...|-|"
                                "32777 Mail To ...|-|57665 E&xit|"
                                "&Edit|57634 &Copy To ...|32776 Move To ...|57642 Select All|"
                                "32798 Refresh|-|32787 Option ...|"
                                "&View|59392 &Toolbar|59393 &Status Bar|"
                                "&Help|32793 Visit my web|32802 Check the new version ...|-|"
                                "32789 Mail to me|32791 Bug report|-|57664 &About ..."_s);
    EXPECT_EQ(frame.Action(CommandId::SelectAll)->shortcut(), QKeySequence(u"Ctrl+A"_s));
    EXPECT_TRUE(frame.Action(CommandId::About)->isEnabled());
    EXPECT_TRUE(frame.Action(CommandId::Exit)->isEnabled());
}

TEST(MainFrameTest, ClosingStoresThePlacementThatTheNextStartApplies) {
    CTessaryDoc document;
    {
        AppSettings settings;
        CMainFrame frame(settings, document);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        frame.setGeometry(110, 90, 700, 500);
        frame.Action(CommandId::Exit)->trigger();
        EXPECT_FALSE(frame.isVisible());
    }
    AppSettings settings; // loads what the close stored
    ASSERT_TRUE(settings.hasWindowPlacement);
    EXPECT_EQ(settings.windowPlacement.showCmd, ShowCommand::Normal);
    CMainFrame frame(settings, document);
    frame.ApplyPlacement();
    EXPECT_EQ(frame.geometry(), QRect(110, 90, 700, 500));
}

TEST(MainFrameTest, OpenedFilesShowTheirFolderWithThePicturesMarkedAndTheFirstPreviewed) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"Holiday photos"_s);
    QDir().mkpath(folder);
    for (const char* name : {"Canon_40D.jpg", "Nikon_D70.jpg", "Pentax_K10D.jpg"})
        QFile::copy(TestData(u"jpg/"_s + QLatin1String(name)), folder + u'/' + QLatin1String(name));
    AppSettings settings;
    CTessaryDoc document;
    CMainFrame frame(settings, document);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    const QString first = folder + u"/Nikon_D70.jpg"_s;
    const QString notes = dir.filePath(u"notes.txt"_s);
    frame.OpenWith({first, folder + u"/Canon_40D.jpg"_s, notes});

    EXPECT_EQ(settings.LastBrowsePIDL.toStdString(), folder.toStdString()) << "the bar follows";
    const FileListModel& model = frame.FileList()->Model();
    QStringList marked;
    for (int i = 0; i < model.rowCount(); ++i)
        if (model.IsMarked(i))
            marked << model.Row(i)->name;
    EXPECT_EQ(marked.join(u' ').toStdString(), "Canon_40D.jpg Nikon_D70.jpg");
    EXPECT_EQ(model.Row(frame.FileList()->currentIndex().row())->name.toStdString(),
              "Nikon_D70.jpg");
    EXPECT_EQ(frame.Preview()->picturePath.toStdString(), first.toStdString());
    EXPECT_TRUE(frame.statusBar()->currentMessage().contains(notes))
        << frame.statusBar()->currentMessage().toStdString();
}

TEST(AboutDialogTest, ShowsTheProductInALargerBoldFontTheVersionAndTheLicence) {
    AppSettings settings;
    settings.versionText = AppText::VersionText;
    AboutDialog dialog(settings);
    EXPECT_EQ(dialog.objectName(), u"100"_s);
    QLabel* product = Control<QLabel>(&dialog, AboutId::ProductName);
    EXPECT_EQ(product->text(), u"Tessary"_s);
    const QFont base = QLabel().font();
    EXPECT_EQ(product->font().family(), base.family());
    EXPECT_EQ(product->font().pointSize(), int(base.pointSizeF() * 1.5));
    EXPECT_TRUE(product->font().bold());
    EXPECT_EQ(Control<QLabel>(&dialog, AboutId::Version)->text(), u"v4.2.1197"_s);
    QPlainTextEdit* licence = dialog.findChild<QPlainTextEdit*>();
    ASSERT_NE(licence, nullptr);
    EXPECT_TRUE(licence->toPlainText().startsWith(u"MIT License"_s));

    QFont pixels;
    pixels.setPixelSize(13);
    EXPECT_EQ(ProductNameFont(pixels).pixelSize(), 19) << "1.5 times, cut to a whole number";
}

TEST(MainFrameTest, OnlyTheViewItemsHideTheBarsAndNothingMovesThem) {
    CTessaryDoc document;
    {
        AppSettings settings;
        CMainFrame frame(settings, document);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        QAction* toolbar = frame.Action(CommandId::ViewToolbar);
        EXPECT_TRUE(toolbar->isChecked());
        toolbar->trigger();
        EXPECT_FALSE(frame.MainToolBar()->isVisible());
        EXPECT_FALSE(toolbar->isChecked());
        frame.Action(CommandId::ViewStatusBar)->trigger();
        EXPECT_FALSE(frame.statusBar()->isVisible());
        // The list pane dragged to 300 pixels is stored at closing.
        frame.Splitter()->setSizes({300, 600});
        frame.close();
    }
    AppSettings settings;
    EXPECT_EQ(settings.curcol, 300);
    ExposedFrame frame(settings, document);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_TRUE(frame.MainToolBar()->isVisible()) << "the toolbar state is not stored";
    EXPECT_EQ(frame.Splitter()->sizes().value(0), 300);
    EXPECT_EQ(frame.MainToolBar()->actions().size(), 6);
    EXPECT_EQ(frame.MainToolBar()->actions()[1]->toolTip(), u"Tessary"_s);
    EXPECT_EQ(frame.NavigationToolBar()->actions()[1]->toolTip(), u"Refresh"_s);

    // The bars stay in place, have no menu of their own, and Up Folder no tooltip.
    for (QToolBar* bar : frame.findChildren<QToolBar*>()) {
        EXPECT_FALSE(bar->isMovable()) << qPrintable(bar->objectName());
        EXPECT_FALSE(bar->isFloatable()) << qPrintable(bar->objectName());
    }
    EXPECT_EQ(frame.Popup(), nullptr);
    for (int i : {0, 1}) {
        QWidget* button =
            frame.NavigationToolBar()->widgetForAction(frame.NavigationToolBar()->actions()[i]);
        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(button, &help);
        EXPECT_EQ(QToolTip::isVisible(), i == 1) << i;
        QToolTip::hideText();
    }
}

} // namespace
