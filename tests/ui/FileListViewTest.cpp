// SPDX-License-Identifier: MIT
#include "Controls.h"
#include "TestSupport.h"

#include "app/AppSettings.h"
#include "browse/AddressBar.h"
#include "browse/FileListModel.h"
#include "browse/FileListView.h"
#include "browse/SortHeaderCtrl.h"
#include "preview/ScrollPictureView.h"
#include "preview/TessaryDoc.h"
#include "resize/Image.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace {

// The list, the preview and the address bar in one window, wired as the
// main window wires them, on a folder of our own.
class FileListViewTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = dir_.filePath(u"Photos"_s);
        QDir().mkpath(folder_ + u"/Sub"_s);
        for (const char* name : {"Canon_40D.jpg", "Nikon_D70.jpg", "Pentax_K10D.jpg"})
            QFile::copy(TestData(u"jpg/"_s + QLatin1String(name)),
                        folder_ + u'/' + QLatin1String(name));
        QFile::copy(TestData(u"hdr/canon_hdr_NO.jpg"_s), folder_ + u"/big.jpg"_s);
        settings_.LastBrowsePIDL = folder_;
        auto* layout = new QHBoxLayout(&window_);
        bar_ = new AddressBar(settings_);
        list_ = new CFileListView(settings_);
        preview_ = new CScrollPictureView;
        layout->addWidget(bar_);
        layout->addWidget(list_);
        layout->addWidget(preview_);
        preview_->OnInitialUpdate(document_);
        list_->SetAddressBar(bar_);
        bar_->SetListView(list_);
        bar_->InitAddressBar();
        list_->OnInitialUpdate(document_);
        window_.resize(1200, 600);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    QStringList Names() const {
        QStringList names;
        for (const FileItem& row : list_->Model().Rows())
            names << row.name;
        return names;
    }
    int RowOf(const QString& name) const { return int(Names().indexOf(name)); }
    QPoint Cell(int row, int column = 0) const {
        return list_->visualRect(list_->Model().index(row, column)).center();
    }
    void ClickHeader(int column) {
        SortHeaderCtrl& header = list_->Header();
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(column) + 10, header.height() / 2));
    }

    QTemporaryDir dir_;
    QString folder_;
    AppSettings settings_;
    CTessaryDoc document_;
    QWidget window_;
    AddressBar* bar_ = nullptr;
    CFileListView* list_ = nullptr;
    CScrollPictureView* preview_ = nullptr;
};

TEST_F(FileListViewTest, OpensTheLastFolderWithItsParentRowAndSortsByTheHeader) {
    EXPECT_EQ(document_.fileListView, list_);
    EXPECT_EQ(Names(), (QStringList{"..", "Sub", "Canon_40D.jpg", "Nikon_D70.jpg",
                                    "Pentax_K10D.jpg", "big.jpg"}));
    EXPECT_EQ(list_->Model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), u"Size"_s);

    ClickHeader(1); // Size, ascending
    EXPECT_EQ(list_->Header().sortColumn, 1);
    EXPECT_TRUE(list_->Header().ascending);
    ClickHeader(1); // Size again: descending
    EXPECT_FALSE(list_->Header().ascending);
    EXPECT_EQ(Names().mid(0, 3), (QStringList{"..", "Sub", "big.jpg"}));
    ClickHeader(2); // another column: ascending
    EXPECT_EQ(list_->Header().sortColumn, 2);
    EXPECT_TRUE(list_->Header().ascending);
}

TEST_F(FileListViewTest, ClicksAndKeysDriveThePreviewAndFoldersCannotBeMarked) {
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Nikon_D70.jpg")));
    EXPECT_EQ(preview_->picturePath, folder_ + u"/Nikon_D70.jpg"_s);
    EXPECT_TRUE(preview_->picture->GetXImage()->IsValid());

    QTest::keyClick(list_, Qt::Key_Down);
    EXPECT_EQ(preview_->picturePath, folder_ + u"/Pentax_K10D.jpg"_s);
    QTest::keyClick(list_, Qt::Key_Up);
    EXPECT_EQ(preview_->picturePath, folder_ + u"/Nikon_D70.jpg"_s);

    // Up onto a folder clears the preview.
    list_->setCurrentIndex(list_->Model().index(RowOf("Canon_40D.jpg"), 0));
    QTest::keyClick(list_, Qt::Key_Up);
    EXPECT_TRUE(preview_->picturePath.isEmpty());
    EXPECT_FALSE(preview_->picture->GetXImage()->IsValid());

    // Marks: a picture keeps its mark; a folder's clears itself.
    list_->Model().setData(list_->Model().index(RowOf("big.jpg"), 0), Qt::Checked,
                           Qt::CheckStateRole);
    list_->Model().setData(list_->Model().index(RowOf("Sub"), 0), Qt::Checked, Qt::CheckStateRole);
    list_->Model().setData(list_->Model().index(RowOf("Canon_40D.jpg"), 0), Qt::Checked,
                           Qt::CheckStateRole);
    EXPECT_FALSE(list_->Model().IsMarked(RowOf("Sub")));
    ClickHeader(1); // the marks go with their rows
    EXPECT_TRUE(list_->Model().IsMarked(RowOf("big.jpg")));
    ASSERT_TRUE(list_->MarkedToPictureList());
    EXPECT_EQ(settings_.PictureList,
              (QStringList{folder_ + u"/Canon_40D.jpg"_s, folder_ + u"/big.jpg"_s}));

    // A sort keeps the selected and current row, so the keys go on from it.
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Nikon_D70.jpg")));
    ClickHeader(1);
    const int nikon = RowOf("Nikon_D70.jpg");
    EXPECT_EQ(list_->currentIndex().row(), nikon);
    EXPECT_TRUE(list_->selectionModel()->isRowSelected(nikon));
    QTest::keyClick(list_, Qt::Key_Down);
    EXPECT_EQ(preview_->picturePath, folder_ + u'/' + Names()[nikon + 1]);
}

TEST_F(FileListViewTest, DoubleClickAndEnterOpenFoldersAndTheBarFollows) {
    QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Sub")));
    EXPECT_EQ(Names(), QStringList{".."});
    EXPECT_EQ(bar_->currentText(), folder_ + u"/Sub"_s);
    EXPECT_EQ(settings_.LastBrowsePIDL, folder_ + u"/Sub"_s);
    list_->setCurrentIndex(list_->Model().index(0, 0));
    QTest::keyClick(list_, Qt::Key_Return);
    EXPECT_EQ(bar_->currentText(), folder_);
    EXPECT_TRUE(Names().contains(u"Sub"_s));
}

TEST_F(FileListViewTest, ATypedPathMovesTheListAndABadOneChangesNothing) {
    const QString sub = folder_ + u"/Sub"_s;
    bar_->lineEdit()->setText(sub);
    QTest::keyClick(bar_->lineEdit(), Qt::Key_Return);
    QTest::qWait(20); // the Enter is posted
    EXPECT_EQ(list_->Model().Rows().size(), 1);
    EXPECT_EQ(bar_->currentText(), sub);
    // The chain of folders below the volume, one indent deeper each.
    const int selected = bar_->currentIndex();
    const int depth = int(sub.count(u'/')) + 2;
    EXPECT_EQ(bar_->Indent(selected), depth);
    EXPECT_EQ(bar_->itemText(selected), u"Sub"_s);
    EXPECT_EQ(bar_->Indent(selected - 1), depth - 1);
    EXPECT_EQ(bar_->itemText(selected - 1), u"Photos"_s);

    bar_->lineEdit()->setText(folder_ + u"/nothing here"_s);
    QTest::keyClick(bar_->lineEdit(), Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(list_->Model().Rows().size(), 1) << "the list stays";
    EXPECT_EQ(bar_->lineEdit()->selectedText(), folder_ + u"/nothing here"_s);

    // The Desktop entry stores an empty LastBrowsePIDL.
    bar_->setCurrentIndex(0);
    Q_EMIT bar_->activated(0);
    EXPECT_TRUE(settings_.LastBrowsePIDL.isEmpty());
    EXPECT_EQ(bar_->currentText(), u"Desktop"_s);
    EXPECT_TRUE(Names().contains(u"Computer"_s));
}

TEST_F(FileListViewTest, ColumnWidthsAreStoredWhenTheListGoes) {
    list_->setColumnWidth(0, 321);
    list_->StoreColumnWidths();
    AppSettings reloaded;
    EXPECT_EQ(reloaded.columnWidth[0], 321);
}

TEST_F(FileListViewTest, APictureRemovedAfterListingKeepsThePreviewAsItWas) {
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Nikon_D70.jpg")));
    ASSERT_TRUE(preview_->picture->GetXImage()->IsValid());
    QFile::remove(folder_ + u"/Pentax_K10D.jpg"_s);
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, Cell(RowOf("Pentax_K10D.jpg")));
    EXPECT_EQ(preview_->picturePath, folder_ + u"/Pentax_K10D.jpg"_s);
    EXPECT_TRUE(preview_->picture->GetXImage()->IsValid()) << "the Nikon stays";
}

TEST(FileListStartTest, AStoredFolderThatIsGoneOpensThePersonalFolder) {
    AppSettings settings;
    settings.LastBrowsePIDL = u"/no/such/folder"_s;
    CTessaryDoc document;
    CFileListView list(settings);
    list.OnInitialUpdate(document);
    EXPECT_EQ(list.CurrentFolder(), settings.personalFolder);
}

TEST_F(FileListViewTest, SelectAllThenMarkTogglesEveryPictureAndNoFolder) {
    list_->Model().SetMarked(RowOf("big.jpg"), true);
    list_->OnSelectAll();
    list_->OnMark();
    for (int i = 0; i < list_->Model().rowCount(); ++i) {
        const FileItem* row = list_->Model().Row(i);
        EXPECT_EQ(list_->Model().IsMarked(i), !row->isFolder && row->name != u"big.jpg"_s)
            << qPrintable(row->name);
    }
}

TEST_F(FileListViewTest, UpFolderClimbsToTheDesktopAndStopsThere) {
    list_->OnUpFolder();
    EXPECT_EQ(bar_->currentText(), dir_.path());
    for (int i = 0; i < 40 && !settings_.LastBrowsePIDL.isEmpty(); ++i)
        list_->OnUpFolder();
    EXPECT_TRUE(settings_.LastBrowsePIDL.isEmpty()) << "the Desktop";
    EXPECT_EQ(bar_->currentText(), u"Desktop"_s);
    list_->OnUpFolder(); // on the Desktop: nothing
    EXPECT_TRUE(Names().contains(u"Computer"_s));
}

TEST_F(FileListViewTest, ResizeAndMailWithoutMarksAskForThem) {
    const auto asked = [](const std::function<void()>& command) {
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        command();
        return shown.toStdString();
    };
    EXPECT_EQ(asked([this] { list_->OnResize(); }), "Please mark the pictures before Resize");
    EXPECT_EQ(asked([this] { list_->OnMailTo(); }), "Please mark the pictures before Mail");
    EXPECT_EQ(asked([this] { list_->OnCopyTo(); }), "Please mark the pictures before Copy");
    EXPECT_EQ(asked([this] { list_->OnMoveTo(); }), "Please mark the pictures before Move");
}

TEST_F(FileListViewTest, CopyTakesTheMarkedPicturesInTheListsOrderAndMoveTakesThemAway) {
    ClickHeader(1);
    ClickHeader(1); // size, descending
    for (const char* name : {"Canon_40D.jpg", "big.jpg", "Nikon_D70.jpg"})
        list_->Model().SetMarked(RowOf(QString::fromLatin1(name)), true);
    const QString target = dir_.filePath(u"Copies"_s);
    QDir().mkpath(target);
    QString offered;
    list_->chooseDestination = [&offered, &target](const QString& start) {
        offered = start;
        return std::optional<QString>(target);
    };
    list_->OnCopyTo();
    EXPECT_EQ(settings_.cmto, target);
    QStringList expected;
    for (const FileItem& row : list_->Model().Rows())
        if (row.name == "Canon_40D.jpg"_L1 || row.name == "big.jpg"_L1 ||
            row.name == "Nikon_D70.jpg"_L1)
            expected << row.path;
    EXPECT_EQ(settings_.PictureList, expected);
    EXPECT_EQ(QDir(target).entryList(QDir::Files).size(), 3);

    // A cancelled choice moves nothing.
    list_->chooseDestination = [](const QString&) {
        return std::optional<QString>();
    };
    list_->OnMoveTo();
    EXPECT_TRUE(Names().contains(u"big.jpg"_s));

    // The destination already holds a big.jpg of its own: the user is asked
    // and keeps it, so that one picture stays where it was.
    const QString moved = dir_.filePath(u"Moved"_s);
    QDir().mkpath(moved);
    const QString theirs = moved + u"/big.jpg"_s;
    QFile::copy(TestData(u"jpg/Canon_40D.jpg"_s), theirs);
    const qint64 theirSize = QFileInfo(theirs).size();
    list_->chooseDestination = [&offered, &moved](const QString& start) {
        offered = start;
        return std::optional<QString>(moved);
    };
    // Answered a second later, when a progress window would long be up: the
    // question must still be the window that takes the user's clicks.
    QString asked;
    bool answerable = false;
    QTimer::singleShot(1000, [&asked, &answerable] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (!box || !box->isVisible())
                continue;
            asked = box->text();
            answerable = QApplication::activeModalWidget() == box;
            for (QAbstractButton* button : box->buttons())
                if (button->text() == "&No"_L1)
                    button->click();
        }
    });
    list_->OnMoveTo();
    EXPECT_TRUE(answerable);
    EXPECT_EQ(offered, target) << "the chooser opens at the last destination";
    EXPECT_TRUE(asked.contains("\"big.jpg\""_L1)) << asked.toStdString();
    EXPECT_EQ(Names(), (QStringList{"..", "Sub", "big.jpg", "Pentax_K10D.jpg"}))
        << "the moved rows left the list";
    EXPECT_EQ(QDir(moved).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(QFileInfo(theirs).size(), theirSize);
}

} // namespace
