// SPDX-License-Identifier: MIT
#include "Controls.h"
#include "TestSupport.h"

#include "browse/AddressBar.h"
#include "browse/FileListModel.h"
#include "browse/FileListView.h"
#include "browse/LocaleFormats.h"
#include "browse/ShellNamespace.h"
#include "browse/SortHeaderCtrl.h"
#include "browse/ThumbnailCache.h"
#include "browse/ThumbnailLoader.h"
#include "browse/ThumbnailView.h"
#include "codec/Image.h"
#include "frame/FrameIds.h"
#include "frame/MainFrame.h"
#include "preview/FullScreenView.h"
#include "preview/ScrollPictureView.h"
#include "preview/TessaryDoc.h"
#include "settings/AppSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace {

// The list, the preview and the address bar as the main window wires them,
// on a folder of our own.
class FileListViewTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = dir_.filePath(u"Photos"_s);
        QDir().mkpath(folder_ + u"/Sub"_s);
        for (const char* name : {"Canon_40D.jpg", "Nikon_D70.jpg", "Pentax_K10D.jpg"})
            CopyInto(TestData(u"jpg/"_s + QLatin1String(name)), folder_);
        QFile::copy(TestData(u"hdr/canon_hdr_NO.jpg"_s), folder_ + u"/big.jpg"_s);
        settings_.LastBrowsePIDL = folder_;
        frame_ = std::make_unique<CMainFrame>(settings_, document_, shell_);
        bar_ = frame_->Address();
        list_ = frame_->FileList();
        preview_ = frame_->Preview();
        frame_->resize(1200, 600);
        frame_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
    }
    QStringList Names() const {
        QStringList names;
        for (const FileItem& row : list_->Model().Rows())
            names << row.name;
        return names;
    }
    int RowOf(const QString& name) const { return int(Names().indexOf(name)); }
    QString In(const QString& name) const { return folder_ + u'/' + name; }
    void Mark(const char* name) {
        list_->Model().setData(list_->Model().index(RowOf(QLatin1String(name)), 0), Qt::Checked,
                               Qt::CheckStateRole);
    }
    QPoint Cell(int row, int column = 0) const {
        return list_->visualRect(list_->Model().index(row, column)).center();
    }
    // Gives the window the keyboard, for the menu's keys.
    void Activate() {
        frame_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    }
    bool Previewed() const { return preview_->picture->GetXImage()->IsValid(); }
    void ClickHeader(int column) {
        SortHeaderCtrl& header = list_->Header();
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(column) + 10, header.height() / 2));
    }

    QTemporaryDir dir_;
    QString folder_;
    AppSettings settings_;
    const ShellNamespace shell_;
    CTessaryDoc document_;
    std::unique_ptr<CMainFrame> frame_;
    AddressBar* bar_ = nullptr;
    CFileListView* list_ = nullptr;
    CScrollPictureView* preview_ = nullptr;
};

// The header sorts: a second click on a column turns its order, another
// column starts ascending; ".." and the folders stay on top.
TEST_F(FileListViewTest, OpensTheLastFolderWithItsParentRowAndSortsByTheHeader) {
    EXPECT_EQ(document_.fileListView, list_);
    EXPECT_EQ(Names(), (QStringList{"..", "Sub", "Canon_40D.jpg", "Nikon_D70.jpg",
                                    "Pentax_K10D.jpg", "big.jpg"}));
    // A picture's row never shows the blank page of an unknown file.
    const QImage blank =
        QApplication::style()->standardIcon(QStyle::SP_FileIcon).pixmap(16).toImage();
    const auto icon = list_->Model()
                          .data(list_->Model().index(RowOf("big.jpg"), 0), Qt::DecorationRole)
                          .value<QIcon>();
    EXPECT_NE(icon.pixmap(16).toImage(), blank);
    ClickHeader(1);
    ClickHeader(1);
    EXPECT_EQ(std::pair(list_->Header().sortColumn, list_->Header().ascending),
              std::pair(1, false));
    EXPECT_EQ(Names().mid(0, 3), (QStringList{"..", "Sub", "big.jpg"}));
    ClickHeader(2);
    EXPECT_EQ(std::pair(list_->Header().sortColumn, list_->Header().ascending), std::pair(2, true));
}

TEST_F(FileListViewTest, ClicksAndKeysDriveThePreviewAndFoldersCannotBeMarked) {
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Nikon_D70.jpg")));
    EXPECT_EQ(preview_->picturePath, In(u"Nikon_D70.jpg"_s));
    EXPECT_TRUE(preview_->picture->GetXImage()->IsValid());
    QTest::keyClick(list_, Qt::Key_Down);
    EXPECT_EQ(preview_->picturePath, In(u"Pentax_K10D.jpg"_s));
    // The other keys that move show the picture they reach.
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(2));
    QTest::keyClick(list_, Qt::Key_End);
    EXPECT_EQ(preview_->picturePath, In(Names().last()));
    QTest::keyClick(list_, Qt::Key_PageUp); // onto "..": the last picture stays
    EXPECT_EQ(preview_->picturePath, In(Names().last()));
    // Up onto a folder clears the preview.
    list_->setCurrentIndex(list_->Model().index(RowOf("Canon_40D.jpg"), 0));
    QTest::keyClick(list_, Qt::Key_Up);
    EXPECT_TRUE(preview_->picturePath.isEmpty());
    EXPECT_FALSE(preview_->picture->GetXImage()->IsValid());

    // A folder's mark clears itself; Select All then Mark turns the mark
    // of every picture and of no folder.
    Mark("Sub");
    Mark("big.jpg");
    list_->OnSelectAll();
    list_->OnMark();
    for (int i = 0; i < list_->Model().rowCount(); ++i) {
        const FileItem* row = list_->Model().Row(i);
        EXPECT_EQ(list_->Model().IsMarked(i), !row->isFolder && row->name != "big.jpg"_L1)
            << qPrintable(row->name);
    }

    // A sort keeps the selected and current row, so the keys go on from it.
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Nikon_D70.jpg")));
    ClickHeader(1);
    const int nikon = RowOf("Nikon_D70.jpg");
    EXPECT_EQ(list_->currentIndex().row(), nikon);
    EXPECT_TRUE(list_->selectionModel()->isRowSelected(nikon));
    QTest::keyClick(list_, Qt::Key_Down);
    EXPECT_EQ(preview_->picturePath, In(Names()[nikon + 1]));

    // A picture removed after listing leaves the last preview as it was;
    // after Refresh, its row and its preview are gone together.
    QFile::remove(In(u"Pentax_K10D.jpg"_s));
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Pentax_K10D.jpg")));
    EXPECT_TRUE(preview_->picture->GetXImage()->IsValid());
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("big.jpg")));
    QFile::remove(In(u"big.jpg"_s));
    list_->OnRefresh();
    EXPECT_EQ(RowOf("big.jpg"), -1);
    EXPECT_FALSE(preview_->picture->GetXImage()->IsValid());
}

// The grid is a second view of the same rows: a click there previews and
// selects for the list too, the keys move through the grid, the View menu
// sorts, Enter opens a folder, and the pictures' thumbnails are made.
TEST_F(FileListViewTest, TheThumbnailGridWorksLikeTheListAndItsChoiceIsStored) {
    CThumbnailView* grid = frame_->Thumbnails();
    frame_->Action(CommandId::ViewThumbnails)->trigger();
    EXPECT_TRUE(grid->isVisible());
    EXPECT_FALSE(list_->isVisible());
    EXPECT_EQ(settings_.viewMode, ViewMode::Thumbnails);
    const auto cell = [&](const char* name) {
        return grid->visualRect(list_->Model().index(RowOf(QLatin1String(name)), 0)).center();
    };
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell("Nikon_D70.jpg"));
    EXPECT_EQ(preview_->picturePath, In(u"Nikon_D70.jpg"_s));
    EXPECT_TRUE(list_->selectionModel()->isRowSelected(RowOf("Nikon_D70.jpg")));
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(preview_->picturePath, In(u"Pentax_K10D.jpg"_s));
    frame_->Action(CommandId::Mark)->trigger();
    EXPECT_TRUE(list_->Model().IsMarked(RowOf("Pentax_K10D.jpg")));
    // The box in a cell's corner marks too.
    const QRect nikon = grid->visualRect(list_->Model().index(RowOf("Nikon_D70.jpg"), 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, nikon.topLeft() + QPoint(10, 10));
    EXPECT_TRUE(list_->Model().IsMarked(RowOf("Nikon_D70.jpg")));
    frame_->Action(CommandId::SortBySize)->trigger();
    EXPECT_EQ(Names().first(), u".."_s);
    EXPECT_EQ(Names().last(), u"big.jpg"_s);
    frame_->Action(CommandId::SortBySize)->trigger(); // again: largest first
    EXPECT_EQ(Names()[2], u"big.jpg"_s);
    EXPECT_TRUE(list_->Model().IsMarked(RowOf("Pentax_K10D.jpg")));
    const FileItem& canon = list_->Model().Rows()[RowOf("Canon_40D.jpg")];
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !ThumbnailCache::Find(canon.path, FromFileTime(canon.time).toSecsSinceEpoch())
                    .isEmpty();
    }));

    // Opened on given files, the grid shows the picture chosen.
    frame_->resize(1200, 300);
    QCoreApplication::processEvents();
    frame_->OpenWith({In(u"Pentax_K10D.jpg"_s)});
    EXPECT_TRUE(grid->viewport()->rect().intersects(
        grid->visualRect(list_->Model().index(RowOf("Pentax_K10D.jpg"), 0))));

    grid->setCurrentIndex(list_->Model().index(RowOf("Sub"), 0));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(bar_->currentText(), In(u"Sub"_s));
    frame_->Action(CommandId::ViewDetails)->trigger();
    EXPECT_TRUE(list_->isVisible());
    EXPECT_EQ(settings_.viewMode, ViewMode::Details);
}

TEST_F(FileListViewTest, DoubleClickEnterAndUpFolderMoveTheListAndTheBarFollows) {
    QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Sub")));
    EXPECT_EQ(Names(), QStringList{".."});
    EXPECT_EQ(bar_->currentText(), In(u"Sub"_s));
    EXPECT_EQ(settings_.LastBrowsePIDL, In(u"Sub"_s));
    list_->setCurrentIndex(list_->Model().index(0, 0));
    QTest::keyClick(list_, Qt::Key_Return);
    EXPECT_EQ(bar_->currentText(), folder_);
    for (int i = 0; i < 40 && !settings_.LastBrowsePIDL.isEmpty(); ++i)
        list_->OnUpFolder();
    EXPECT_EQ(bar_->currentText(), u"Desktop"_s) << "an empty stored folder";
    list_->OnUpFolder(); // on the Desktop: nothing
    EXPECT_TRUE(Names().contains(u"Computer"_s));
    // A folder deleted while shown: Refresh goes to the nearest one left.
    IdList sub;
    ASSERT_TRUE(shell_.ParsePath(In(u"Sub"_s), sub));
    list_->NavigateTo(sub);
    QDir(folder_).removeRecursively();
    list_->OnRefresh();
    EXPECT_EQ(bar_->currentText(), dir_.path());
    EXPECT_EQ(Names(), (QStringList{".."}));
}

// The file managers' keys, each its menu item's: Backspace and Alt+Up go
// up onto the folder left, Alt+Left and Alt+Right back and forward, F5
// reads the folder again. Whichever way the list goes to another folder,
// the last folder's picture leaves the preview.
TEST_F(FileListViewTest, TheFileManagersKeysMoveThroughFoldersAndAnotherFolderEmptiesThePreview) {
    Activate();
    const auto key = [this](Qt::Key k, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(list_, k, m);
    };
    const auto current = [this] {
        return list_->Model().Row(list_->currentIndex().row())->name;
    };
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Nikon_D70.jpg")));
    ASSERT_TRUE(Previewed());
    list_->setCurrentIndex(list_->Model().index(RowOf("Sub"), 0));
    key(Qt::Key_Return);
    EXPECT_EQ(settings_.LastBrowsePIDL, In(u"Sub"_s));
    EXPECT_FALSE(Previewed()) << "the last folder's picture";
    EXPECT_TRUE(preview_->picturePath.isEmpty());
    key(Qt::Key_Backspace);
    EXPECT_EQ(std::pair(settings_.LastBrowsePIDL, current()), std::pair(folder_, u"Sub"_s));
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Nikon_D70.jpg")));
    bar_->lineEdit()->setText(dir_.path());
    QTest::keyClick(bar_->lineEdit(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(bar_, QEvent::MetaCall);
    EXPECT_EQ(settings_.LastBrowsePIDL, dir_.path());
    EXPECT_FALSE(Previewed()) << "typed into the address bar";

    key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(settings_.LastBrowsePIDL, folder_);
    key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(settings_.LastBrowsePIDL, In(u"Sub"_s));
    key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(std::pair(settings_.LastBrowsePIDL, current()), std::pair(folder_, u"Sub"_s));
    EXPECT_TRUE(frame_->Action(CommandId::Forward)->isEnabled());
    key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(settings_.LastBrowsePIDL, dir_.path());
    EXPECT_FALSE(frame_->Action(CommandId::Forward)->isEnabled()) << "the last folder";
    key(Qt::Key_Left, Qt::AltModifier);
    key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(std::pair(settings_.LastBrowsePIDL, current()), std::pair(dir_.path(), u"Photos"_s));

    key(Qt::Key_Left, Qt::AltModifier);
    CopyInto(TestData(u"jpg/Canon_40D.jpg"_s), folder_, u"new.jpg"_s);
    key(Qt::Key_F5); // at once, before the folder's own watch tells
    EXPECT_GE(RowOf("new.jpg"), 0);
}

// Pictures added, removed and renamed on disk show without a Refresh, in
// the list and in the grid alike; the marks, the selection and the rows in
// view stay as they were.
TEST_F(FileListViewTest, TheListFollowsTheFolderOnDiskKeepingMarksSelectionAndTheRowsInView) {
    DrawPictures(folder_, 60, u"photo %1.jpg"_s, 32, 24);
    frame_->resize(1200, 400);
    list_->OnRefresh();
    CThumbnailView* grid = frame_->Thumbnails();
    const auto topRow = [this](QAbstractItemView* view) {
        for (int i = 0; i < list_->Model().rowCount(); ++i)
            if (view->visualRect(list_->Model().index(i, 0)).intersects(view->viewport()->rect()))
                return list_->Model().Row(i)->name;
        return QString();
    };
    int added = 0;
    for (const int mode : {ViewMode::Thumbnails, ViewMode::Details}) {
        frame_->SetViewMode(mode);
        QAbstractItemView* view =
            mode == ViewMode::Details ? static_cast<QAbstractItemView*>(list_) : grid;
        Mark("photo 30.jpg");
        list_->setCurrentIndex(list_->Model().index(RowOf("photo 31.jpg"), 0));
        view->scrollTo(list_->Model().index(RowOf("photo 40.jpg"), 0),
                       QAbstractItemView::PositionAtTop);
        const QString top = topRow(view);
        ASSERT_NE(top, u".."_s) << "the list scrolled";
        const QString newName = u"aaa new %1.jpg"_s.arg(++added);
        const QString renamed = u"zz renamed %1.jpg"_s.arg(mode);
        CopyInto(TestData(u"jpg/Canon_40D.jpg"_s), folder_, newName);
        QFile::remove(In(u"photo %1.jpg"_s.arg(added)));
        QFile::rename(In(u"photo %1.jpg"_s.arg(50 + mode)), In(renamed));
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return RowOf(newName) >= 0 && RowOf(renamed) >= 0 &&
                   RowOf(u"photo %1.jpg"_s.arg(added)) < 0;
        })) << mode;
        EXPECT_TRUE(list_->Model().IsMarked(RowOf("photo 30.jpg"))) << mode;
        EXPECT_EQ(list_->currentIndex().row(), RowOf("photo 31.jpg")) << mode;
        EXPECT_TRUE(list_->selectionModel()->isRowSelected(RowOf("photo 31.jpg"))) << mode;
        EXPECT_EQ(topRow(view), top) << mode;
    }
}

// The zoom keys reach the preview from the list and the grid, and Space
// marks in both, wherever in the row the user clicked.
TEST_F(FileListViewTest, TheZoomKeysAndSpaceWorkFromTheListAndTheGrid) {
    CThumbnailView* grid = frame_->Thumbnails();
    for (const int mode : {ViewMode::Thumbnails, ViewMode::Details}) {
        frame_->SetViewMode(mode);
        QAbstractItemView* view =
            mode == ViewMode::Details ? static_cast<QAbstractItemView*>(list_) : grid;
        const QModelIndex big = list_->Model().index(RowOf("big.jpg"), 0);
        const QRect cell =
            mode == ViewMode::Details
                ? list_->visualRect(list_->Model().index(big.row(), FileColumn::Type))
                : grid->visualRect(big);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_EQ(preview_->picturePath, In(u"big.jpg"_s));
        QTest::keyClick(view, Qt::Key_1);
        EXPECT_EQ(preview_->Zoom(), 1.0) << mode;
        QTest::keyClick(view, Qt::Key_0);
        EXPECT_EQ(preview_->Zoom(), 0.0) << mode;
        QTest::keyClick(view, Qt::Key_Plus);
        EXPECT_GT(preview_->Zoom(), 0.0) << mode;
        QTest::keyClick(view, Qt::Key_0);
        const bool marked = list_->Model().IsMarked(big.row());
        QTest::keyClick(view, Qt::Key_Space);
        EXPECT_NE(list_->Model().IsMarked(big.row()), marked) << mode;
    }
}

// Names that begin with a dot stay out of the list until View > Hidden
// Files (Ctrl+H) is on, a choice kept for the next start.
TEST_F(FileListViewTest, HiddenFilesShowOnlyWhileViewHiddenFilesIsOn) {
    CopyInto(TestData(u"jpg/Canon_40D.jpg"_s), folder_, u".secret.jpg"_s);
    QDir().mkpath(In(u".thumbs"_s));
    list_->OnRefresh();
    EXPECT_EQ(RowOf(".secret.jpg"), -1);
    EXPECT_EQ(RowOf(".thumbs"), -1);
    Activate();
    QTest::keyClick(list_, Qt::Key_H, Qt::ControlModifier);
    EXPECT_GE(RowOf(".secret.jpg"), 0);
    EXPECT_GE(RowOf(".thumbs"), 0);
    EXPECT_TRUE(frame_->Action(CommandId::ViewHidden)->isChecked());
    frame_->close();
    EXPECT_TRUE(AppSettings().showHidden);
    frame_->Action(CommandId::ViewHidden)->trigger();
    EXPECT_EQ(RowOf(".secret.jpg"), -1);
}

// The status bar counts the folder's pictures and the marked ones with
// their size, as marks and the folder change, and tells why a picture
// shows only in part.
TEST_F(FileListViewTest, TheStatusBarCountsThePicturesAndTheMarkedOnesWithTheirSize) {
    const QLabel* summary = frame_->FolderSummary();
    EXPECT_EQ(summary->text(), u"4 pictures"_s);
    Mark("big.jpg");
    Mark("Canon_40D.jpg");
    // 784 371 and 7 958 bytes; the decimal point as the locale writes it.
    EXPECT_TRUE(
        QRegularExpression(u"^4 pictures, 2 marked, 773.8 KB$"_s).match(summary->text()).hasMatch())
        << qPrintable(summary->text());
    list_->Model().SetMarked(RowOf("big.jpg"), false);
    EXPECT_TRUE(
        QRegularExpression(u"^4 pictures, 1 marked, 7.8 KB$"_s).match(summary->text()).hasMatch())
        << qPrintable(summary->text());
    // A damaged picture: the status bar says why only part of it shows.
    const QByteArray photo = ReadFile(In(u"big.jpg"_s));
    WriteFile(In(u"cut.jpg"_s), photo.left(photo.size() / 2));
    list_->OnRefresh();
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("cut.jpg")));
    EXPECT_TRUE(Previewed()) << "what decodes";
    EXPECT_TRUE(frame_->statusBar()->currentMessage().startsWith(u"Only part of cut.jpg"_s))
        << qPrintable(frame_->statusBar()->currentMessage());
    list_->OpenRow(RowOf("Sub"));
    EXPECT_EQ(summary->text(), u"0 pictures"_s);
}

// F11 shows the picture on the whole screen and the arrow keys go through
// the folder's pictures, the list following; Escape leaves. The slideshow
// goes on by itself, round from the last picture to the first.
TEST_F(FileListViewTest, FullScreenGoesThroughTheFolderAndASlideshowGoesOnByItself) {
    list_->setCurrentIndex(list_->Model().index(RowOf("Nikon_D70.jpg"), 0));
    frame_->Action(CommandId::FullScreen)->trigger();
    QPointer<CFullScreenView> full = frame_->FullScreen();
    ASSERT_NE(full, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(full));
    EXPECT_TRUE(full->isFullScreen());
    EXPECT_EQ(full->PicturePath(), In(u"Nikon_D70.jpg"_s));
    EXPECT_NE(QColor(full->grab().toImage().pixel(full->width() / 2, full->height() / 2)),
              QColor(Qt::black));
    const struct {
        Qt::Key key;
        const char* shown;
    } steps[] = {{Qt::Key_Right, "Pentax_K10D.jpg"}, {Qt::Key_End, "big.jpg"},
                 {Qt::Key_Right, "big.jpg"},         {Qt::Key_Left, "Pentax_K10D.jpg"},
                 {Qt::Key_Home, "Canon_40D.jpg"},    {Qt::Key_End, "big.jpg"}};
    for (const auto& [key, shown] : steps) {
        QTest::keyClick(full, key);
        EXPECT_EQ(full->PicturePath(), In(QLatin1String(shown)));
        EXPECT_EQ(preview_->picturePath, In(QLatin1String(shown))) << "the list follows";
    }
    // The upright photo, taller than wide, fits the screen's height whole.
    const QImage shown = full->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(2, shown.height() / 2)), QColor(Qt::black));
    EXPECT_NE(QColor(shown.pixel(shown.width() / 2, 2)), QColor(Qt::black));
    QTest::keyClick(full, Qt::Key_Escape);
    EXPECT_TRUE(full.isNull() || !full->isVisible());
    EXPECT_EQ(frame_->FullScreen(), nullptr);
    EXPECT_EQ(list_->currentIndex().row(), RowOf("big.jpg"));

    settings_.slideshowPace = 1;
    frame_->Action(CommandId::Slideshow)->trigger();
    full = frame_->FullScreen();
    ASSERT_NE(full, nullptr);
    EXPECT_TRUE(full->SlideshowRunning());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return full && full->PicturePath() == In(u"Canon_40D.jpg"_s); }));
    ASSERT_NE(full, nullptr);
    QTest::keyClick(full, Qt::Key_F11, Qt::ShiftModifier);
    EXPECT_FALSE(full->SlideshowRunning());
    QTest::keyClick(full, Qt::Key_F11);
    EXPECT_TRUE(full.isNull() || !full->isVisible());
}

TEST_F(FileListViewTest, ATypedPathMovesTheListAndABadOneChangesNothing) {
    const QString sub = In(u"Sub"_s);
    for (const QString& typed : {sub, In(u"nothing here"_s)}) {
        bar_->lineEdit()->setText(typed);
        QTest::keyClick(bar_->lineEdit(), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(bar_, QEvent::MetaCall); // the Enter is posted
        EXPECT_EQ(Names(), QStringList{".."}) << "the list stays at " << qPrintable(sub);
    }
    EXPECT_EQ(bar_->lineEdit()->selectedText(), In(u"nothing here"_s));
    // The chain of folders below the volume, one indent deeper each.
    const int selected = bar_->currentIndex();
    const int depth = int(sub.count(u'/')) + 2;
    EXPECT_EQ(std::pair(bar_->Indent(selected), bar_->itemText(selected)),
              std::pair(depth, u"Sub"_s));
    EXPECT_EQ(std::pair(bar_->Indent(selected - 1), bar_->itemText(selected - 1)),
              std::pair(depth - 1, u"Photos"_s));
}

// Files opened from a file manager: their folder shows with the pictures
// marked, the first previewed, and the status bar names what was left out.
TEST_F(FileListViewTest, OpenedFilesShowTheirFolderWithThePicturesMarkedAndTheFirstPreviewed) {
    settings_.LastBrowsePIDL.clear();
    list_->OnUpFolder();
    const QString notes = dir_.filePath(u"notes.txt"_s);
    frame_->OpenWith({In(u"Nikon_D70.jpg"_s), In(u"Canon_40D.jpg"_s), notes});
    EXPECT_EQ(settings_.LastBrowsePIDL, folder_) << "the bar follows";
    QStringList marked;
    for (int i = 0; i < list_->Model().rowCount(); ++i)
        if (list_->Model().IsMarked(i))
            marked << list_->Model().Row(i)->name;
    EXPECT_EQ(marked, (QStringList{"Canon_40D.jpg", "Nikon_D70.jpg"}));
    EXPECT_EQ(list_->currentIndex().row(), RowOf("Nikon_D70.jpg"));
    EXPECT_EQ(preview_->picturePath, In(u"Nikon_D70.jpg"_s));
    EXPECT_TRUE(frame_->statusBar()->currentMessage().contains(notes));
}

// A first start sizes the columns to the font: the widest size and the
// locale's time fit beside the sort arrow. The window keeps them as it
// closes.
TEST_F(FileListViewTest, ColumnWidthsFitTheFontAtFirstAndAreStoredWhenTheWindowCloses) {
    const QFontMetrics metrics(list_->font());
    EXPECT_GT(list_->columnWidth(FileColumn::Size), metrics.horizontalAdvance(u"99,999 KB"_s));
    const QString time = GetLocaleFormats().FormatFileTime(
        ToFileTime(QDateTime(QDate(2026, 12, 28), QTime(22, 58, 58))));
    EXPECT_GT(list_->columnWidth(FileColumn::Time), metrics.horizontalAdvance(time));
    list_->setColumnWidth(0, 321);
    frame_->close();
    const AppSettings stored;
    EXPECT_EQ(stored.columnWidth[0], 321);
    EXPECT_TRUE(stored.columnWidthsStored);
}

// A picture whose thumbnail the desktop's cache holds, for this very file
// as it is now, shows it as its icon; a thumbnail of an older state of the
// file does not count, and is made anew only once thumbnails are wanted.
TEST(FileListModelTest, APictureShowsItsCachedThumbnailAsItsIconAndMakesMissingOnes) {
    QTemporaryDir dir;
    QList<FileItem> rows;
    for (const QString& path : DrawPictures(dir.path(), 2, u"photo %1.png"_s)) {
        FileItem row;
        row.path = path;
        row.time = ToFileTime(QFileInfo(path).lastModified());
        row.icon = 0;
        const qint64 mtime = QFileInfo(path).lastModified().toSecsSinceEpoch();
        // Made by another program, with the fraction of a second Xfce's
        // thumbnailer adds to the time; the second row's is a second old.
        const QString at = ThumbnailCache::ThumbnailPath(path, u"normal"_s);
        QDir().mkpath(QFileInfo(at).path());
        Oracle(u"convert"_s,
               {u"-size"_s, u"128x96"_s, u"xc:lime"_s, u"-set"_s, u"Thumb::URI"_s,
                QString::fromUtf8(ThumbnailCache::Uri(path)).replace(u'%', u"%%"_s), u"-set"_s,
                u"Thumb::MTime"_s,
                rows.isEmpty() ? u"%1.379579"_s.arg(mtime) : QString::number(mtime - 1),
                u"PNG24:"_s + at});
        rows << row;
    }
    FileListModel model;
    model.SetRows(rows);
    const auto middle = [&model](int row) {
        const QIcon icon =
            model.data(model.index(row, FileColumn::Name), Qt::DecorationRole).value<QIcon>();
        return icon.pixmap(16, 16).toImage().pixelColor(8, 8);
    };
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    // Every answer of the thumbnail threads, found or not.
    QSignalSpy answered(model.findChild<ThumbnailLoader*>(), &ThumbnailLoader::Ready);
    const auto answeredFor = [&answered](const QString& path) {
        return std::any_of(answered.begin(), answered.end(),
                           [&path](const QList<QVariant>& args) { return args[0] == path; });
    };
    middle(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return middle(0) == QColor(Qt::green); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return answeredFor(rows[1].path); }, 60000));
    EXPECT_NE(middle(1), QColor(Qt::green));
    EXPECT_EQ(changed.size(), 1); // only the row with a thumbnail

    // The grid makes it, from the picture itself, for every program.
    model.SetMakeThumbnails(true, ThumbnailCache::kSide);
    middle(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return changed.size() == 3; })); // the grid's ask, the answer
    EXPECT_NE(middle(1), QColor(Qt::green));
    EXPECT_NE(middle(1), middle(0));
    EXPECT_FALSE(ThumbnailCache::Find(rows[1].path, FromFileTime(rows[1].time).toSecsSinceEpoch())
                     .isEmpty());
}

// A thumbnail in the cache that does not decode (cut short, say) is made
// again from the picture rather than shown as none until it changes.
TEST(ThumbnailLoaderTest, AThumbnailThatDoesNotDecodeIsMadeAgain) {
    QTemporaryDir dir;
    const QString photo = dir.filePath(u"photo.jpg"_s);
    DrawPicture(photo, 400, 300);
    const qint64 mtime = QFileInfo(photo).lastModified().toSecsSinceEpoch();
    const QString thumbnail = ThumbnailCache::Make(photo, mtime);
    ASSERT_FALSE(thumbnail.isEmpty());
    QFile cut(thumbnail);
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    cut.resize(cut.size() / 2);
    cut.close();
    ASSERT_EQ(ThumbnailCache::Find(photo, mtime), thumbnail); // its keys still match
    ThumbnailLoader loader;
    QSignalSpy ready(&loader, &ThumbnailLoader::Ready);
    loader.Request(photo, mtime, true, ThumbnailCache::kSide);
    ASSERT_TRUE(ready.wait(60000));
    EXPECT_EQ(ready[0][1].value<QImage>().size(), QSize(128, 96));
    EXPECT_FALSE(QImage(thumbnail).isNull());
}

TEST(FileListStartTest, AStoredFolderThatIsGoneOpensThePersonalFolder) {
    AppSettings settings;
    settings.LastBrowsePIDL = u"/no/such/folder"_s;
    CTessaryDoc document;
    const ShellNamespace shell;
    CFileListView list(settings, shell);
    list.OnInitialUpdate(document);
    EXPECT_EQ(list.CurrentFolder(), shell.PersonalList());
}

TEST_F(FileListViewTest, ResizeMailCopyAndMoveWithoutMarksAskForThem) {
    EXPECT_EQ(MessageOf([this] { list_->OnResize(); }),
              u"Please mark the pictures before Resize"_s);
    EXPECT_EQ(MessageOf([this] { list_->OnMailTo(); }), u"Please mark the pictures before Mail"_s);
    EXPECT_EQ(MessageOf([this] { list_->OnCopyTo(); }), u"Please mark the pictures before Copy"_s);
    EXPECT_EQ(MessageOf([this] { list_->OnMoveTo(); }), u"Please mark the pictures before Move"_s);
}

TEST_F(FileListViewTest, CopyTakesTheMarkedPicturesInTheListsOrderAndMoveTakesThemAway) {
    ClickHeader(1);
    ClickHeader(1); // size, descending
    for (const char* name : {"Canon_40D.jpg", "big.jpg", "Nikon_D70.jpg"})
        Mark(name);
    const QString copies = dir_.filePath(u"Copies"_s);
    const QString moved = dir_.filePath(u"Moved"_s);
    QString offered;
    QString chosen;
    list_->chooseDestination = [&](const QString& start) {
        offered = start;
        return chosen.isEmpty() ? std::optional<QString>() : std::optional<QString>(chosen);
    };
    chosen = copies;
    QDir().mkpath(copies);
    list_->OnCopyTo();
    EXPECT_EQ(settings_.cmto, copies);
    EXPECT_EQ(settings_.PictureList,
              (QStringList{In(u"big.jpg"_s), In(u"Nikon_D70.jpg"_s), In(u"Canon_40D.jpg"_s)}));
    EXPECT_EQ(QDir(copies).entryList(QDir::Files).size(), 3);
    chosen.clear(); // a cancelled choice moves nothing
    list_->OnMoveTo();
    EXPECT_TRUE(Names().contains(u"big.jpg"_s));

    // The destination holds a big.jpg of its own: the user is asked, over
    // the progress window, and keeps it.
    QDir().mkpath(moved);
    const QString theirs = CopyInto(TestData(u"jpg/Canon_40D.jpg"_s), moved, u"big.jpg"_s);
    chosen = moved;
    QString asked;
    bool answerable = false;
    const WhenShown<QMessageBox> answer([&asked, &answerable](QMessageBox* box) {
        asked = box->text();
        answerable = QApplication::activeModalWidget() == box;
        for (QAbstractButton* button : box->buttons())
            if (button->text() == "&No"_L1)
                button->click();
    });
    list_->OnMoveTo();
    EXPECT_TRUE(answerable);
    EXPECT_EQ(offered, copies) << "the chooser opens at the last destination";
    EXPECT_TRUE(asked.contains("\"big.jpg\""_L1)) << asked.toStdString();
    EXPECT_EQ(Names(), (QStringList{"..", "Sub", "big.jpg", "Pentax_K10D.jpg"}));
    EXPECT_EQ(QDir(moved).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(FileHash(theirs), FileHash(TestData(u"jpg/Canon_40D.jpg"_s)));

    // Onto their own folder the pictures stay, and the user is told why.
    chosen = folder_;
    for (const bool move : {false, true}) {
        Mark("Pentax_K10D.jpg");
        const QString told =
            MessageOf([this, move] { move ? list_->OnMoveTo() : list_->OnCopyTo(); });
        EXPECT_TRUE(told.contains("already in"_L1) && told.contains(In(u"Pentax_K10D.jpg"_s)))
            << told.toStdString();
    }
    EXPECT_EQ(Names(), (QStringList{"..", "Sub", "big.jpg", "Pentax_K10D.jpg"}));
}

} // namespace
