// SPDX-License-Identifier: MIT
#include "browse/FolderListing.h"

#include "FixedVolumes.h"
#include "TestSupport.h"
#include "browse/LocaleFormats.h"
#include "platform/FileName.h"
#include "preview/ExifReader.h"
#include "resize/Image.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace {

LocaleInfo English() {
    return {QStringLiteral("-"), QStringLiteral("."), QStringLiteral(","),
            QStringLiteral("M/d/yyyy"), QStringLiteral("h:mm:ss tt")};
}

// A folder of our own, mounted as a volume of its own.
class FolderListingTest : public testing::Test {
protected:
    void SetUp() override {
        shell_ = std::make_unique<ShellNamespace>(std::make_shared<FixedVolumes>(
            QList<Volume>{{"/", {}}, {root_.path(), QStringLiteral("Card")}}));
        listing_ = std::make_unique<FolderListing>(*shell_, formats_, shell_->ControlsList());
    }
    QString Make(const QString& relative, qint64 size = 10) {
        const QString path = root_.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(file.resize(size));
        return path;
    }
    QList<FileItem> Rows(const QString& folder, int column = FileColumn::Name,
                         bool ascending = true) {
        IdList list;
        EXPECT_TRUE(shell_->ParsePath(folder, list)) << qPrintable(folder);
        QList<FileItem> rows = listing_->List(list);
        listing_->Sort(rows, column, ascending, list);
        return rows;
    }
    static QStringList Names(const QList<FileItem>& rows) {
        QStringList names;
        for (const FileItem& row : rows)
            names << row.name;
        return names;
    }

    QTemporaryDir root_;
    LocaleFormats formats_{English()};
    std::unique_ptr<ShellNamespace> shell_;
    std::unique_ptr<FolderListing> listing_;
};

TEST_F(FolderListingTest, ListsFoldersAndPicturesByExtensionOnly) {
    for (const char* name :
         {"a.JPG", "b.tif", "c.tiff", "d.jpgx", "e.txt", "f.jpeg12345", "g", ".hidden.png"})
        Make(QStringLiteral("pics/") + QLatin1String(name));
    QDir().mkpath(root_.filePath(QStringLiteral("pics/Sub")));
    EXPECT_EQ(Names(Rows(root_.filePath(QStringLiteral("pics")))),
              (QStringList{"..", "Sub", ".hidden.png", "a.JPG", "c.tiff", "d.jpgx"}));
    // The volume itself is a drive root: no ".." row.
    EXPECT_EQ(Names(Rows(root_.path())), (QStringList{"pics"}));
}

TEST_F(FolderListingTest, SizeTextsAreKilobytesRoundedUpAndTimesTheLastWrite) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "1 KB"},
        {1024, "1 KB"},
        {1025, "2 KB"},
        {1536000, "1,500 KB"},
        {1048576000, "1,024,000 KB"},
    };
    for (const auto& [size, text] : cases)
        Make(QStringLiteral("sizes/%1.png").arg(size), size);
    // The first second of 1970 is a last-write time like any other.
    QFile epoch(root_.filePath(QStringLiteral("sizes/0.png")));
    ASSERT_TRUE(epoch.open(QIODevice::ReadWrite));
    ASSERT_TRUE(epoch.setFileTime(QDateTime::fromSecsSinceEpoch(0, Qt::UTC),
                                  QFileDevice::FileModificationTime));
    epoch.close();
    for (const FileItem& row : Rows(root_.filePath(QStringLiteral("sizes")))) {
        if (row.isParent)
            continue;
        if (row.name == QStringLiteral("0.png")) {
            EXPECT_EQ(row.time, ToFileTime(QDateTime::fromSecsSinceEpoch(0, Qt::UTC)));
        }
        for (const auto& [size, text] : cases)
            if (row.name == QStringLiteral("%1.png").arg(size)) {
                EXPECT_EQ(row.sizeText.toStdString(), text);
                EXPECT_EQ(row.size, uint64_t(size));
            }
        EXPECT_FALSE(row.timeText.isEmpty());
        EXPECT_EQ(row.typeName, QStringLiteral("PNG image"));
    }
}

TEST_F(FolderListingTest, SortsFoldersFirstByteWiseAndKeepsTheParentOnTop) {
    Make(QStringLiteral("s/a.jpg"), 3000);
    Make(QStringLiteral("s/B.jpg"), 1);
    Make(QStringLiteral("s/A.jpg"), 9000);
    Make(QStringLiteral("s/b.jpg"), 2000);
    QDir().mkpath(root_.filePath(QStringLiteral("s/zeta")));
    QDir().mkpath(root_.filePath(QStringLiteral("s/Alpha")));
    const QString folder = root_.filePath(QStringLiteral("s"));
    EXPECT_EQ(Names(Rows(folder)),
              (QStringList{"..", "Alpha", "zeta", "A.jpg", "B.jpg", "a.jpg", "b.jpg"}));
    EXPECT_EQ(Names(Rows(folder, FileColumn::Name, false)),
              (QStringList{"..", "zeta", "Alpha", "b.jpg", "a.jpg", "B.jpg", "A.jpg"}));
    const QStringList bySizeDown = Names(Rows(folder, FileColumn::Size, false));
    EXPECT_EQ(bySizeDown.mid(3), (QStringList{"A.jpg", "a.jpg", "b.jpg", "B.jpg"}));
    EXPECT_EQ(bySizeDown.first(), QStringLiteral(".."));
}

TEST_F(FolderListingTest, HostileNamesAndFoldersShowWhatCanBeShown) {
    for (const char* name : {"with space.jpg", "it's \"q\".jpg", "new\nline.jpg", "-dash.jpg"})
        Make(QStringLiteral("h/") + QString::fromUtf8(name));
    const QByteArray invalid =
        QFile::encodeName(root_.filePath(QStringLiteral("h/"))) + "bad\xff\xfe.jpg";
    ASSERT_TRUE(QFile::copy(TestData(QStringLiteral("jpg/Canon_40D.jpg")),
                            root_.filePath(QStringLiteral("h/good.jpg"))));
    ASSERT_EQ(::rename(QFile::encodeName(root_.filePath(QStringLiteral("h/good.jpg"))).constData(),
                       invalid.constData()),
              0);
    ASSERT_EQ(
        ::symlink(".", QFile::encodeName(root_.filePath(QStringLiteral("h/loop"))).constData()), 0);
    const QList<FileItem> rows = Rows(root_.filePath(QStringLiteral("h")));
    EXPECT_EQ(rows.size(), 1 + 1 + 5) << qPrintable(Names(rows).join('|'));
    // Shown with replacement characters; its path keeps the bytes, so the
    // picture opens.
    const auto bad = std::find_if(rows.begin(), rows.end(), [](const FileItem& row) {
        return ShownFileName(row.name) == QStringLiteral("bad\uFFFD\uFFFD.jpg");
    });
    ASSERT_NE(bad, rows.end());
    EXPECT_EQ(EncodeFileName(bad->path), invalid);
    CxImage picture;
    EXPECT_TRUE(picture.Load(bad->path)) << qPrintable(picture.GetLastError());
    EXPECT_EQ(ExifReader().Load(bad->path), 1);
    // Into the loop and back: each step is one folder deeper, never a hang.
    EXPECT_EQ(Rows(root_.filePath(QStringLiteral("h/loop/loop"))).size(), rows.size());

    // A folder removed after it was listed: just its ".." row.
    IdList gone;
    ASSERT_TRUE(shell_->ParsePath(root_.filePath(QStringLiteral("h")), gone));
    ::unlink(invalid.constData()); // a name Qt cannot spell
    QDir(root_.filePath(QStringLiteral("h"))).removeRecursively();
    EXPECT_EQ(Names(listing_->List(gone)), QStringList{".."});
}

TEST_F(FolderListingTest, AFolderThatCannotBeReadShowsJustItsParentRow) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    const QString locked = root_.filePath(QStringLiteral("locked"));
    Make(QStringLiteral("locked/a.jpg"));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    EXPECT_EQ(Names(Rows(locked)), QStringList{".."});
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(FolderListingTest, TheComputerKeepsTheVolumesInTheirOwnOrder) {
    for (const int column : {FileColumn::Name, FileColumn::Type})
        for (const bool ascending : {true, false}) {
            QList<FileItem> rows = listing_->List(shell_->DrivesList());
            listing_->Sort(rows, column, ascending, shell_->DrivesList());
            EXPECT_EQ(Names(rows), (QStringList{"File System", "Card"}));
        }
}

} // namespace
