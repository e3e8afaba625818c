// SPDX-License-Identifier: MIT
#include "Controls.h"
#include "TestSupport.h"

#include "app/AboutDialog.h"
#include "app/AppIds.h"
#include "browse/ShellNamespace.h"
#include "frame/FrameIds.h"
#include "frame/MainFrame.h"
#include "preview/TessaryDoc.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
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

TEST(AboutDialogTest, ShowsTheProductInALargerBoldFontTheVersionAndTheLicence) {
    AppSettings settings;
    settings.versionText = AppText::VersionText;
    AboutDialog dialog(settings);
    QLabel* product = Control<QLabel>(&dialog, AboutId::ProductName);
    const QFont base = QLabel().font();
    EXPECT_EQ(product->font().family(), base.family());
    EXPECT_EQ(product->font().pointSize(), int(base.pointSizeF() * 1.5));
    EXPECT_TRUE(product->font().bold());
    EXPECT_EQ(Control<QLabel>(&dialog, AboutId::Version)->text(), u"v4.2.1197"_s);
    EXPECT_TRUE(dialog.findChild<QPlainTextEdit*>()->toPlainText().startsWith(u"MIT License"_s));
    QFont pixels;
    pixels.setPixelSize(13);
    EXPECT_EQ(ProductNameFont(pixels).pixelSize(), 19) << "1.5 times, cut to a whole number";
}

// Only View > Toolbar and View > Status Bar hide the bars, for this run
// only; the bars have no menu of their own, cannot be moved, and only the
// buttons with a tooltip of their own show one.
TEST(MainFrameTest, OnlyTheViewItemsHideTheBarsAndNothingMovesThem) {
    CTessaryDoc document;
    const ShellNamespace shell;
    {
        AppSettings settings;
        CMainFrame frame(settings, document, shell);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        QAction* toolbar = frame.Action(CommandId::ViewToolbar);
        EXPECT_TRUE(toolbar->isChecked());
        toolbar->trigger();
        EXPECT_FALSE(frame.MainToolBar()->isVisible());
        EXPECT_FALSE(toolbar->isChecked());
        frame.Action(CommandId::ViewStatusBar)->trigger();
        EXPECT_FALSE(frame.statusBar()->isVisible());
        frame.close();
    }
    AppSettings settings;
    ExposedFrame frame(settings, document, shell);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_TRUE(frame.MainToolBar()->isVisible()) << "the toolbar state is not stored";
    EXPECT_EQ(frame.MainToolBar()->actions().size(), 6);
    for (QToolBar* bar : frame.findChildren<QToolBar*>())
        EXPECT_FALSE(bar->isMovable() || bar->isFloatable()) << qPrintable(bar->objectName());
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
