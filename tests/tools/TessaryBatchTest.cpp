// SPDX-License-Identifier: MIT
// tessary-batch as a user runs it: the real binary, its output and status.
#include "TestSupport.h"

#include "app/ResizeSettings.h"
#include "resize/PictureTypeTable.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

const QString kBatch = QStringLiteral(TESSARY_BATCH);

class TessaryBatchTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    ToolRun Batch(const QStringList& arguments, const QByteArray& input = {}) {
        return RunTool(kBatch, arguments, input, 120000, Environment());
    }
    QStringList Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        return env.toStringList();
    }
    QTemporaryDir dir_;
    QTemporaryDir config_;
};

TEST_F(TessaryBatchTest, UsageErrorsEndTheRunBeforeAnyPictureWithStatus2) {
    const QString photo = CopyInto(TestData(QStringLiteral("jpg/Canon_40D.jpg")), dir_.path());
    const std::pair<QStringList, const char*> cases[] = {
        {{"--set", "colour=1", photo}, "colour"},
        {{"--set", "width=wide", photo}, "width"},
        {{"--answer", "perhaps", photo}, "perhaps"},
        {{"--bogus", photo}, "--bogus"},
        {{}, "Usage"},
    };
    for (const auto& [arguments, named] : cases) {
        const ToolRun run = Batch(arguments);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(' '));
        EXPECT_TRUE((run.err + run.out).contains(QString::fromUtf8(named))) << qPrintable(run.err);
    }
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("resize"))));
}

TEST_F(TessaryBatchTest, HelpDescribesEveryOption) {
    const ToolRun run = Batch({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word : {"--set", "--answer", "--desktop-size", "--jobs",
                             "written: N, skipped: M, failed: K", "Exit status"})
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(word))) << word;
    for (const ResizeSettingsField& field : ResizeSettingsFields())
        EXPECT_TRUE(
            run.out.contains(QRegularExpression(QStringLiteral("\\s%1[ ,]").arg(field.name))))
            << qPrintable(field.name);
}

TEST_F(TessaryBatchTest, PrintsTheCountsAndEachFailureAndExits1OnFailure) {
    const QString good = CopyInto(TestData(QStringLiteral("jpg/Canon_40D.jpg")), dir_.path(),
                                  QStringLiteral("-leading dash.jpg"));
    const QString bad = CopyInto(TestData(QStringLiteral("invalid/corrupted.jpg")), dir_.path());
    const ToolRun run = Batch(
        {QStringLiteral("--set"), QStringLiteral("imagetype=5"), QStringLiteral("--"), good, bad});
    EXPECT_EQ(run.exitCode, 1) << qPrintable(run.err);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << qPrintable(run.out);
    EXPECT_EQ(lines[0], QStringLiteral("written: 1, skipped: 0, failed: 1"));
    EXPECT_TRUE(lines[1].startsWith(bad + QStringLiteral(": "))) << qPrintable(lines[1]);
    EXPECT_EQ(Identify(Path(QStringLiteral("resize/-leading dash.png"))).format, "PNG");

    // Run again: without a terminal the default answer is "No to all", and
    // a picture skipped by an answer is no failure.
    const ToolRun again =
        Batch({QStringLiteral("--set"), QStringLiteral("imagetype=5"), QStringLiteral("--"), good});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, QStringLiteral("written: 0, skipped: 1, failed: 0\n"));

    // A name that is not UTF-8 reaches its file, and its result keeps the
    // bytes (given through a shell: QProcess cannot pass such bytes).
    const QByteArray folder = QFile::encodeName(dir_.path());
    ASSERT_EQ(::rename(QFile::encodeName(good).constData(), folder + "/bad\xff.jpg"), 0);
    const ToolRun odd = RunTool(
        QStringLiteral("sh"),
        {QStringLiteral("-c"),
         QStringLiteral("exec \"$0\" --set imagetype=5 -- \"$(printf '%s/bad\\377.jpg' \"$1\")\""),
         kBatch, dir_.path()},
        {}, 120000, Environment());
    EXPECT_EQ(odd.out, QStringLiteral("written: 1, skipped: 0, failed: 0\n"))
        << qPrintable(odd.err);
    EXPECT_EQ(::access(folder + "/resize/bad\xff.png", F_OK), 0);
    // Names Qt cannot spell, so its clean-up would leave them.
    ::unlink(folder + "/resize/bad\xff.png");
    ::unlink(folder + "/bad\xff.jpg");
}

TEST_F(TessaryBatchTest, AskAnswersFromStandardInput) {
    const QStringList photos{CopyInto(TestData(QStringLiteral("jpg/Canon_40D.jpg")), dir_.path()),
                             CopyInto(TestData(QStringLiteral("jpg/Nikon_D70.jpg")), dir_.path())};
    ASSERT_EQ(Batch(photos).exitCode, 0);
    const ToolRun run = Batch(
        QStringList{QStringLiteral("--answer"), QStringLiteral("ask")} + photos, "maybe\nn\ny\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("written: 1, skipped: 1, failed: 0\n"));
    EXPECT_EQ(run.err.count(QStringLiteral("Do you want to overwrite this file?")), 3);
}

TEST_F(TessaryBatchTest, StoredSettingsApplyAndSetChangesThemForOneRunOnly) {
    QDir().mkpath(config_.path() + QStringLiteral("/Vorn"));
    QFile conf(config_.path() + QStringLiteral("/Vorn/tsy.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[setting]\nimagetype=2\nwpercent=0\nhpercent=0\nwidth=40\nheight=30\n");
    conf.close();
    const QString photo = CopyInto(TestData(QStringLiteral("jpg/Canon_40D.jpg")), dir_.path());
    ASSERT_EQ(Batch({QStringLiteral("--set"), QStringLiteral("width=50"), photo}).exitCode, 0);
    const Identified id = Identify(Path(QStringLiteral("resize/Canon_40D.bmp")));
    EXPECT_EQ(id.format, "BMP");
    EXPECT_EQ(id.width, 50);
    EXPECT_EQ(id.height, 30);
    QFile stored(config_.path() + QStringLiteral("/Vorn/tsy.conf"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_TRUE(stored.readAll().contains("width=40"));
}

TEST_F(TessaryBatchTest, DesktopModeWithoutAScreenOrASizeIsAUsageError) {
    const QString photo = CopyInto(TestData(QStringLiteral("jpg/Canon_40D.jpg")), dir_.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    const QStringList arguments{QStringLiteral("--set"), QStringLiteral("desktop=1"), photo};
    const ToolRun run = RunTool(kBatch, arguments, {}, 60000, env.toStringList());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--desktop-size"))) << qPrintable(run.err);

    const ToolRun sized =
        Batch(QStringList{QStringLiteral("--desktop-size"), QStringLiteral("160x120")} + arguments);
    EXPECT_EQ(sized.exitCode, 0) << qPrintable(sized.err);
    const Identified id = Identify(Path(QStringLiteral("resize/Canon_40D.jpg")));
    EXPECT_EQ(id.width, 160);
    EXPECT_EQ(id.height, 108);
}

// Killed at random moments while writing over its sources, the batch leaves
// every source whole: the old picture or the new one in its place, never
// half of either, or the old one in the Trash.
TEST_F(TessaryBatchTest, KilledWhileOverwritingSourcesEverySourceIsWholeInPlaceOrInTheTrash) {
    const QStringList photos = CopyPhotos(QStringLiteral("canon_hdr_NO.jpg"), dir_.path(), 8,
                                          QStringLiteral("photo%1.jpg"));
    const QStringList arguments =
        QStringList{QStringLiteral("--set"),    QStringLiteral("override=1"),
                    QStringLiteral("--set"),    QStringLiteral("trash=1"),
                    QStringLiteral("--set"),    QStringLiteral("width=99"),
                    QStringLiteral("--answer"), QStringLiteral("yes-to-all")} +
        photos;
    const QDir trash(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/info"));
    for (int round = 0; round < 6; ++round) {
        QProcess process;
        process.setEnvironment(Environment());
        process.start(kBatch, arguments);
        ASSERT_TRUE(process.waitForStarted());
        QThread::msleep(QRandomGenerator::global()->bounded(20, 400));
        process.kill();
        process.waitForFinished();
        QString trashed;
        for (const QString& info : trash.entryList(QDir::Files)) {
            QFile file(trash.filePath(info));
            trashed +=
                file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        }
        for (const QString& photo : photos)
            ASSERT_TRUE(DecodesCleanly(photo) ||
                        (!QFileInfo::exists(photo) &&
                         trashed.contains(QStringLiteral("Path=") + photo + '\n')))
                << "round " << round << ": " << qPrintable(photo);
    }
    // A batch that runs to its end clears what the killed ones left.
    Batch(arguments);
    EXPECT_GE(trash.entryList(QDir::Files).size(), photos.size());
    EXPECT_EQ(
        QDir(dir_.path()).entryList({QStringLiteral(".tessary-*")}, QDir::Files | QDir::Hidden),
        QStringList());
}

TEST_F(TessaryBatchTest, MailResizesIntoTemporaryCopiesAndAttachesThem) {
    QTemporaryDir bin;
    const QString record = RecordingXdgEmail(bin.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    env.insert(QStringLiteral("PATH"),
               bin.path() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));

    const QString photo = CopyInto(TestData(QStringLiteral("jpg/Canon_40D.jpg")), dir_.path());
    const ToolRun run = RunTool(
        kBatch,
        {QStringLiteral("--mail"), QStringLiteral("--set"), QStringLiteral("imagetype=5"), photo},
        {}, 60000, env.toStringList());
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QStringList arguments = RecordedMail(record);
    ASSERT_EQ(arguments.size(), 3) << qPrintable(arguments.join(' '));
    EXPECT_EQ(arguments[0], QStringLiteral("--utf8"));
    EXPECT_EQ(arguments[1], QStringLiteral("--attach"));
    EXPECT_TRUE(arguments[2].endsWith(QStringLiteral("/Canon_40D.png")));
    EXPECT_TRUE(arguments[2].contains(QStringLiteral("/tessary-mail-")));
    EXPECT_EQ(Identify(arguments[2]).format, "PNG");
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("resize"))));
    QDir(QFileInfo(arguments[2]).path()).removeRecursively();

    // A limit for the whole mail holds for the copies together.
    const QStringList photos = {TestData(QStringLiteral("hdr/iphone_hdr_NO.jpg")),
                                TestData(QStringLiteral("hdr/canon_hdr_NO.jpg")), photo};
    RunTool(kBatch,
            QStringList{"--mail", "--set", "mailmaxkb=300", "--set", "imagetype=1"} + photos, {},
            60000, env.toStringList());
    qint64 total = 0;
    const QStringList limited = RecordedMail(record);
    for (const QString& attached : limited.filter(QStringLiteral("/tessary-mail-")))
        total += QFileInfo(attached).size();
    EXPECT_EQ(limited.filter(QStringLiteral("/tessary-mail-")).size(), 3);
    EXPECT_LE(total, 300 * 1024);
    EXPECT_GT(total, 200 * 1024) << "the limit is shared, not given to each copy whole";
    QDir(QFileInfo(limited.last()).path()).removeRecursively();
}

} // namespace

namespace {

TEST_F(TessaryBatchTest, InfoPrintsThePanelRowsOfEachPicture) {
    const QString plain = Path(QStringLiteral("plain -x.png"));
    DrawPicture(plain, 64, 48);
    const QString camera = TestData(QStringLiteral("jpg/Canon_40D.jpg"));
    const QString empty = Path(QStringLiteral("empty.jpg"));
    QFile(empty).open(QIODevice::WriteOnly);
    const ToolRun run =
        Batch({QStringLiteral("--info"), QStringLiteral("--"), plain, camera,
               TestData(QStringLiteral("invalid/corrupted.jpg")), empty, dir_.path()});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList blocks = run.out.split(QStringLiteral("== "), Qt::SkipEmptyParts);
    ASSERT_EQ(blocks.size(), 5) << qPrintable(run.out);
    EXPECT_EQ(blocks[0], plain + QStringLiteral("\nImage Width") + QString(28, QLatin1Char(' ')) +
                             QStringLiteral("64\nImage Height") + QString(28, QLatin1Char(' ')) +
                             QStringLiteral("48\n"));
    for (int i = 2; i < 5; ++i)
        EXPECT_TRUE(blocks[i].endsWith(QStringLiteral("\ncannot read picture\n")))
            << qPrintable(blocks[i]);

    // The EXIF rows (their texts are the reader's, tested against libexif's
    // own tool there) come grouped by IFD with empty lines.
    const QStringList rows = blocks[1].split(QLatin1Char('\n'));
    EXPECT_EQ(rows.first(), camera);
    EXPECT_EQ(rows.count(QString()), 4 + 1) << "four group breaks and the final newline";
    EXPECT_TRUE(rows.contains(QStringLiteral("Model\tCanon EOS 40D")));
}

} // namespace

namespace {

TEST_F(TessaryBatchTest, ListPrintsTheFileListsRowsInItsOrder) {
    QDir().mkpath(Path(QStringLiteral("pics/Sub")));
    for (const auto& [file, size] :
         {std::pair{"b.jpg", 5000}, std::pair{"a.png", 100}, std::pair{"c.txt", 9}}) {
        QFile picture(Path(QStringLiteral("pics/") + QLatin1String(file)));
        ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
        picture.resize(size);
    }
    const auto names = [](const ToolRun& run) {
        QStringList shown;
        for (const QString& line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            shown << line.section(QLatin1Char('\t'), 0, 0);
        return shown;
    };
    const ToolRun byName = Batch({QStringLiteral("--list"), Path(QStringLiteral("pics"))});
    EXPECT_EQ(byName.exitCode, 0) << qPrintable(byName.err);
    EXPECT_EQ(names(byName), (QStringList{"..", "Sub", "a.png", "b.jpg"}));
    EXPECT_TRUE(byName.out.contains(QStringLiteral("b.jpg\t5 KB\tJPEG image\t")));
    const ToolRun bySize =
        Batch({QStringLiteral("--list"), QStringLiteral("--sort"), QStringLiteral("size"),
               QStringLiteral("--descending"), Path(QStringLiteral("pics"))});
    EXPECT_EQ(names(bySize), (QStringList{"..", "Sub", "b.jpg", "a.png"}));
    EXPECT_EQ(Batch({QStringLiteral("--list"), Path(QStringLiteral("nowhere"))}).exitCode, 1);
    EXPECT_EQ(Batch({QStringLiteral("--list"), QStringLiteral("--sort"), QStringLiteral("colour"),
                     Path(QStringLiteral("pics"))})
                  .exitCode,
              2);
}

} // namespace

namespace {

// Each modern type is written from a camera JPEG in a form its own reference
// tool accepts, and read back like a JPEG: listed, shown with its EXIF,
// resized into every type; a cut-off copy fails alone.
TEST_F(TessaryBatchTest, ModernTypesAreWrittenForTheirOwnToolsAndReadBackLikeAJpeg) {
    const QString photo = CopyInto(TestData(QStringLiteral("jpg/canon-ixus.jpg")), dir_.path());
    const QString model = QStringLiteral("Canon DIGITAL IXUS");
    // Options as one string; the test's folders have no spaces.
    const auto words = [](const QString& line) {
        return line.split(QLatin1Char(' '));
    };
    const auto oracle = [&](const QString& line) {
        return RunTool(words(line).first(), words(line).mid(1));
    };
    const auto set =
        QStringLiteral("--answer yes-to-all --set width=50 --set height=50 --set dest=");
    QDir().mkpath(Path(QStringLiteral("in")));
    QStringList inputs;
    const char* const checks[] = {"webpinfo -quiet", "avifdec --info", "heif-info", "jxlinfo"};
    for (int code = 8; code <= 11; ++code) {
        const QString extension = PictureTypeTable::Extension(uint32_t(code));
        const QString written = Path(QStringLiteral("out/canon-ixus.") + extension);
        EXPECT_EQ(Batch(words(set + QStringLiteral("out --set imagetype=%1 ").arg(code) + photo))
                      .exitCode,
                  0);
        EXPECT_EQ(oracle(QString::fromLatin1(checks[code - 8]) + ' ' + written).exitCode, 0)
            << code;
        EXPECT_EQ(oracle(QStringLiteral("vipsheader -f width ") + written).out, "320\n");
        // JPEG XL cannot keep EXIF in libvips 8.14.
        EXPECT_EQ(oracle(QStringLiteral("exiftool -s3 -Model ") + written).out.trimmed(),
                  code == 11 ? QString() : model);
        inputs << CopyInto(written, Path(QStringLiteral("in")), extension + '.' + extension);
        QFile cut(
            CopyInto(written, Path(QStringLiteral("in")), QStringLiteral("cut.") + extension));
        ASSERT_TRUE(cut.resize(cut.size() / 2));
        inputs << cut.fileName();
    }
    EXPECT_EQ(Batch(words(QStringLiteral("--list ") + Path(QStringLiteral("in"))))
                  .out.count(QRegularExpression(QStringLiteral("\t\\d+ KB\t\\w+"))),
              8);
    const ToolRun info = Batch(QStringList{QStringLiteral("--info")} + inputs);
    EXPECT_EQ(info.out.count(model), 3) << qPrintable(info.out);
    EXPECT_EQ(info.out.count(QStringLiteral("cannot read picture")), 4);
    for (int code = 1; code <= 11; ++code)
        EXPECT_TRUE(Batch(words(set + QStringLiteral("all --set imagetype=%1").arg(code)) + inputs)
                        .out.startsWith(QStringLiteral("written: 4, skipped: 0, failed: 4\n")))
            << code;
    EXPECT_EQ(QDir(Path(QStringLiteral("in/all"))).entryList(QDir::Files).size(), 4 * 11);
}

} // namespace

namespace {

// --recursive takes a tree's pictures but never its results, nor what a
// link reaches outside or round the tree, and repeats the tree under an
// absolute destination; a folder without it is a usage error.
TEST_F(TessaryBatchTest, RecursiveTakesATreesPicturesButNotItsResultsNorLinksOutOrRound) {
    for (const char* name : {"tree/x.jpg", "tree/a/x.jpg", "tree/a/deep/y.jpg", "outside/o.jpg"}) {
        QDir().mkpath(QFileInfo(Path(QLatin1String(name))).path());
        CopyInto(TestData(QStringLiteral("jpg/Canon_40D.jpg")), dir_.path(), QLatin1String(name));
    }
    QFile::link(QStringLiteral(".."), Path(QStringLiteral("tree/a/loop")));
    QFile::link(QStringLiteral("../outside"), Path(QStringLiteral("tree/out")));
    const QString tree = Path(QStringLiteral("tree"));
    const auto results = [&](const QString& under) {
        QStringList found;
        QDirIterator it(Path(under), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next().mid(Path(under).size() + 1);
        found.sort();
        return found;
    };
    EXPECT_EQ(Batch({tree}).exitCode, 2);
    for (int run = 0; run < 2; ++run)
        EXPECT_EQ(Batch({"--recursive", "--answer", "yes-to-all", tree}).out,
                  "written: 3, skipped: 0, failed: 0\n");
    const QString all = Path(QStringLiteral("tree/all"));
    EXPECT_EQ(Batch({"--recursive", "--set", "dest=" + all, tree}).out,
              "written: 3, skipped: 0, failed: 0\n");
    EXPECT_EQ(Batch({"--recursive", "--set", "dest=" + all, tree}).out,
              "written: 0, skipped: 3, failed: 0\n");
    EXPECT_EQ(
        results(QStringLiteral("tree")),
        (QStringList{"a/deep/resize/y.jpg", "a/deep/y.jpg", "a/resize/x.jpg", "a/x.jpg",
                     "all/a/deep/y.jpg", "all/a/x.jpg", "all/x.jpg", "resize/x.jpg", "x.jpg"}));
}

} // namespace
