// SPDX-License-Identifier: MIT
// tessary-batch as a user runs it: the real binary, its output and status.
#include "RealProgramTest.h"
#include "TestSupport.h"

#include "settings/ResizeSettings.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <array>
#include <random>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kBatch = QStringLiteral(TESSARY_BATCH);

class TessaryBatchTest : public RealProgramTest {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    // options: the words before the files, split at spaces.
    ToolRun Batch(const QString& options, const QStringList& files = {},
                  const QByteArray& input = {}) const {
        return RunTool(kBatch, options.split(u' ', Qt::SkipEmptyParts) + files, input, 120000,
                       Environment());
    }
    // The arguments as they are, spaces and all.
    ToolRun Run(const QStringList& arguments) const {
        return RunTool(kBatch, arguments, {}, 120000, Environment());
    }
    QString Photo(const QString& name = u"Canon_40D.jpg"_s, const QString& as = {}) const {
        return CopyInto(TestData(u"jpg/"_s + name), dir_.path(), as);
    }
};

// The option words are the parser's to check; here a usage error ends the
// run before any picture with status 2 and the fault named, in the user's
// language as the locale's variables choose it, and --help names every
// stored value that --set takes.
TEST_F(TessaryBatchTest, UsageErrorsEndTheRunBeforeAnyPictureAndHelpNamesEveryValue) {
    const QStringList headless = Environment().filter(
        QRegularExpression(u"^(?!DISPLAY=|WAYLAND_DISPLAY=|QT_QPA_PLATFORM=)"_s));
    const QStringList german =
        Environment().filter(QRegularExpression(u"^(?!LANGUAGE=|LC_ALL=|LC_MESSAGES=|LANG=)"_s)) +
        QStringList{u"LANG=de_DE.UTF-8"_s};
    const std::tuple<QStringList, const char*, QStringList> cases[] = {
        {{"--set", "colour=1", Photo()}, "colour", Environment()},
        {{}, "Usage", Environment()},
        {{"--set", "desktop=1", Photo()}, "--desktop-size", headless},
        {{}, "Aufruf: tessary-batch [OPTION]... DATEI...", german},
        {{"--set", "colour=1", Photo()}, "unbekannter Optionsname", german},
    };
    for (const auto& [arguments, named, environment] : cases) {
        const ToolRun run = RunTool(kBatch, arguments, {}, 60000, environment);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(' '));
        EXPECT_TRUE((run.err + run.out).contains(QLatin1String(named))) << qPrintable(run.err);
    }
    EXPECT_FALSE(QFileInfo::exists(Path(u"resize"_s)));
    const ToolRun help = Batch(u"--help"_s);
    EXPECT_EQ(help.exitCode, 0);
    for (const ResizeSettingsField& field : ResizeSettingsFields())
        EXPECT_TRUE(help.out.contains(QRegularExpression(u"\\s%1[ ,]"_s.arg(field.name))))
            << qPrintable(field.name);
}

TEST_F(TessaryBatchTest, PrintsTheCountsAndEachFailureAndExits1OnFailure) {
    const QString good = Photo(u"Canon_40D.jpg"_s, u"-leading dash.jpg"_s);
    const QString bad = CopyInto(TestData(u"invalid/corrupted.jpg"_s), dir_.path());
    const ToolRun run = Batch(u"--set imagetype=5 --"_s, {good, bad});
    EXPECT_EQ(run.exitCode, 1) << qPrintable(run.err);
    EXPECT_TRUE(run.out.startsWith(u"written: 1, skipped: 0, failed: 1\n"_s + bad + u": "_s))
        << qPrintable(run.out);
    EXPECT_EQ(run.out.count(u'\n'), 2);
    EXPECT_EQ(Identify(Path(u"resize/-leading dash.png"_s)).format, "PNG");
    // Without a terminal the default answer is "No to all", and a picture
    // skipped by an answer is no failure.
    const ToolRun again = Batch(u"--set imagetype=5 --"_s, {good});
    EXPECT_EQ(std::pair(again.exitCode, again.out),
              std::pair(0, u"written: 0, skipped: 1, failed: 0\n"_s));

    // A name that is not UTF-8 reaches its file, given relative to the
    // current folder, and its result keeps the bytes (through a shell:
    // QProcess cannot pass such bytes).
    const QByteArray folder = QFile::encodeName(dir_.path());
    ASSERT_EQ(::rename(QFile::encodeName(good).constData(), folder + "/bad\xff.jpg"), 0);
    const ToolRun odd = RunTool(
        u"sh"_s,
        {u"-c"_s, u"cd \"$1\" && exec \"$0\" --set imagetype=5 -- \"$(printf 'bad\\377.jpg')\""_s,
         kBatch, dir_.path()},
        {}, 120000, Environment());
    EXPECT_EQ(std::pair(odd.exitCode, odd.out),
              std::pair(0, u"written: 1, skipped: 0, failed: 0\n"_s))
        << qPrintable(odd.err);
    EXPECT_EQ(::access(folder + "/resize/bad\xff.png", F_OK), 0);
    // Names Qt cannot spell, so its clean-up would leave them.
    ::unlink(folder + "/resize/bad\xff.png");
    ::unlink(folder + "/bad\xff.jpg");
}

TEST_F(TessaryBatchTest, AskAnswersFromStandardInput) {
    const QStringList photos{Photo(), Photo(u"Nikon_D70.jpg"_s)};
    ASSERT_EQ(Batch({}, photos).exitCode, 0);
    const ToolRun run = Batch(u"--answer ask"_s, photos, "maybe\nn\ny\n");
    EXPECT_EQ(std::pair(run.exitCode, run.out),
              std::pair(0, u"written: 1, skipped: 1, failed: 0\n"_s));
    EXPECT_EQ(run.err.count(u"Do you want to overwrite this file?"_s), 3);
}

// Pictures listed one a line or NUL-separated on standard input, each with
// the stored options (a --set on top of them) and further outputs and
// those of --also; an output that fails is reported with its number and
// name, and the others are written.
TEST_F(TessaryBatchTest, ListsFromAFileOrStandardInputAndFurtherOutputsThatFailAlone) {
    WriteFile(home_.filePath(u".config/Vorn/tsy.conf"_s),
              "[setting]\nimagetype=5\nalso=\"imagetype=8,nametemplate={name}-{w}\"\n");
    const QStringList photos{Photo(), Photo(u"Nikon_D70.jpg"_s, u"with\nnewline.jpg"_s)};
    const QString list = WriteFile(Path(u"list.txt"_s), QFile::encodeName(photos[0]) + "\n\n");
    const ToolRun run =
        Batch(u"--files-from "_s + list + u" --also imagetype=4,wpercent=0,width=300"_s);
    EXPECT_EQ(run.exitCode, 1) << qPrintable(run.err);
    EXPECT_EQ(run.out,
              u"written: 2, skipped: 0, failed: 1\n%1 (output 3, Canon_40D.ico): an icon "
              u"can be at most 256 x 256 pixels; this picture is 300 x 68\n"_s.arg(photos[0]));
    EXPECT_EQ(Identify(Path(u"resize/Canon_40D-100.webp"_s)).format, "WEBP");
    const ToolRun null = Batch(u"--files-from - --null --set onexists=1"_s, {},
                               QFile::encodeName(photos.join(QChar(0))));
    EXPECT_EQ(null.out, u"written: 4, skipped: 0, failed: 0\n"_s) << qPrintable(null.err);
    for (const char* name : {"Canon_40D (2).png", "with\nnewline.png", "with\nnewline-100.webp"})
        EXPECT_TRUE(QFileInfo::exists(Path(u"resize/"_s + QString::fromUtf8(name)))) << name;
    EXPECT_EQ(Batch(u"--files-from - --answer ask"_s).exitCode, 2);

    // A list from Windows names its files without their "\r"; one from a
    // pipe is read as it is written; a list that never ends, ends the run.
    const QString crlf = WriteFile(Path(u"crlf.txt"_s), QFile::encodeName(photos[0]) + "\r\n");
    EXPECT_EQ(Batch(u"--dry-run --files-from "_s + crlf).exitCode, 0);
    const QString fifo = Path(u"fifo"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::thread writer([&] { WriteFile(fifo, QFile::encodeName(photos[0]) + '\n'); });
    const ToolRun piped = Batch(u"--dry-run --files-from "_s + fifo);
    writer.join();
    EXPECT_EQ(std::pair(piped.exitCode, int(piped.out.count(u'\n'))), std::pair(0, 3))
        << qPrintable(piped.out + piped.err);
    for (const auto& [separator, bound] : {std::pair(u""_s, u"longer than 4096 bytes"_s),
                                           std::pair(u" --null"_s, u"longer than 256 MB"_s)}) {
        const ToolRun endless = Batch(u"--files-from /dev/zero"_s + separator);
        EXPECT_EQ(endless.exitCode, 2);
        EXPECT_TRUE(endless.err.contains(bound)) << qPrintable(endless.err);
    }
}

// Two runs into one folder at the same moment, as GNU parallel runs them,
// with names in common: neither replaces the other's results, and every
// file there is one a run reports.
TEST_F(TessaryBatchTest, TwoRunsIntoOneFolderAtOnceKeepEachOthersResults) {
    QStringList parts[2];
    for (int part = 0; part < 2; ++part) {
        QDir().mkpath(Path(u"part%1"_s.arg(part)));
        parts[part] = DrawPictures(Path(u"part%1"_s.arg(part)), 12, u"p%1.png"_s, 64, 48);
    }
    for (const QString& onexists : {u"keep-both"_s, u"skip"_s}) {
        const QString out = Path(u"out-"_s + onexists);
        std::array<QProcess, 2> runs;
        for (int part = 0; part < 2; ++part) {
            runs[part].setEnvironment(Environment());
            runs[part].start(kBatch, QStringList{u"--set"_s, u"dest="_s + out, u"--set"_s,
                                                 u"onexists="_s + onexists, u"--"_s} +
                                         parts[part]);
        }
        int written = 0;
        for (QProcess& run : runs) {
            ASSERT_TRUE(run.waitForFinished(120000));
            const QString said = QString::fromUtf8(run.readAllStandardOutput());
            written += said.section(u"written: "_s, 1).section(u',', 0, 0).toInt();
        }
        const int files = int(QDir(out).entryList(QDir::Files).size());
        EXPECT_EQ(files, written) << qPrintable(onexists);
        EXPECT_EQ(files, onexists == u"keep-both"_s ? 24 : 12) << qPrintable(onexists);
    }
}

// --dry-run writes nothing and says what would be written, each result
// with its size and bytes, then the total; a batch that removes metadata
// says what it removed.
TEST_F(TessaryBatchTest, DryRunWritesNothingAndARemovingBatchSaysWhatWent) {
    const QStringList photos{CopyInto(TestData(u"jpg/Kodak_CX7530.jpg"_s), dir_.path()),
                             Photo(u"Nikon_D70.jpg"_s)};
    const ToolRun dry =
        Batch(u"--dry-run --set imagetype=5 --also imagetype=4,wpercent=0,width=300"_s, photos);
    EXPECT_EQ(dry.exitCode, 1) << qPrintable(dry.err); // the icons cannot be made
    const QStringList lines = dry.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << qPrintable(dry.out);
    EXPECT_TRUE(QRegularExpression(u"^.*/resize/Kodak_CX7530.png\t100x78\t[0-9]+ KB$"_s)
                    .match(lines[0])
                    .hasMatch())
        << qPrintable(lines[0]);
    EXPECT_TRUE(lines[1].endsWith(u"Kodak_CX7530.ico\tcannot be made: an icon can be at most "
                                  u"256 x 256 pixels; this picture is 300 x 78"_s))
        << qPrintable(lines[1]);
    EXPECT_TRUE(lines[4].startsWith(u"total: about "_s)) << qPrintable(lines[4]);
    EXPECT_FALSE(QFileInfo::exists(Path(u"resize"_s)));

    // The plan is the run's own (checked against what it writes in the
    // batch's tests): a tree repeated under an absolute destination, names
    // kept both, sizes after a turn.
    QDir().mkpath(Path(u"tree/day 1"_s));
    Photo(u"Canon_40D.jpg"_s, u"tree/a.jpg"_s);
    Photo(u"Canon_40D.jpg"_s, u"tree/day 1/a.jpg"_s);
    WriteFile(Path(u"web/a_68x100.jpg"_s), "there before");
    const QString options = u"--recursive --set onexists=1 --set image_to_rotate=1 "
                            "--set nametemplate={name}_{w}x{h} --set dest="_s +
                            Path(u"web"_s);
    const ToolRun plan = Batch(u"--dry-run "_s + options, {Path(u"tree"_s)});
    ASSERT_EQ(plan.exitCode, 0) << qPrintable(plan.err);
    QStringList planned;
    for (const QString& line : plan.out.split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(u"total: "_s))
            planned << line.section(u'\t', 0, 0);
    planned.sort();
    EXPECT_EQ(planned,
              (QStringList{Path(u"web/a_68x100 (2).jpg"_s), Path(u"web/day 1/a_68x100.jpg"_s)}));
    // Pictures are counted, not results: a further output loses the same.
    const ToolRun run = Batch(u"--set metadata=1 --also imagetype=5"_s, photos);
    EXPECT_TRUE(run.out.endsWith(u"removed: GPS position from 1 picture\n"_s))
        << qPrintable(run.out);
}

// Presets: those that come with the program, one saved from a command line
// and used with a further change, one deleted; names with spaces and
// slashes are names like any other, names a file manager would hide or
// double are refused. Saved or deleted, a preset reaches the installed
// menus through the tessary-menu beside tessary-batch, not on PATH.
TEST_F(TessaryBatchTest, PresetsAreListedSavedUsedAndDeleted) {
    const QStringList builtIn{"Web 1600", "Mail small", "Square 1080 for social media",
                              "Thumbnail 320"};
    EXPECT_EQ(Batch(u"--list-presets"_s).out, builtIn.join(u'\n') + u'\n');
    ASSERT_EQ(RunTool(kMenu, {u"--install"_s}, {}, 60000, Environment()).exitCode, 0);
    const std::pair<QStringList, int> steps[] = {
        {{"--preset", "Square 1080 for social media", "--set", "width=200", "--set", "height=100",
          "--save-preset", "Wide / banner"},
         0},
        {{"--delete-preset", "Mail small"}, 0},
        {{"--delete-preset", "Mail small"}, 1},
        {{"--preset", "nothing", Photo()}, 2},
        {{"--save-preset", ""}, 2},
        {{"--save-preset", ".."}, 2},
        {{"--save-preset", ".hidden"}, 2},
        {{"--save-preset", "Web 1600 "}, 2},
        {{"--save-preset", "caf\uFFFD"}, 2}, // bytes that were not UTF-8
    };
    for (const auto& [arguments, status] : steps) {
        const ToolRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, status) << qPrintable(arguments.join(u' '));
        EXPECT_TRUE(status != 0 || run.err.isEmpty()) << qPrintable(run.err);
    }
    EXPECT_EQ(Batch(u"--list-presets"_s).out,
              u"Web 1600\nSquare 1080 for social media\nThumbnail 320\nWide / banner\n"_s);
    QByteArray nemo;
    for (const QString& name :
         QDir(home_.filePath(u".local/share/nemo/actions"_s)).entryList(QDir::Files))
        nemo += ReadFile(home_.filePath(u".local/share/nemo/actions/"_s + name));
    EXPECT_TRUE(nemo.contains("Wide / banner") && !nemo.contains("Mail small"));
    const QStringList run{"--preset", "Wide / banner", "--set", "anchor=2", "--", Photo()};
    ASSERT_EQ(Run(run).exitCode, 0);
    const Identified id = Identify(Path(u"resize/Canon_40D.jpg"_s));
    EXPECT_EQ(std::tuple(id.format, id.width, id.height), std::tuple(u"JPEG"_s, 200, 100));
}

// Programs saving presets at once keep every one; a presets file cut
// short, claiming more presets than it holds, or not a file at all never
// costs the program's own presets, and the user hears of it; a link at
// its place stays a link.
TEST_F(TessaryBatchTest, PresetsSurviveWritersAtOnceAndADamagedFile) {
    const QString file = home_.filePath(u".config/Vorn/tsy-presets.conf"_s);
    std::array<QProcess, 6> savers;
    for (size_t i = 0; i < savers.size(); ++i) {
        savers[i].setEnvironment(Environment());
        savers[i].start(kBatch, {u"--save-preset"_s, u"At once %1"_s.arg(i)});
    }
    for (QProcess& saver : savers)
        ASSERT_TRUE(saver.waitForFinished(60000) && saver.exitCode() == 0);
    const QStringList all = Batch(u"--list-presets"_s).out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(all.size(), 10) << qPrintable(all.join(u", "_s));
    const QByteArray whole = ReadFile(file);
    const QString builtIn =
        u"Web 1600\nMail small\nSquare 1080 for social media\nThumbnail 320\n"_s;
    // Cut short, claiming more than it holds, and a folder in its place.
    for (const QByteArray& damaged : {whole.left(whole.indexOf("size=")),
                                      QByteArray("[presets]\nsize=2147483647\n"), QByteArray()}) {
        QFile::remove(file);
        if (damaged.isEmpty())
            QDir().mkpath(file);
        else
            WriteFile(file, damaged);
        const ToolRun run = Batch(u"--list-presets"_s);
        EXPECT_TRUE(run.out.startsWith(builtIn)) << qPrintable(run.out);
        EXPECT_TRUE(run.err.contains(file)) << qPrintable(run.err);
    }
    EXPECT_EQ(Batch(u"--save-preset X"_s).exitCode, 1);
    QDir().rmdir(file);
    const QString target = WriteFile(Path(u"presets.conf"_s), whole);
    ASSERT_TRUE(QFile::link(target, file));
    ASSERT_EQ(Batch(u"--save-preset Linked"_s).exitCode, 0);
    EXPECT_TRUE(QFileInfo(file).isSymLink() && ReadFile(target).contains("Linked"));
}

// Killed at random moments while writing over its sources, the batch leaves
// every source whole: the old picture or the new one in its place, never
// half of either, or the old one in the Trash.
TEST_F(TessaryBatchTest, KilledWhileOverwritingSourcesEverySourceIsWholeInPlaceOrInTheTrash) {
    const QStringList photos = CopyPhotos(u"canon_hdr_NO.jpg"_s, dir_.path(), 8, u"photo%1.jpg"_s);
    const QString options = u"--set override=1 --set trash=1 --set width=99 --answer yes-to-all"_s;
    const QDir trash(home_.filePath(u".local/share/Trash/info"_s));
    std::mt19937 random(TestSeed());
    for (int round = 0; round < 6; ++round) {
        QProcess process;
        process.setEnvironment(Environment());
        process.start(kBatch, options.split(u' ') + photos);
        ASSERT_TRUE(process.waitForStarted());
        const unsigned moment = std::uniform_int_distribution(20u, 400u)(random);
        QThread::msleep(moment); // not a wait: the moment of the kill is drawn
        process.kill();
        process.waitForFinished();
        QString trashed;
        for (const QString& info : trash.entryList(QDir::Files))
            trashed += QString::fromUtf8(ReadFile(trash.filePath(info)));
        for (const QString& photo : photos)
            ASSERT_TRUE(DecodesCleanly(photo) ||
                        (!QFileInfo::exists(photo) && trashed.contains(u"Path="_s + photo + '\n')))
                << "round " << round << ": " << qPrintable(photo);
    }
    // A batch that runs to its end clears what the killed ones left.
    Batch(options, photos);
    EXPECT_GE(trash.entryList(QDir::Files).size(), photos.size());
    EXPECT_EQ(QDir(dir_.path()).entryList({u".tessary-*"_s}, QDir::Files | QDir::Hidden),
              QStringList());
}

// The copies go to a temporary folder, never beside the sources, and a
// limit for the whole mail holds for them together.
TEST_F(TessaryBatchTest, MailAttachesTemporaryCopiesThatShareTheMailsLimit) {
    const QString record = RecordMail();
    const QStringList photos = {TestData(u"hdr/iphone_hdr_NO.jpg"_s),
                                TestData(u"hdr/canon_hdr_NO.jpg"_s), Photo()};
    const ToolRun run = Batch(u"--mail --set mailmaxkb=300"_s, photos);
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QStringList arguments = RecordedArguments(record);
    ASSERT_EQ(arguments.size(), 7) << qPrintable(arguments.join(' '));
    EXPECT_EQ(arguments.mid(0, 2), (QStringList{"--utf8", "--attach"}));
    qint64 total = 0;
    for (const QString& attached : arguments.filter(u"/tessary-mail-"_s))
        total += QFileInfo(attached).size();
    EXPECT_EQ(arguments.filter(u"/tessary-mail-"_s).size(), 3);
    EXPECT_TRUE(arguments.last().endsWith(u"/Canon_40D.jpg"_s));
    EXPECT_LE(total, 300 * 1024);
    EXPECT_GT(total, 200 * 1024) << "the limit is shared, not given to each copy whole";
    EXPECT_FALSE(QFileInfo::exists(Path(u"resize"_s)));
}

// The rows' texts are the reader's and the panel's, tested there; here each
// picture gets its block, the EXIF rows grouped by IFD with empty lines.
TEST_F(TessaryBatchTest, InfoPrintsThePanelRowsOfEachPicture) {
    const QString plain = Path(u"plain -x.png"_s);
    DrawPicture(plain, 64, 48);
    const QString camera = TestData(u"jpg/Canon_40D.jpg"_s);
    // Larger than any picture the batch makes, but read a strip at a time.
    const QString huge = Path(u"huge.png"_s);
    Oracle(u"vips"_s, {u"black"_s, huge, u"16500"_s, u"16500"_s});
    const ToolRun run = Batch(u"--info --"_s, {plain, camera, TestData(u"invalid/corrupted.jpg"_s),
                                               WriteFile(Path(u"empty.jpg"_s)), dir_.path(), huge});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList blocks = run.out.split(u"== "_s, Qt::SkipEmptyParts);
    ASSERT_EQ(blocks.size(), 6) << qPrintable(run.out);
    EXPECT_TRUE(blocks[5].endsWith(u"\nImage Height"_s + QString(25, u' ') + u"16500\n"_s))
        << qPrintable(blocks[5]);
    EXPECT_EQ(blocks[0], plain + u"\nImage Width"_s + QString(28, u' ') + u"64\nImage Height"_s +
                             QString(28, u' ') + u"48\n"_s);
    for (int i = 2; i < 5; ++i)
        EXPECT_TRUE(blocks[i].contains(QRegularExpression(u"\ncannot read picture \\(.+\\)\n$"_s)))
            << qPrintable(blocks[i]);
    const QStringList rows = blocks[1].split(u'\n');
    EXPECT_EQ(rows.first(), camera);
    EXPECT_EQ(rows.count(QString()), 4 + 1) << "four group breaks and the final newline";
    EXPECT_TRUE(rows.contains(u"Model\tCanon EOS 40D"_s));
}

// The rows and their order are the listing's own rules, tested there; here
// the program prints them, sorted as asked, and says when it cannot.
TEST_F(TessaryBatchTest, ListPrintsTheFileListsRowsSortedAsAsked) {
    QDir().mkpath(Path(u"pics/Sub"_s));
    WriteFile(Path(u"pics/a.png"_s));
    WriteFile(Path(u"pics/b.jpg"_s), QByteArray(5000, 'b'));
    const ToolRun bySize = Batch(u"--list --sort size --descending"_s, {Path(u"pics"_s)});
    EXPECT_EQ(bySize.exitCode, 0) << qPrintable(bySize.err);
    EXPECT_TRUE(QRegularExpression(u"^\\.\\.\t.*\nSub\t.*\nb.jpg\t5 KB\tJPEG image\t.*\na.png\t"_s)
                    .match(bySize.out)
                    .hasMatch())
        << qPrintable(bySize.out);
    EXPECT_EQ(Batch(u"--list"_s, {Path(u"nowhere"_s)}).exitCode, 1);
    EXPECT_EQ(Batch(u"--list --sort colour"_s, {Path(u"pics"_s)}).exitCode, 2);
}

// --recursive takes a tree's pictures but never its results, nor what a
// link reaches outside or round the tree, and repeats the tree under an
// absolute destination; a folder without it is a usage error.
TEST_F(TessaryBatchTest, RecursiveTakesATreesPicturesButNotItsResultsNorLinksOutOrRound) {
    for (const char* name : {"tree/x.jpg", "tree/a/x.jpg", "tree/a/deep/y.jpg", "outside/o.jpg"}) {
        QDir().mkpath(QFileInfo(Path(QLatin1String(name))).path());
        Photo(u"Canon_40D.jpg"_s, QLatin1String(name));
    }
    QFile::link(u".."_s, Path(u"tree/a/loop"_s));
    QFile::link(u"../outside"_s, Path(u"tree/out"_s));
    const QString tree = Path(u"tree"_s);
    EXPECT_EQ(Batch({}, {tree}).exitCode, 2);
    // A further output's folder beside each folder is a result too.
    const QString all = u" --also dest=web --set dest="_s + Path(u"tree/all"_s);
    const std::pair<QString, const char*> runs[] = {
        {u"--recursive --answer yes-to-all"_s, "written: 3, skipped: 0, failed: 0\n"},
        {u"--recursive --answer yes-to-all --also dest=web"_s,
         "written: 6, skipped: 0, failed: 0\n"},
        {u"--recursive"_s + all, "written: 3, skipped: 3, failed: 0\n"},
        {u"--recursive"_s + all, "written: 0, skipped: 6, failed: 0\n"},
    };
    for (const auto& [options, counts] : runs)
        EXPECT_EQ(Batch(options, {tree}).out, QLatin1String(counts)) << qPrintable(options);
    QStringList found;
    QDirIterator it(tree, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next().mid(tree.size() + 1);
    found.sort();
    EXPECT_EQ(found,
              (QStringList{"a/deep/resize/y.jpg", "a/deep/web/y.jpg", "a/deep/y.jpg",
                           "a/resize/x.jpg", "a/web/x.jpg", "a/x.jpg", "all/a/deep/y.jpg",
                           "all/a/x.jpg", "all/x.jpg", "resize/x.jpg", "web/x.jpg", "x.jpg"}));
    // Results beside their sources: the tree's pictures are still its own,
    // and those that would be written over a source are not.
    const ToolRun beside =
        Batch(u"--recursive --set dest=. --set imagetype=5"_s, {Path(u"outside"_s)});
    EXPECT_EQ(beside.out, u"written: 1, skipped: 0, failed: 0\n"_s) << qPrintable(beside.err);
    EXPECT_TRUE(QFileInfo::exists(Path(u"outside/o.png"_s)));
    const ToolRun over = Batch(u"--recursive --set dest=."_s, {Path(u"outside"_s)});
    EXPECT_EQ(over.exitCode, 1);
    EXPECT_TRUE(over.out.contains(u"which is not to be overwritten"_s)) << qPrintable(over.out);
    QDir().mkpath(Path(u"empty"_s));
    const ToolRun empty = Batch(u"--recursive"_s, {Path(u"empty"_s)});
    EXPECT_EQ(std::pair(empty.exitCode, empty.err.contains(u"there is no picture under"_s)),
              std::pair(1, true))
        << qPrintable(empty.err);
}

} // namespace
