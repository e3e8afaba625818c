// SPDX-License-Identifier: MIT
#include "Controls.h"
#include "TestSupport.h"

#include "resize/BatchRun.h"
#include "resize/OverwriteConfirmDialog.h"
#include "resize/ProgressDialog.h"
#include "resize/ResizeIds.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

namespace {

TEST(OverwriteConfirmDialogTest, EachButtonGivesItsAnswerAndEscapeLeavesAsk) {
    const std::pair<int, int> buttons[] = {{ConfirmDialogId::YesToAll, AnswerYesToAll},
                                           {ConfirmDialogId::Yes, AnswerYes},
                                           {ConfirmDialogId::No, AnswerNo},
                                           {ConfirmDialogId::NoToAll, AnswerNoToAll}};
    for (const auto& [id, answer] : buttons) {
        OverwriteConfirmDialog dialog(u"/p/a.jpg"_s, nullptr);
        dialog.SetQuestion(u"Do you want to overwrite this file?"_s);
        QTimer::singleShot(0, &dialog, [&, id = id] {
            QTest::mouseClick(Control<QPushButton>(&dialog, id), Qt::LeftButton);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_EQ(dialog.answer, answer) << id;
    }
    OverwriteConfirmDialog dialog(u"/p/a.jpg"_s, nullptr);
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(dialog.focusWidget(), Control<QPushButton>(&dialog, ConfirmDialogId::Yes));
        EXPECT_TRUE(Control<QPushButton>(&dialog, ConfirmDialogId::Yes)->isDefault());
        EXPECT_EQ(Control<QLabel>(&dialog, ConfirmDialogId::Path)->text(), u"/p/a.jpg"_s);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    dialog.exec();
    EXPECT_EQ(dialog.answer, AnswerAsk);
    EXPECT_EQ(dialog.windowTitle(), u"Tessary Confirm"_s);
}

// In a folder of wide characters the status line fits its label and keeps
// the end that tells the pictures apart.
TEST(ProgressDialogTest, AScanClosesWithOkAndHandsOnTheSummary) {
    QTemporaryDir dir;
    AppSettings settings;
    const QString photos = dir.filePath(QString(30, QChar(0x5199)));
    QDir().mkpath(photos);
    settings.PictureList = DrawPictures(photos, 3, u"p%1.jpg"_s, 64, 48);
    ProgressDialog dialog(settings);
    QFont large = dialog.font();
    large.setPixelSize(24); // as wide as such characters are on a real desktop
    dialog.setFont(large);
    dialog.mode = ProgressDialog::ScanMode;
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.windowTitle(), u"Reading Pictures Information"_s);
    QProgressBar* bar = Control<QProgressBar>(&dialog, ProgressDialogId::Progress);
    EXPECT_EQ(std::tuple(dialog.pictureWidth, dialog.pictureHeight, settings.AnyJpegSource,
                         bar->maximum(), bar->value()),
              std::tuple(64, 48, 1u, 3, 2));
    const QLabel* status = Control<QLabel>(&dialog, ProgressDialogId::Status);
    EXPECT_TRUE(status->text().startsWith(u"Reading : "_s)) << qPrintable(status->text());
    EXPECT_TRUE(status->text().endsWith(u"/p2.jpg"_s)) << qPrintable(status->text());
    EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()),
              status->contentsRect().width());

    // More pictures than 16 bits count, none of them there: the bar still
    // spans them all.
    AppSettings gone;
    gone.PictureList = QStringList(65'537, dir.filePath(u"gone.jpg"_s));
    ProgressDialog none(gone);
    none.mode = ProgressDialog::ScanMode;
    EXPECT_EQ(none.exec(), QDialog::Accepted);
    EXPECT_EQ(none.Summary().pictureWidth, 0);
    EXPECT_EQ(Control<QProgressBar>(&none, ProgressDialogId::Progress)->maximum(), 65'537);
}

// Cancel stops the batch between pictures: the dialog is rejected, the
// pictures not yet begun are never written, and what was written is whole
// (the old result too: the Yes given in the question reached the worker).
// Closed while the first picture's question is open (from the taskbar), the
// batch ends at once and no picture after it is begun.
TEST(ProgressDialogTest, CancellingARunningBatchStopsItAndLeavesOnlyWholeResults) {
    QTemporaryDir dir;
    AppSettings settings;
    settings.PictureList = CopyPhotos(u"iphone_hdr_NO.jpg"_s, dir.path(), 8, u"photo%1.jpg"_s);
    settings.dest = dir.filePath(u"out"_s);
    settings.wpercent = settings.hpercent = 1;
    settings.width = settings.height = 90;
    for (const int step : {0, 3, 6}) {
        QDir(settings.dest).removeRecursively();
        const QString old = WriteFile(dir.filePath(u"out/photo0.jpg"_s), "old");
        ProgressDialog dialog(settings);
        dialog.mode = ProgressDialog::ResizeMode;
        const auto cancel = [&dialog] {
            QTest::mouseClick(Control<QPushButton>(&dialog, ProgressDialogId::Cancel),
                              Qt::LeftButton);
        };
        const WhenShown<OverwriteConfirmDialog> question([&](OverwriteConfirmDialog* asked) {
            if (step == 0)
                dialog.close();
            else
                QTest::mouseClick(Control<QPushButton>(asked, ConfirmDialogId::Yes),
                                  Qt::LeftButton);
        });
        QObject::connect(Control<QProgressBar>(&dialog, ProgressDialogId::Progress),
                         &QProgressBar::valueChanged, &dialog, [&](int value) {
                             if (step > 0 && value == step)
                                 cancel();
                         });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected) << "cancelled at " << step;
        const QFileInfoList written = QDir(settings.dest).entryInfoList(QDir::Files | QDir::Hidden);
        if (step == 0) {
            EXPECT_EQ(std::pair(int(written.size()), ReadFile(old)), std::pair(1, "old"_ba));
            continue;
        }
        for (const QFileInfo& out : written)
            ASSERT_TRUE(DecodesCleanly(out.filePath()))
                << "cancelled at " << step << ": " << qPrintable(out.fileName());
        QDir(settings.dest).removeRecursively();
    }
}

// A batch run as the commands run it: the pictures that failed are shown
// once, with why, and then the mail is tried, saying why it cannot go.
TEST(BatchRunTest, TheFailuresAreShownOnceAndThenTheMailSaysWhyItCannotGo) {
    QTemporaryDir dir;
    AppSettings settings;
    settings.PictureList = {DrawPictures(dir.path(), 1, u"good%1.png"_s).first(),
                            WriteFile(dir.filePath(u"bad.jpg"_s), "not a picture")};
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8()); // no xdg-email
    QStringList shown;
    const WhenShown<QMessageBox> user([&shown](QMessageBox* box) {
        shown << box->text() + box->informativeText();
        box->accept();
    });
    EXPECT_TRUE(BatchRun(settings, nullptr).Resize(true));
    qputenv("PATH", path);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith(u"One picture could not be processed:"_s + dir.path()))
        << qPrintable(shown[0]);
    EXPECT_TRUE(shown[1].contains(u"xdg-email"_s)) << qPrintable(shown[1]);

    // With further outputs the failures are of results, each named.
    shown.clear();
    settings.also = u"imagetype=4,wpercent=0,width=300"_s;
    EXPECT_TRUE(BatchRun(settings, nullptr).Resize(false));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(u"3 results could not be made:"_s)) << qPrintable(shown[0]);
    EXPECT_TRUE(shown[0].contains(u"(output 2, good0.ico): an icon"_s)) << qPrintable(shown[0]);
}

} // namespace
