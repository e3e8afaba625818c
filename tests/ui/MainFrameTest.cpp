// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "Controls.h"

#include "batch/ResizeJob.h"
#include "browse/ShellNamespace.h"
#include "frame/FrameIds.h"
#include "frame/MainFrame.h"
#include "preview/TessaryDoc.h"
#include "resize/ResizeIds.h"
#include "settings/AppSettings.h"
#include "settings/Placement.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

class YesToAll : public ConfirmationPrompt {
public:
    int Ask(const QString&, const QString&) override { return AnswerYesToAll; }
};

// A main window on the given settings, shown as the user sees it.
class MainFrameTest : public testing::Test {
protected:
    std::unique_ptr<CMainFrame> Shown(AppSettings& settings, bool place = false) {
        auto frame = std::make_unique<CMainFrame>(settings, document_, shell_);
        if (place)
            frame->ApplyPlacement();
        frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        return frame;
    }
    CTessaryDoc document_;
    const ShellNamespace shell_;
};

// Only View > Toolbar and View > Status Bar hide the bars, for this run
// only.
TEST_F(MainFrameTest, TheViewItemsHideTheBarsForThisRunOnly) {
    {
        AppSettings settings;
        const auto frame = Shown(settings);
        QAction* toolbar = frame->Action(CommandId::ViewToolbar);
        EXPECT_TRUE(toolbar->isChecked());
        toolbar->trigger();
        EXPECT_EQ(std::pair(frame->MainToolBar()->isVisible(), toolbar->isChecked()),
                  std::pair(false, false));
        frame->Action(CommandId::ViewStatusBar)->trigger();
        EXPECT_FALSE(frame->statusBar()->isVisible());
        frame->close();
    }
    AppSettings settings;
    EXPECT_TRUE(Shown(settings)->MainToolBar()->isVisible()) << "the toolbar state is not stored";
}

// A placement stored on a larger screen, and the first size when none is
// stored, open whole on the screen the window opens on, status bar and all.
TEST_F(MainFrameTest, TheWindowOpensWholeOnTheScreenItOpensOn) {
    for (const bool stored : {true, false}) {
        AppSettings settings;
        settings.hasWindowPlacement = stored;
        settings.windowPlacement = MakePlacement(QRect(40, 30, 1600, 980), false);
        const auto frame = Shown(settings, true);
        const QRect screen = frame->screen()->availableGeometry();
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen.contains(frame->frameGeometry()); }))
            << stored;
    }
}

// File > Undo Last Batch is off while there is no batch to undo; once
// there is, it asks before it does anything, and Undo puts the pictures a
// batch wrote over back as they were.
TEST_F(MainFrameTest, UndoLastBatchAsksFirstAndPutsThePicturesBack) {
    AppSettings settings;
    const auto frame = Shown(settings);
    QAction* undo = frame->Action(CommandId::UndoLastBatch);
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text(), QString(kUndoLastBatchText));
    QMenu* file = qobject_cast<QMenu*>(undo->associatedObjects().value(0));
    ASSERT_NE(file, nullptr);
    Q_EMIT file->aboutToShow();
    EXPECT_FALSE(undo->isEnabled());

    QTemporaryDir dir;
    const QStringList pictures = DrawPictures(dir.path(), 2, u"p%1.png"_s);
    const QByteArray before = FileHash(pictures[0]);
    ResizeSettings s;
    s.override = 1;
    YesToAll yes;
    ResizeJob job(s, pictures, yes);
    job.Run();
    ASSERT_NE(FileHash(pictures[0]), before);
    Q_EMIT file->aboutToShow();
    EXPECT_TRUE(undo->isEnabled());
    for (const bool confirm : {false, true}) {
        QString asked;
        const WhenShown<QMessageBox> answer([&](QMessageBox* box) {
            asked = box->text() + u'\n' + box->informativeText();
            for (QAbstractButton* button : box->buttons())
                if (button->text() ==
                    (confirm ? UndoText::Undo : box->button(QMessageBox::Cancel)->text()))
                    button->click();
        });
        undo->trigger();
        EXPECT_EQ(asked, UndoText::Question + u"\n2 files come back from the Trash."_s);
        EXPECT_EQ(FileHash(pictures[0]) == before, confirm);
    }
    Q_EMIT file->aboutToShow();
    EXPECT_FALSE(undo->isEnabled());
}

} // namespace
