// SPDX-License-Identifier: MIT
// Renders the dialogs as a user sees them. With TESSARY_SCREENSHOTS set to
// a folder the pictures are kept there for a person to look at.
#include "Controls.h"
#include "TestSupport.h"

#include "app/AboutDialog.h"
#include "app/AppIds.h"
#include "app/AppSettings.h"
#include "frame/MainFrame.h"
#include "mail/DlgOptionSheet.h"
#include "platform/FileOperationWindow.h"
#include "preview/ScrollPictureView.h"
#include "preview/TessaryDoc.h"
#include "resize/ProgressDialog.h"
#include "resize/ResizeDialog.h"
#include "resize/ResizeIds.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Saves a grab of the widget and checks it is a real picture, not a blank.
void Keep(QWidget* widget, const QString& name) {
    const QImage image = widget->grab().toImage();
    ASSERT_FALSE(image.isNull());
    int colours = 0;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height() && colours == 0; y += 7)
        for (int x = 0; x < image.width(); x += 7)
            if (image.pixel(x, y) != first) {
                ++colours;
                break;
            }
    EXPECT_GT(colours, 0) << qPrintable(name) << " is blank";
    const QString folder = qEnvironmentVariable("TESSARY_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        image.save(QDir(folder).filePath(name));
    }
}

TEST(ScreenshotTest, ResizeDialogWithDefaultsAndWithAMismatch) {
    AppSettings settings;
    settings.AnyJpegSource = 1;
    {
        ResizeDialog dialog(settings);
        dialog.SetSummary({3264, 2448, 72, 72});
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        Keep(&dialog, QStringLiteral("resize-dialog.png"));
    }
    settings.wpercent = settings.hpercent = 0;
    settings.width = settings.height = 800;
    settings.image_set_dpi = 1;
    ResizeDialog dialog(settings);
    dialog.SetSummary({640, 480, 72, 0});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    Keep(&dialog, QStringLiteral("resize-dialog-mismatch.png"));
}

TEST(ScreenshotTest, ProgressDialogInTheMiddleOfABatch) {
    QTemporaryDir dir;
    AppSettings settings;
    settings.PictureList = CopyPhotos(QStringLiteral("iphone_hdr_NO.jpg"), dir.path(), 6,
                                      QStringLiteral("holiday-%1.jpg"));
    settings.dest = dir.filePath(QStringLiteral("out"));
    ProgressDialog dialog(settings);
    dialog.mode = ProgressDialog::ResizeMode;
    dialog.setWindowModality(Qt::NonModal);
    QTimer::singleShot(250, &dialog, [&dialog] {
        Keep(&dialog, QStringLiteral("progress-dialog.png"));
        QTest::mouseClick(Control<QPushButton>(&dialog, ProgressDialogId::Cancel), Qt::LeftButton);
    });
    dialog.exec();
}

TEST(ScreenshotTest, PreviewPaneWithAndWithoutExif) {
    QTemporaryDir dir;
    const QString camera = TestData(QStringLiteral("jpg/Canon_40D.jpg"));
    const QString plain = dir.filePath(QStringLiteral("no-exif.png"));
    RunTool(QStringLiteral("convert"),
            {TestData(QStringLiteral("hdr/canon_hdr_NO.jpg")), QStringLiteral("-strip"), plain});
    const QString portrait = dir.filePath(QStringLiteral("portrait.jpg"));
    RunTool(QStringLiteral("vips"),
            {QStringLiteral("rot"), TestData(QStringLiteral("hdr/iphone_hdr_NO.jpg")), portrait,
             QStringLiteral("d90")});
    // A phone photo as the phone stores it: HEIC with the camera's EXIF.
    const QString heic = dir.filePath(QStringLiteral("phone.heic"));
    RunTool(QStringLiteral("vips"),
            {QStringLiteral("copy"), TestData(QStringLiteral("jpg/canon-ixus.jpg")), heic});
    struct Shot {
        QString picture;
        QSize pane;
        bool scrolledToEnd;
        const char* name;
    } const shots[] = {
        {camera, {480, 760}, false, "preview-exif.png"},
        {plain, {480, 560}, false, "preview-no-exif.png"},
        {portrait, {480, 1100}, false, "preview-portrait.png"},
        {camera, {480, 420}, true, "preview-scrolled-to-end.png"},
        {heic, {480, 760}, false, "preview-heic.png"},
    };
    for (const Shot& shot : shots) {
        CScrollPictureView view;
        view.resize(shot.pane);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.SetPicturePath(shot.picture);
        view.LoadPicture();
        view.grab();      // the first paint sets the scroll range
        QTest::qWait(50); // and the scroll bars show
        if (shot.scrolledToEnd) {
            EXPECT_TRUE(view.verticalScrollBar()->isVisible());
            view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        }
        Keep(&view, QString::fromLatin1(shot.name));
    }
}

TEST(ScreenshotTest, OptionSheetPages) {
    AppSettings settings;
    settings.mailSubject = QStringLiteral("Photos from the weekend");
    settings.mailBody = QStringLiteral("Hello,\r\n\r\nhere are the pictures.\r\n\r\nAnn");
    CDlgOptionSheet sheet(settings);
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    Keep(&sheet, QStringLiteral("options-mail.png"));
    sheet.Tabs()->setCurrentIndex(1);
    QCoreApplication::processEvents();
    Keep(&sheet, QStringLiteral("options-menu.png"));
}

TEST(ScreenshotTest, TheReplaceQuestionAndTheCopyProgress) {
    QWidget owner;
    owner.resize(600, 400);
    FileOperationWindow window(FileOperation::Copy, &owner);
    QTimer::singleShot(300, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Keep(box, QStringLiteral("replace-question.png"));
            box->reject();
        }
    });
    window.AskReplace(QStringLiteral("/home/ann/Pictures/holiday-01.jpg"),
                      QStringLiteral("/media/ann/USB/holiday-01.jpg"));
    // Far enough into a long copy for its window to show.
    window.Progress(0, 100, QStringLiteral("/home/ann/Pictures/holiday-01.jpg"));
    QTest::qWait(700);
    window.Progress(42, 100, QStringLiteral("/home/ann/Pictures/holiday-07.jpg"));
    QTest::qWait(50);
    QProgressDialog* progress = owner.findChild<QProgressDialog*>();
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(progress->isVisible());
    Keep(progress, QStringLiteral("copy-progress.png"));
}

TEST(ScreenshotTest, MainWindowAndAboutDialog) {
    AppSettings settings;
    settings.versionText = AppText::VersionText;
    CTessaryDoc document;
    CMainFrame frame(settings, document);
    frame.resize(900, 600);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    Keep(&frame, QStringLiteral("main-window.png"));
    AboutDialog about(settings, &frame);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    Keep(&about, QStringLiteral("about-dialog.png"));
}

} // namespace
