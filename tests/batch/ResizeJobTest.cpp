// SPDX-License-Identifier: MIT
#include "BatchSupport.h"

#include "batch/ResizeTexts.h"
#include "codec/Image.h"
#include "codec/PictureTypeTable.h"

#include <QDateTime>

#include <deque>

namespace {

using Status = PictureOutcome::Status;

// Answers from a script, in order, and records what it was asked: "O" for
// each overwrite question, "G" for each GIF question.
class ScriptedPrompt : public ConfirmationPrompt {
public:
    // Once the script has run out, every question gets `then`.
    explicit ScriptedPrompt(std::deque<int> answers = {}, int then = AnswerAsk)
        : answers_(std::move(answers))
        , then_(then) {}
    int Ask(const QString& question, const QString&) override {
        asked += question == ResizeText::GifQuestion ? 'G' : 'O';
        if (answers_.empty())
            return then_;
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    std::string asked;

private:
    std::deque<int> answers_;
    int then_;
};

class ResizeJobTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    // Pixel-unit settings that make every result 64 x 48.
    static ResizeSettings SmallResult() {
        ResizeSettings s;
        s.dest.clear();
        s.width = 64;
        s.height = 48;
        s.wpercent = s.hpercent = 0;
        return s;
    }
    QStringList Pictures(int count, const QString& prefix = u"p"_s) {
        return DrawPictures(dir_.path(), count, prefix + u"%1.png"_s);
    }
    // Runs a batch; the job stays for its outcomes.
    ResizeJob& Run(const ResizeSettings& s, const QStringList& pictures, ScriptedPrompt& prompt,
                   int workers = 0) {
        jobs_.push_back(std::make_unique<ResizeJob>(s, pictures, prompt));
        if (workers > 0)
            jobs_.back()->SetWorkers(workers);
        jobs_.back()->Run();
        return *jobs_.back();
    }
    // "W", "S" or "F" for each picture's outcome, in order.
    static std::string Statuses(const ResizeJob& job) {
        std::string statuses;
        for (const PictureOutcome& o : job.Outcomes())
            statuses += o.status == Status::Written ? 'W' : o.status == Status::Skipped ? 'S' : 'F';
        return statuses;
    }
    QTemporaryDir dir_;
    std::vector<std::unique_ptr<ResizeJob>> jobs_;
};

// Each picture is reported in order with its status line, and the end
// once, even for an empty list. The batch leaves libvips' threads, which
// previews use after it, as it found them.
TEST_F(ResizeJobTest, ReportsEachPictureInOrderWithItsStatusLineAndTheEndOnce) {
    constexpr int kPreviewThreads = 7;
    CxImage::SetThreadsPerPicture(kPreviewThreads);
    for (const int count : {0, 5}) {
        const QStringList pictures = Pictures(count);
        ScriptedPrompt prompt;
        ResizeJob job(SmallResult(), pictures, prompt);
        job.SetWorkers(3);
        QStringList steps;
        int done = 0;
        job.OnStep(
            [&](int index, const QString& line) { steps << u"%1 %2"_s.arg(index).arg(line); });
        job.OnDone([&] { ++done; });
        job.Run();
        EXPECT_EQ(CxImage::SetThreadsPerPicture(kPreviewThreads), kPreviewThreads);
        EXPECT_EQ(done, 1);
        ASSERT_EQ(steps.size(), count);
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(steps[i], u"%1 Resizing : %2"_s.arg(i).arg(pictures[i]));
            const Identified id = Identify(Path(u"resize/p%1.png"_s.arg(i)));
            EXPECT_EQ(std::pair(id.width, id.height), std::pair(64, 48));
        }
    }
}

// Four pictures whose results exist already; "onexists" and the answers
// decide which are replaced, which kept beside, and how often the user is
// asked.
TEST_F(ResizeJobTest, OnExistsAndTheAnswersDecideWhatIsReplacedKeptOrAskedAbout) {
    const std::tuple<OnExists, std::deque<int>, const char*, const char*> cases[] = {
        {OnExists::Ask, {AnswerYesToAll}, "O", "WWWW"},
        {OnExists::Ask, {AnswerNoToAll}, "O", "SSSS"},
        {OnExists::Ask, {AnswerYes, AnswerNo, AnswerAsk, AnswerYes}, "OOOO", "WSSW"}, // Ask: closed
        {OnExists::Ask, {AnswerNo, AnswerYesToAll}, "OO", "SWWW"},
        {OnExists::KeepBoth, {}, "", "WWWW"},
        {OnExists::Skip, {}, "", "SSSS"},
        {OnExists::Replace, {}, "", "WWWW"},
    };
    const QStringList pictures = Pictures(4);
    for (const auto& [onexists, answers, asked, statuses] : cases) {
        QDir(Path(u"resize"_s)).removeRecursively();
        for (int i = 0; i < 4; ++i)
            WriteFile(Path(u"resize/p%1.png"_s.arg(i)), "old");
        // A name this batch has not made yet is still taken by the file there.
        WriteFile(Path(u"resize/p0 (2).png"_s), "old");
        ResizeSettings s = SmallResult();
        s.onexists = onexists;
        ScriptedPrompt prompt(answers);
        const ResizeJob& job = Run(s, pictures, prompt);
        EXPECT_EQ(prompt.asked, asked) << statuses;
        EXPECT_EQ(Statuses(job), statuses);
        const bool kept = onexists == OnExists::KeepBoth;
        for (int i = 0; i < 4; ++i) {
            const QString there = Path(u"resize/p%1.png"_s.arg(i));
            const QString beside = Path(u"resize/p%1 (%2).png"_s.arg(i).arg(i == 0 ? 3 : 2));
            // Replaced: no longer the 3 bytes "old"; kept beside: the result.
            EXPECT_EQ(std::tuple(QFileInfo(there).size() != 3,
                                 QFileInfo::exists(beside) ? Identify(beside).width : 0,
                                 job.Outcomes()[size_t(i)].output),
                      std::tuple(statuses[i] == 'W' && !kept, kept ? 64 : 0, kept ? beside : there))
                << i << statuses;
        }
    }
}

// Four outputs of each of two photos from one decode, one turned by its
// EXIF and one dated: each upright and at its size, named by its template,
// an icon too large failing alone, and the pixels those of a batch that
// makes the one output alone.
TEST_F(ResizeJobTest, FurtherOutputsComeFromOneDecodeAreNamedByTemplatesAndFailAlone) {
    const QString turned = CopyInto(TestData(u"orientation/landscape_6.jpg"_s), dir_.path());
    const QString dated = CopyInto(TestData(u"jpg/Canon_40D.jpg"_s), dir_.path());
    ResizeSettings s;
    s.dest.clear();
    s.width = s.height = 50;
    s.imagetype = PictureTypeTable::Png;
    s.nametemplate = u"{date}/{n:3}-{name}"_s;
    s.also = u"imagetype=8,nametemplate={name}-{w}x{h};"
             u"imagetype=4,wpercent=0,hpercent=0,width=300,height=300;"
             u"width=10,height=10,nametemplate=small/{folder}-{name}"_s;
    ScriptedPrompt prompt;
    const ResizeJob& job = Run(s, {turned, dated}, prompt, 2);
    EXPECT_EQ(Statuses(job), "WWFWWWFW");
    const QString day = QFileInfo(turned).lastModified().toString(u"yyyy-MM-dd"_s);
    const QString folder = QFileInfo(dir_.path()).fileName();
    const std::tuple<QString, const char*, int, int> results[] = {
        {day + u"/001-landscape_6.png"_s, "PNG", 300, 225},
        {u"landscape_6-300x225.webp"_s, "WEBP", 300, 225},
        {u"small/"_s + folder + u"-landscape_6.png"_s, "PNG", 60, 45},
        {u"2008-05-30/002-Canon_40D.png"_s, "PNG", 50, 34},
        {u"Canon_40D-50x34.webp"_s, "WEBP", 50, 34},
    };
    for (const auto& [name, format, width, height] : results) {
        const Identified id = Identify(Path(u"resize/"_s + name));
        EXPECT_EQ(std::tuple(id.format, id.width, id.height),
                  std::tuple(QString::fromLatin1(format), width, height))
            << qPrintable(name);
    }
    // The first output and the smallest, each made alone: the smallest,
    // made from a larger result rather than the decode, as good.
    s.also.clear();
    s.dest = u"alone"_s;
    RunBatch(s, {turned});
    EXPECT_LT(Difference(Path(u"alone/"_s + day + u"/001-landscape_6.png"_s),
                         Path(u"resize/"_s + day + u"/001-landscape_6.png"_s)),
              0.01);
    s.width = s.height = 10;
    s.nametemplate = u"{name}-small"_s;
    RunBatch(s, {turned});
    EXPECT_LT(Difference(Path(u"alone/landscape_6-small.png"_s),
                         Path(u"resize/small/"_s + folder + u"-landscape_6.png"_s)),
              0.02);
}

// GIF from colour is asked for each colour picture, never a palette one;
// its "Yes to all" is not the overwrite question's.
TEST_F(ResizeJobTest, GifFromColourAsksForEveryColourPictureAndLeavesTheOverwriteAnswer) {
    QStringList pictures = Pictures(2, u"colour"_s);
    const QString palette = Path(u"palette.png"_s);
    DrawPicture(u"PNG8:"_s + palette, 50, 40, u"xc:red"_s);
    pictures.insert(1, palette);
    ResizeSettings s = SmallResult();
    s.imagetype = PictureTypeTable::Gif;
    ScriptedPrompt prompt({AnswerYesToAll, AnswerNo});
    EXPECT_EQ(Statuses(Run(s, pictures, prompt)), "WWS");
    EXPECT_EQ(prompt.asked, "GG");
    EXPECT_EQ(Identify(Path(u"resize/colour0.gif"_s)).format, "GIF");
    ScriptedPrompt again({AnswerYesToAll, AnswerNo});
    Run(s, {pictures[0]}, again);
    EXPECT_EQ(again.asked, "OG");
}

// Mail copies replace old ones silently in their own folder and never one
// another; with no folder nothing is written, not even a copy named as its
// source.
TEST_F(ResizeJobTest, AMailBatchReplacesOldCopiesSilentlyAndListsWhatItWrote) {
    const QStringList pictures = Pictures(3);
    QTemporaryDir mail;
    const QString old = WriteFile(QDir(mail.path()).filePath(u"p1.jpg"_s), "old");
    const QByteArray source = FileHash(pictures[0]);
    ResizeSettings s = SmallResult();
    for (const QString& folder : {mail.path(), QString()}) {
        s.imagetype = folder.isEmpty() ? PictureTypeTable::SameAsSource : PictureTypeTable::Jpeg;
        ScriptedPrompt prompt;
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(dir_.path()); // where a folder-less copy could land
        ResizeJob job(s, pictures, prompt);
        job.SetMailResults(folder);
        job.Run();
        QDir::setCurrent(cwd);
        // Nothing new beside the sources, which stay as they were.
        EXPECT_EQ(std::tuple(prompt.asked, Statuses(job), job.MailTempList().size(),
                             QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                             FileHash(pictures[0]),
                             job.Outcomes()[0].reason.contains(QDir::tempPath())),
                  std::tuple("", folder.isEmpty() ? "FFF" : "WWW", folder.isEmpty() ? 0 : 3,
                             QStringList{u"p0.png"_s, u"p1.png"_s, u"p2.png"_s}, source,
                             folder.isEmpty()));
    }
    EXPECT_EQ(Identify(old).format, "JPEG");
    // Two pictures of one name from two folders: both are sent.
    QDir().mkpath(Path(u"B"_s));
    const QString twin = CopyInto(pictures[0], Path(u"B"_s));
    ScriptedPrompt quiet;
    s.also = u"imagetype=8"_s;
    ResizeJob twins(s, {pictures[0], twin}, quiet);
    twins.SetMailResults(mail.path());
    twins.Run();
    EXPECT_EQ(twins.MailTempList(), (QStringList{QDir(mail.path()).filePath(u"p0.png"_s),
                                                 QDir(mail.path()).filePath(u"p0 (2).png"_s)}));
    // A mail gets one copy of a picture, whatever further outputs there are.
    EXPECT_EQ(twins.Outcomes().size(), 2u);
}

// Every camera file's own EXIF block (maker notes, odd layouts) comes
// through each type that rewrites it, whole by exiftool's judgement.
TEST_F(ResizeJobTest, CameraBlocksSurviveEveryTypeThatRewritesThem) {
    QStringList pictures;
    for (const QString& name : QDir(TestData(u"jpg"_s)).entryList({u"*.jpg"_s}))
        pictures << TestData(u"jpg/"_s + name);
    QStringList written;
    for (const uint32_t type : {1u, 5u, 6u, 8u, 11u}) {
        ResizeSettings s = SmallResult();
        s.dest = Path(u"type%1"_s.arg(type));
        s.imagetype = type;
        const auto job = RunBatch(s, pictures);
        EXPECT_EQ(job->Count(Status::Written), pictures.size()) << type;
        for (const PictureOutcome& o : job->Outcomes())
            written << o.output;
    }
    // A row for each file: the camera's make, and what exiftool finds wrong.
    const auto rows = [](const QStringList& files) {
        return Oracle(u"exiftool"_s,
                      QStringList{u"-q"_s, u"-q"_s, u"-T"_s, u"-Make"_s, u"-Warning"_s} + files)
            .out.split(u'\n', Qt::SkipEmptyParts);
    };
    const QStringList results = rows(written);
    const QStringList sources = rows(pictures);
    ASSERT_EQ(std::pair(results.size(), sources.size()),
              std::pair(written.size(), pictures.size()));
    for (int i = 0; i < results.size(); ++i)
        EXPECT_EQ(results[i], sources[i % pictures.size()]) << qPrintable(written[i]);
}

TEST_F(ResizeJobTest, BadPicturesFailWithReasonsWhileTheBatchGoesOn) {
    QStringList pictures;
    for (const QString& name : QDir(TestData(u"invalid"_s)).entryList(QDir::Files))
        pictures << CopyInto(TestData(u"invalid/"_s + name), dir_.path());
    const QString odd =
        CopyInto(TestData(u"jpg/Nikon_D70.jpg"_s), dir_.path(), u"-n 'quoted' \"twice\" ünï.jpg"_s);
    const QStringList named = {
        WriteFile(Path(u"zero.jpg"_s)),
        WriteFile(Path(u"cut.jpg"_s), ReadFile(TestData(u"jpg/Canon_40D.jpg"_s)).left(7000)),
        Path(u"missing.jpg"_s), QString()}; // what an empty hand-off record gives
    pictures << odd << named;
    std::vector<QByteArray> before;
    for (const QString& p : pictures)
        before.push_back(FileHash(p));
    const auto job = RunBatch(SmallResult(), pictures);
    for (int i = 0; i < pictures.size(); ++i) {
        const PictureOutcome& o = job->Outcomes()[size_t(i)];
        EXPECT_EQ(FileHash(pictures[i]), before[size_t(i)]) << qPrintable(pictures[i]);
        EXPECT_TRUE(!named.contains(pictures[i]) || o.status == Status::Failed)
            << qPrintable(pictures[i]);
        if (o.status == Status::Failed) {
            EXPECT_FALSE(o.reason.isEmpty()) << qPrintable(pictures[i]);
            EXPECT_FALSE(QFileInfo::exists(o.output)) << qPrintable(o.output);
        } else {
            EXPECT_TRUE(DecodesCleanly(o.output)) << qPrintable(o.output);
        }
    }
    EXPECT_EQ(job->Outcomes().back().reason, ResizeText::NoFileName);
    EXPECT_EQ(job->Outcomes()[size_t(pictures.indexOf(odd))].output,
              Path(u"resize/-n 'quoted' \"twice\" ünï.jpg"_s));
}

TEST_F(ResizeJobTest, AFolderThatCannotBeWrittenFailsEachPictureAndChangesNoSource) {
    const QStringList pictures = Pictures(2);
    WriteFile(Path(u"blocker"_s)); // a folder below a plain file cannot be made
    QDir().mkdir(Path(u"ro"_s));
    QFile::setPermissions(Path(u"ro"_s), QFile::ReadOwner | QFile::ExeOwner);
    const std::pair<QString, const char*> cases[] = {{u"blocker/out"_s, "not a directory"},
                                                     {Path(u"ro/sub"_s), "permission denied"}};
    for (const auto& [dest, reason] : cases) {
        if (dest.startsWith(Path(u"ro"_s)) && geteuid() == 0)
            continue; // root writes everywhere
        ResizeSettings s = SmallResult();
        s.dest = dest;
        const auto job = RunBatch(s, pictures);
        EXPECT_EQ(Statuses(*job), "FF") << qPrintable(dest);
        EXPECT_EQ(job->Outcomes()[0].reason,
                  u"cannot make the folder %1 (%2)"_s.arg(
                      QFileInfo(job->Outcomes()[0].output).path(), QLatin1String(reason)));
        EXPECT_EQ(Identify(pictures[0]).width, 120);
    }
    QFile::setPermissions(Path(u"ro"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Written over, a file marked read-only, or in a read-only folder, stays as
// it is, even for root; a link keeps being a link to the new picture.
TEST_F(ResizeJobTest, OnlyWhatTheUserMayReplaceIsReplaced) {
    const QStringList pictures = Pictures(3);
    QDir().mkdir(Path(u"locked"_s));
    const QString locked = CopyInto(pictures[1], Path(u"locked"_s));
    const QString link = Path(u"link.png"_s);
    ASSERT_TRUE(QFile::link(pictures[2], link));
    QFile::setPermissions(pictures[0], QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(Path(u"locked"_s), QFile::ReadOwner | QFile::ExeOwner);
    ResizeSettings s = SmallResult();
    s.override = 1;
    s.trash = 0;
    const auto job = RunBatch(s, {pictures[0], locked, link});
    QFile::setPermissions(Path(u"locked"_s),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Statuses(*job), "FFW");
    EXPECT_EQ(job->Outcomes()[0].reason, u"cannot write the file (it is read-only)"_s);
    EXPECT_EQ(job->Outcomes()[1].reason, u"cannot write the file (its folder is read-only)"_s);
    EXPECT_EQ(std::tuple(Identify(pictures[0]).width, Identify(locked).width,
                         Identify(pictures[2]).width, QFileInfo(link).isSymLink()),
              std::tuple(120, 120, 64, true));
}

TEST_F(ResizeJobTest, AStopRequestEndsTheBatchBetweenPictures) {
    const QStringList pictures = Pictures(6);
    ScriptedPrompt prompt;
    ResizeJob job(SmallResult(), pictures, prompt);
    job.SetWorkers(1);
    job.OnStep([&job](int index, const QString&) {
        if (index == 2)
            job.RequestStop();
    });
    job.Run();
    EXPECT_EQ(job.Count(Status::Written), 3);
    for (int i = 3; i < 6; ++i)
        EXPECT_FALSE(QFileInfo::exists(Path(u"resize/p%1.png"_s.arg(i))));
}

// The options beside the original ones, on a camera photo with an old date
// whose result exists already: checked with identify, stat and trash-list.
TEST_F(ResizeJobTest, NoEnlargeKeepDatesAndTrashDoWhatTheySayAndOnlyThat) {
    const QString photo = CopyInto(TestData(u"jpg/canon-ixus.jpg"_s), dir_.path());
    const QDateTime old = QDateTime::fromSecsSinceEpoch(981173106);
    QFile file(photo);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(old, QFileDevice::FileModificationTime));
    file.close();
    struct Case {
        uint32_t noenlarge, keepdates, trash;
        int width;
    } const cases[] = {{1, 1, 1, 480}, {0, 0, 0, 1200}, {1, 0, 1, 480}};
    int trashed = 0;
    for (const Case& c : cases) {
        ResizeSettings s;
        s.dest.clear();
        s.desktop = 1;
        s.imagetype = PictureTypeTable::Png; // converted and turned even when not enlarged
        s.image_to_rotate = true;
        s.rotate = Turn::Right;
        s.noenlarge = c.noenlarge;
        s.keepdates = c.keepdates;
        s.trash = c.trash;
        ScriptedPrompt prompt({}, AnswerYes);
        ResizeJob job(s, {photo}, prompt);
        job.SetDesktopSize({1600, 1200});
        job.Run();
        const QString result = Path(u"resize/canon-ixus.png"_s);
        const Identified id = Identify(result);
        EXPECT_EQ(std::pair(id.format, id.width), std::pair(u"PNG"_s, c.width)) << c.noenlarge;
        EXPECT_EQ(QFileInfo(result).lastModified() == old, bool(c.keepdates));
        trashed += int(c.trash) * int(prompt.asked.size());
        EXPECT_EQ(Oracle(u"trash-list"_s, {}).out.count(result), trashed);
    }
}

// A size limit on 12 MP photos: each fits, by quality where quality can do
// it, by a smaller picture where it cannot, and fails where nothing can; at
// most 6 encodes a picture on average.
TEST_F(ResizeJobTest, ASizeLimitIsMetWithFewEncodes) {
    const QString big = Path(u"12mp.jpg"_s);
    Oracle(u"vips"_s,
           {u"resize"_s, TestData(u"hdr/canon_hdr_NO.jpg"_s), big + u"[Q=92]"_s, u"1.953125"_s});
    const QStringList photos = {big, CopyInto(big, dir_.path(), u"copy.jpg"_s)};
    struct Case {
        uint32_t maxkb;
        bool fullSize;
        bool fits;
    } const cases[] = {{900, true, true}, {150, false, true}, {1, false, false}};
    for (const Case& c : cases) {
        ResizeSettings s;
        s.image_to_resize = 0;
        s.maxkb = c.maxkb;
        const int64_t before = CxImage::EncodesSoFar();
        const auto job = RunBatch(s, photos);
        EXPECT_EQ(job->Count(Status::Written), c.fits ? 2 : 0) << c.maxkb;
        if (c.fits) {
            EXPECT_LE(CxImage::EncodesSoFar() - before, 2 * 6) << c.maxkb;
            EXPECT_LE(QFileInfo(job->Outcomes()[0].output).size(), c.maxkb * 1024);
            const Identified id = Identify(job->Outcomes()[0].output);
            EXPECT_EQ(std::max(id.width, id.height) == 4000, c.fullSize) << c.maxkb;
        } else {
            EXPECT_EQ(job->Outcomes()[0].reason, "it cannot be made as small as 1 KB");
        }
    }
    // A type without quality is made smaller until it fits.
    const QString png = Path(u"detail.png"_s);
    DrawPicture(png, 400, 300, u"plasma:"_s);
    ResizeSettings s;
    s.image_to_resize = 0;
    s.maxkb = 40;
    const auto job = RunBatch(s, {png});
    ASSERT_GT(QFileInfo(png).size(), 40 * 1024);
    EXPECT_EQ(job->Count(Status::Written), 1);
    EXPECT_LE(QFileInfo(job->Outcomes()[0].output).size(), 40 * 1024);
    EXPECT_LT(Identify(job->Outcomes()[0].output).width, 400);
}

} // namespace
