// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "browse/ShellNamespace.h"
#include "frame/FrameIds.h"
#include "frame/MainFrame.h"
#include "preview/TessaryDoc.h"
#include "settings/AppSettings.h"
#include "settings/Placement.h"

#include <QAction>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

// Only View > Toolbar and View > Status Bar hide the bars, for this run
// only.
TEST(MainFrameTest, TheViewItemsHideTheBarsForThisRunOnly) {
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
    CMainFrame frame(settings, document, shell);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_TRUE(frame.MainToolBar()->isVisible()) << "the toolbar state is not stored";
}

// A placement stored on a larger screen, and the first size when none is
// stored, open whole on the screen the window opens on, status bar and all.
TEST(MainFrameTest, TheWindowOpensWholeOnTheScreenItOpensOn) {
    CTessaryDoc document;
    const ShellNamespace shell;
    for (const bool stored : {true, false}) {
        AppSettings settings;
        settings.hasWindowPlacement = stored;
        settings.windowPlacement = MakePlacement(QRect(40, 30, 1600, 980), false);
        CMainFrame frame(settings, document, shell);
        frame.ApplyPlacement();
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        const QRect screen = frame.screen()->availableGeometry();
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen.contains(frame.frameGeometry()); }))
            << stored;
    }
}

} // namespace
