// SPDX-License-Identifier: MIT
#include "preview/ExifReader.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <libexif/exif-data.h>

#include <gtest/gtest.h>

namespace {

// Every camera file of the project's test pictures.
QStringList CameraFiles() {
    QStringList files;
    for (const char* folder : {"jpg", "hdr", "orientation", "tiff", "invalid"})
        for (const QString& name :
             QDir(TestData(QString::fromLatin1(folder))).entryList(QDir::Files))
            files << TestData(QString::fromLatin1(folder) + QLatin1Char('/') + name);
    return files;
}

QStringList Walk(ExifReader& reader) {
    QStringList lines;
    reader.Restart();
    while (ExifEntry* entry = reader.NextEntry())
        lines << ExifReader::EntryTitle(entry) + QLatin1Char('\t') + ExifReader::EntryValue(entry);
    return lines;
}

// libexif's own command-line tool lists the same walk, title and value.
TEST(ExifReaderTest, TheWalkListsWhatLibexifsOwnToolLists) {
    ExifReader reader;
    int withExif = 0;
    for (const QString& file : CameraFiles()) {
        const int loaded = reader.Load(file);
        withExif += loaded;
        const ToolRun tool = RunTool(QStringLiteral("exif"), {QStringLiteral("-m"), file});
        QStringList expected;
        for (const QString& line : tool.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            if (!line.startsWith(QStringLiteral("ThumbnailSize\t")))
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

} // namespace

namespace {

// The IFD of each entry of the walk, as the panel groups them.
QList<int> IfdsOfWalk(ExifReader& reader) {
    QList<int> ifds;
    reader.Restart();
    for (;;) {
        const int ifd = reader.ifdIndex;
        if (!reader.NextEntry())
            return ifds;
        ifds << ifd;
    }
}

TEST(ExifReaderTest, WalksTheFilledIfdsInOrderAndStaysAtTheEnd) {
    ExifReader reader;
    ASSERT_EQ(reader.Load(TestData(QStringLiteral("jpg/Canon_40D.jpg"))), 1);
    const QList<int> ifds = IfdsOfWalk(reader);
    EXPECT_TRUE(std::is_sorted(ifds.begin(), ifds.end()));
    EXPECT_EQ(QSet<int>(ifds.begin(), ifds.end()), (QSet<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(reader.NextEntry(), nullptr);
    EXPECT_EQ(reader.NextEntry(), nullptr) << "still over until restarted";
    reader.Restart();
    ASSERT_NE(reader.NextEntry(), nullptr);

    // GPS tags share numbers with the Interoperability tags; each is named
    // for the IFD it stands in.
    ASSERT_EQ(reader.Load(TestData(QStringLiteral("hdr/iphone_hdr_NO.jpg"))), 1);
    const QStringList lines = Walk(reader);
    EXPECT_TRUE(lines.contains(QStringLiteral("North or South Latitude\tN")));
    EXPECT_TRUE(lines.filter(QRegularExpression(QStringLiteral("^Latitude\t40, 26, "))).size() ==
                1);
    EXPECT_TRUE(lines.filter(QStringLiteral("Interoperability")).isEmpty());
    EXPECT_EQ(IfdsOfWalk(reader).count(3), 14) << "the GPS entries";
}

TEST(ExifReaderTest, ASecondLoadReplacesTheFirstAndAFailedOpenKeepsIt) {
    ExifReader reader;
    ASSERT_EQ(reader.Load(TestData(QStringLiteral("jpg/Canon_40D.jpg"))), 1);
    reader.NextEntry();
    reader.NextEntry();
    ASSERT_EQ(reader.Load(TestData(QStringLiteral("jpg/Nikon_D70.jpg"))), 1);
    EXPECT_EQ(reader.ifdIndex, 0);
    EXPECT_EQ(reader.entryIndex, 0);
    const QStringList nikon = Walk(reader);
    EXPECT_TRUE(nikon.contains(QStringLiteral("Model\tNIKON D70"))) << qPrintable(nikon.join('\n'));
    EXPECT_TRUE(nikon.filter(QStringLiteral("Canon")).isEmpty());

    EXPECT_EQ(reader.Load(QStringLiteral("/no/such/picture.jpg")), 0);
    EXPECT_EQ(Walk(reader), nikon) << "the data of the last load stays";
}

TEST(ExifReaderTest, BadInputGivesNoEntriesAndNoCrash) {
    QTemporaryDir dir;
    const QByteArray camera = [] {
        QFile file(TestData(QStringLiteral("jpg/Canon_40D.jpg")));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    };
    struct Case {
        QString path;
        int loaded;
    } const cases[] = {
        {write(QStringLiteral("empty.jpg"), {}), 0},
        // Shorter than one chunk: the IFD 0 entries it holds still read.
        {write(QStringLiteral("short.jpg"), camera.left(300)), 1},
        {write(QStringLiteral("exif-cut-short.jpg"), camera.left(1500)), 1},
        {write(QStringLiteral("no-exif.png"),
               QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(2000, 'x')),
         0},
        {dir.path(), 0},
    };
    for (const Case& c : cases) {
        ExifReader reader;
        EXPECT_EQ(reader.Load(c.path), c.loaded) << qPrintable(c.path);
        Walk(reader);
    }
    for (const QString& file : QDir(TestData(QStringLiteral("invalid"))).entryList(QDir::Files)) {
        ExifReader reader;
        reader.Load(TestData(QStringLiteral("invalid/") + file));
        Walk(reader);
    }
}

// Camera files with bytes changed at random, read and walked in full.
TEST(ExifReaderTest, MutatedCameraFilesNeverCrashTheReader) {
    QTemporaryDir dir;
    QRandomGenerator random(6122026);
    const QStringList files = CameraFiles();
    const QString path = dir.filePath(QStringLiteral("mutated.jpg"));
    ExifReader reader;
    for (int round = 0; round < 3000; ++round) {
        QFile source(files[random.bounded(int(files.size()))]);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QByteArray bytes = source.read(16 * 1024);
        const int changes = 1 + random.bounded(20);
        for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
            // Mostly inside the first few kilobytes, where the EXIF block is.
            const int at = random.bounded(std::min(int(bytes.size()), 4096));
            bytes[at] = char(random.bounded(256));
        }
        if (random.bounded(4) == 0)
            bytes.truncate(random.bounded(int(bytes.size()) + 1));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        reader.Load(path);
        Walk(reader);
    }
}

} // namespace
