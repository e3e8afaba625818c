// SPDX-License-Identifier: MIT
#include "browse/FolderListing.h"

#include "FixedVolumes.h"
#include "TestSupport.h"
#include "browse/LocaleFormats.h"
#include "codec/Image.h"
#include "platform/FileName.h"
#include "preview/ExifReader.h"

#include <QDateTime>

#include <algorithm>
#include <map>

#include <fcntl.h>
#include <unistd.h>

namespace {

LocaleInfo English() {
    return {u"-"_s, u"."_s, u","_s, u"M/d/yyyy"_s, u"h:mm:ss tt"_s};
}

// A folder of our own, mounted as a volume of its own.
class FolderListingTest : public testing::Test {
protected:
    void SetUp() override {
        shell_ = std::make_unique<ShellNamespace>(
            std::make_shared<FixedVolumes>(QList<Volume>{{"/", {}}, {root_.path(), u"Card"_s}}));
        listing_ = std::make_unique<FolderListing>(*shell_, formats_);
    }
    // A file of that size, sparse: a gigabyte costs nothing.
    QString Make(const QString& relative, qint64 size = 10) {
        QFile file(WriteFile(root_.filePath(relative)));
        EXPECT_TRUE(file.resize(size));
        return file.fileName();
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
        Make(u"pics/"_s + QLatin1String(name));
    QDir().mkpath(root_.filePath(u"pics/Sub"_s));
    QDir().mkpath(root_.filePath(u"pics/.cache"_s));
    const QList<FileItem> rows = Rows(root_.filePath(u"pics"_s));
    EXPECT_EQ(Names(rows), (QStringList{"..", "Sub", "a.JPG", "b.tif", "c.tiff", "d.jpgx"}));
    // An extension the system has no type for is still a picture's.
    EXPECT_EQ(rows.last().typeName, u"JPGX picture"_s);
    EXPECT_TRUE(SystemIconKey(rows.last().icon).startsWith(u"image/"_s));
    // The volume itself is a drive root: no ".." row.
    EXPECT_EQ(Names(Rows(root_.path())), (QStringList{"pics"}));
}

TEST_F(FolderListingTest, SizeTextsAreKilobytesRoundedUpAndTimesTheLastWrite) {
    const std::map<qint64, const char*> cases = {
        {0, "1 KB"},
        {1024, "1 KB"},
        {1025, "2 KB"},
        {1536000, "1,500 KB"},
        {1048576000, "1,024,000 KB"},
    };
    for (const auto& [size, text] : cases)
        Make(u"sizes/%1.png"_s.arg(size), size);
    // The first second of 1970 is a last-write time like any other.
    const QDateTime epoch = QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
    QFile zero(root_.filePath(u"sizes/0.png"_s));
    ASSERT_TRUE(zero.open(QIODevice::ReadWrite) &&
                zero.setFileTime(epoch, QFileDevice::FileModificationTime));
    zero.close();
    for (const FileItem& row : Rows(root_.filePath(u"sizes"_s)).mid(1)) {
        const qint64 size = row.name.section(u'.', 0, 0).toLongLong();
        EXPECT_EQ(row.sizeText.toStdString(), cases.at(size));
        EXPECT_EQ(row.size, uint64_t(size));
        EXPECT_TRUE(size != 0 || row.time == ToFileTime(epoch));
        EXPECT_FALSE(row.timeText.isEmpty());
        EXPECT_EQ(row.typeName, u"PNG image"_s);
    }
}

TEST_F(FolderListingTest, SortsFoldersFirstByteWiseAndKeepsTheParentOnTop) {
    for (const auto& [name, size] : {std::pair{"a", 3000}, {"B", 1}, {"A", 9000}, {"b", 2000}})
        Make(u"s/%1.jpg"_s.arg(QLatin1String(name)), size);
    QDir().mkpath(root_.filePath(u"s/zeta"_s));
    QDir().mkpath(root_.filePath(u"s/Alpha"_s));
    const QString folder = root_.filePath(u"s"_s);
    EXPECT_EQ(Names(Rows(folder)),
              (QStringList{"..", "Alpha", "zeta", "A.jpg", "B.jpg", "a.jpg", "b.jpg"}));
    EXPECT_EQ(Names(Rows(folder, FileColumn::Name, false)),
              (QStringList{"..", "zeta", "Alpha", "b.jpg", "a.jpg", "B.jpg", "A.jpg"}));
    EXPECT_EQ(Names(Rows(folder, FileColumn::Size, false)),
              (QStringList{"..", "zeta", "Alpha", "A.jpg", "a.jpg", "b.jpg", "B.jpg"}));
}

TEST_F(FolderListingTest, HostileNamesAndFoldersShowWhatCanBeShown) {
    for (const char* name : {"with space.jpg", "it's \"q\".jpg", "new\nline.jpg", "-dash.jpg"})
        Make(u"h/"_s + QString::fromUtf8(name));
    const QByteArray invalid = QFile::encodeName(root_.filePath(u"h/"_s)) + "bad\xff\xfe.jpg";
    ASSERT_TRUE(QFile::copy(TestData(u"jpg/Canon_40D.jpg"_s), root_.filePath(u"h/good.jpg"_s)));
    ASSERT_EQ(::rename(QFile::encodeName(root_.filePath(u"h/good.jpg"_s)).constData(),
                       invalid.constData()),
              0);
    ASSERT_EQ(::symlink(".", QFile::encodeName(root_.filePath(u"h/loop"_s)).constData()), 0);
    // A folder so named is a folder, and its pictures are listed.
    const QByteArray oddFolder = QFile::encodeName(root_.filePath(u"h/"_s)) + "caf\xe9";
    ASSERT_EQ(::mkdir(oddFolder.constData(), 0755), 0);
    ASSERT_EQ(::link(invalid.constData(), oddFolder + "/in.jpg"), 0);
    const QList<FileItem> rows = Rows(root_.filePath(u"h"_s));
    EXPECT_EQ(rows.size(), 1 + 2 + 5) << qPrintable(Names(rows).join('|'));
    const auto odd = std::find_if(rows.begin(), rows.end(), [](const FileItem& row) {
        return ShownFileName(row.name) == u"caf\uFFFD"_s;
    });
    ASSERT_NE(odd, rows.end());
    EXPECT_EQ(std::pair(odd->isFolder, odd->typeName), std::pair(true, u"Folder"_s));
    EXPECT_EQ(Names(Rows(odd->path)), (QStringList{"..", "in.jpg"}));
    // Shown with replacement characters; its path keeps the bytes, so the
    // picture opens.
    const auto bad = std::find_if(rows.begin(), rows.end(), [](const FileItem& row) {
        return ShownFileName(row.name) == u"bad\uFFFD\uFFFD.jpg"_s;
    });
    ASSERT_NE(bad, rows.end());
    EXPECT_EQ(EncodeFileName(bad->path), invalid);
    CxImage picture;
    EXPECT_TRUE(picture.Load(bad->path)) << qPrintable(picture.GetLastError());
    EXPECT_EQ(ExifReader().Load(bad->path), 1);
    // Into the loop and back: each step is one folder deeper, never a hang.
    EXPECT_EQ(Rows(root_.filePath(u"h/loop/loop"_s)).size(), rows.size());

    // A folder removed after it was listed: just its ".." row.
    IdList gone;
    ASSERT_TRUE(shell_->ParsePath(root_.filePath(u"h"_s), gone));
    ::unlink(invalid.constData()); // names Qt cannot spell
    ::unlink(oddFolder + "/in.jpg");
    ::rmdir(oddFolder.constData());
    QDir(root_.filePath(u"h"_s)).removeRecursively();
    EXPECT_EQ(Names(listing_->List(gone)), QStringList{".."});
}

TEST_F(FolderListingTest, AFolderThatCannotBeReadShowsJustItsParentRow) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    const QString locked = root_.filePath(u"locked"_s);
    Make(u"locked/a.jpg"_s);
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
