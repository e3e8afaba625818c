// SPDX-License-Identifier: MIT
#include "preview/ExifReader.h"

#include "TestSupport.h"

#include <QRandomGenerator>

#include <libexif/exif-data.h>

namespace {

// Every camera file of the project's test pictures.
QStringList CameraFiles() {
    QStringList files;
    for (const char* folder : {"jpg", "hdr", "orientation", "tiff", "invalid"})
        for (const QString& name :
             QDir(TestData(QString::fromLatin1(folder))).entryList(QDir::Files))
            files << TestData(QString::fromLatin1(folder) + u'/' + name);
    return files;
}

QStringList Walk(ExifReader& reader) {
    QStringList lines;
    reader.Restart();
    while (ExifEntry* entry = reader.NextEntry())
        lines << ExifReader::EntryTitle(entry) + u'\t' + ExifReader::EntryValue(entry);
    return lines;
}

// libexif's own command-line tool lists the same walk, title and value.
TEST(ExifReaderTest, TheWalkListsWhatLibexifsOwnToolLists) {
    ExifReader reader;
    int withExif = 0;
    for (const QString& file : CameraFiles()) {
        const int loaded = reader.Load(file);
        withExif += loaded;
        // 1: the file has no EXIF, or the tool stopped at a damaged entry.
        const ToolRun tool = Oracle(u"exif"_s, {u"-m"_s, file}, {0, 1});
        QStringList expected;
        for (const QString& line : tool.out.split(u'\n', Qt::SkipEmptyParts))
            if (!line.startsWith(u"ThumbnailSize\t"_s))
                expected << line;
        const QStringList walked = Walk(reader);
        // The tool stops at the first entry it finds damaged (and exits 1):
        // what it listed up to there is the start of our walk.
        const qsizetype compared =
            tool.exitCode == 0 ? std::max(walked.size(), expected.size()) : expected.size();
        for (qsizetype i = 0; i < compared; ++i)
            ASSERT_EQ(walked.value(i).toStdString(), expected.value(i).toStdString())
                << qPrintable(file) << " line " << i;
        EXPECT_EQ(loaded, walked.isEmpty() ? 0 : 1) << qPrintable(file);
    }
    EXPECT_GT(withExif, 20);
}

// The walk's titles, values and order are checked against libexif's own
// tool above; here a reader is used again, as the preview uses it.
TEST(ExifReaderTest, AWalkStaysOverUntilRestartedAndASecondLoadReplacesTheFirst) {
    ExifReader reader;
    ASSERT_EQ(reader.Load(TestData(u"jpg/Canon_40D.jpg"_s)), 1);
    Walk(reader);
    EXPECT_EQ(reader.NextEntry(), nullptr);
    EXPECT_EQ(reader.NextEntry(), nullptr) << "still over until restarted";
    reader.Restart();
    reader.NextEntry();
    ASSERT_EQ(reader.Load(TestData(u"jpg/Nikon_D70.jpg"_s)), 1);
    EXPECT_EQ(std::pair(reader.ifdIndex, reader.entryIndex), std::pair(0, 0));
    const QStringList nikon = Walk(reader);
    EXPECT_TRUE(nikon.contains(u"Model\tNIKON D70"_s)) << qPrintable(nikon.join('\n'));
    EXPECT_TRUE(nikon.filter(u"Canon"_s).isEmpty());

    EXPECT_EQ(reader.Load(u"/no/such/picture.jpg"_s), 0);
    EXPECT_EQ(Walk(reader), nikon) << "the data of the last load stays";
}

// What a cut or foreign file gives; crashes on any such file are the
// mutation test's to find.
TEST(ExifReaderTest, ACutFileGivesTheEntriesItHoldsAndAForeignOneNone) {
    QTemporaryDir dir;
    const QByteArray camera = ReadFile(TestData(u"jpg/Canon_40D.jpg"_s));
    const std::pair<QString, int> cases[] = {
        {WriteFile(dir.filePath(u"empty.jpg"_s)), 0},
        // Shorter than one chunk: the IFD 0 entries it holds still read.
        {WriteFile(dir.filePath(u"short.jpg"_s), camera.left(300)), 1},
        {WriteFile(dir.filePath(u"cut.jpg"_s), camera.left(1500)), 1},
        {WriteFile(dir.filePath(u"no.png"_s), "\x89PNG\r\n\x1a\n" + QByteArray(2000, 'x')), 0},
        {dir.path(), 0},
    };
    for (const auto& [path, loaded] : cases) {
        ExifReader reader;
        EXPECT_EQ(reader.Load(path), loaded) << qPrintable(path);
        EXPECT_EQ(Walk(reader).isEmpty(), loaded == 0) << qPrintable(path);
    }
}

// Camera files with bytes changed at random, read and walked in full.
TEST(ExifReaderTest, MutatedCameraFilesNeverCrashTheReader) {
    QTemporaryDir dir;
    QRandomGenerator random(6122026);
    const QStringList files = CameraFiles();
    const QString path = dir.filePath(u"mutated.jpg"_s);
    ExifReader reader;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = ReadFile(files[random.bounded(int(files.size()))]).left(16 * 1024);
        const int changes = 1 + random.bounded(20);
        for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
            // Mostly inside the first few kilobytes, where the EXIF block is.
            const int at = random.bounded(std::min(int(bytes.size()), 4096));
            bytes[at] = char(random.bounded(256));
        }
        if (random.bounded(4) == 0)
            bytes.truncate(random.bounded(int(bytes.size()) + 1));
        reader.Load(WriteFile(path, bytes));
        Walk(reader);
    }
}

} // namespace
