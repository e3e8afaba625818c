// SPDX-License-Identifier: MIT
#include "resize/ResizeJob.h"

#include "codec/Image.h"
#include "codec/PictureTypeTable.h"
#include "platform/FileName.h"
#include "platform/SafeWrite.h"
#include "resize/OutputPath.h"
#include "resize/PictureTree.h"
#include "resize/ResizeTexts.h"
#include "resize/SizeLimit.h"
#include "resize/StatusLine.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QThreadPool>

#include <sys/stat.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>

namespace {

constexpr uint32_t kRotateLeft = 0;
constexpr uint32_t kFlip = 1;
constexpr uint32_t kRotateRight = 2;
constexpr int64_t kMailFloorBytes = 32 * 1024;

bool Accepted(int answer) {
    return answer == AnswerYesToAll || answer == AnswerYes;
}

// The paths that pictures in flight read or write. A later picture that
// touches one of them waits, so that two pictures never write one file at
// once and a picture never reads a file that an earlier one is replacing.
class InFlight {
public:
    explicit InFlight(int limit)
        : limit_(limit) {}

    void Enter(const QString& source, const QString& output) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] {
            return count_ < limit_ && !paths_.count(source) && !paths_.count(output);
        });
        ++count_;
        paths_.insert(source);
        paths_.insert(output);
    }

    void Leave(const QString& source, const QString& output) {
        {
            std::lock_guard lock(mutex_);
            --count_;
            paths_.erase(paths_.find(source));
            paths_.erase(paths_.find(output));
        }
        changed_.notify_all();
    }

    void WaitForAll() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return count_ == 0; });
    }

private:
    const int limit_;
    int count_ = 0;
    std::multiset<QString> paths_;
    std::mutex mutex_;
    std::condition_variable changed_;
};

} // namespace

struct ResizeJob::Decision {
    QString source;
    QString output;
    std::unique_ptr<CxImage> image;
    bool resample = false;
    int64_t width = 0;
    int64_t height = 0;
    uint32_t format = ImageFormat::None;
    int64_t limit = 0; // most bytes of the result; 0: no limit
    WriteOptions write;
};

ResizeJob::ResizeJob(const ResizeSettings& settings, const QStringList& pictures,
                     ConfirmationPrompt& prompt)
    : settings_(settings)
    , pictures_(pictures)
    , prompt_(prompt)
    , workers_(std::max(1, QThread::idealThreadCount())) {
    // With "override" the result keeps its source's name, so it keeps the
    // source's type too: a PNG stream in a file named .jpg helps nobody.
    if (settings_.override)
        settings_.imagetype = PictureTypeTable::SameAsSource;
}

void ResizeJob::SetMailResults(const QString& folder) {
    mailResults_ = true;
    mailFolder_ = folder;
}

void ResizeJob::SetWorkers(int workers) {
    workers_ = std::max(1, workers);
}

void ResizeJob::Run() {
    answer_ = AnswerAsk;
    outcomes_.assign(size_t(pictures_.size()), PictureOutcome{});
    const int cores = std::max(1, QThread::idealThreadCount());
    // Previews decoded after the batch get the threads they had before.
    const int threadsBefore = CxImage::SetThreadsPerPicture(std::max(1, cores / workers_));

    ShareMailLimit();
    PlanAll();

    QThreadPool pool;
    pool.setMaxThreadCount(workers_);
    InFlight inFlight(workers_);
    for (int index = 0; index < pictures_.size(); ++index) {
        if (stop_) {
            for (int rest = index; rest < pictures_.size(); ++rest)
                outcomes_[size_t(rest)].reason = QStringLiteral("the batch was stopped");
            break;
        }
        if (step_)
            step_(index, FormatStatusLine(ResizeText::ResizingStatus, pictures_[index]));
        auto decision = std::make_shared<Decision>();
        decision->source = AbsoluteFileName(pictures_[index]);
        decision->output = outcomes_[size_t(index)].output = plans_[size_t(index)].path;
        // Before asking whether the result exists, let any earlier picture
        // that writes it finish, so the answer is about the real file.
        inFlight.Enter(decision->source, decision->output);
        if (!Decide(index, *decision)) {
            inFlight.Leave(decision->source, decision->output);
            continue;
        }
        pool.start([this, index, decision, &inFlight] {
            Process(index, *decision);
            inFlight.Leave(decision->source, decision->output);
        });
    }
    inFlight.WaitForAll();
    CxImage::SetThreadsPerPicture(threadsBefore);
    if (done_)
        done_();
}

// The cheap, ordered part of a picture: folder, questions and the picture's
// header. False when the picture is skipped or has failed.
bool ResizeJob::Decide(int index, Decision& decision) {
    PictureOutcome& outcome = outcomes_[size_t(index)];
    auto fail = [&outcome](const QString& reason) {
        outcome.status = PictureOutcome::Status::Failed;
        outcome.reason = reason;
        return false;
    };
    // An empty hand-off record names no file: nothing is planned for it.
    if (decision.source.isEmpty())
        return fail(ResizeText::NoFileName);
    // Without its private folder a mail copy would land in the current
    // folder, perhaps over a source of the same name: nothing is written.
    if (mailResults_ && !settings_.override && mailFolder_.isEmpty())
        return fail(ResizeText::NoMailFolder.arg(ShownFileName(SystemTemporaryFolder())));
    const OutputPlan& plan = plans_[size_t(index)];
    // Old copies in the mail folder are ours to replace; with "override"
    // the results are the sources themselves, asked about as always.
    if (mailResults_ && !settings_.override)
        answer_ = AnswerYesToAll;
    if (const QString why = PrepareFolder(index, plan); !why.isEmpty())
        return fail(why);
    // The header first: a picture that cannot be written fails before its
    // question is asked.
    if (const QString why = ReadHeader(plan, decision); !why.isEmpty())
        return fail(why);

    if (FileNameExists(plan.path)) {
        if (answer_ == AnswerNoToAll)
            return false;
        if (answer_ != AnswerYesToAll) {
            answer_ = prompt_.Ask(ResizeText::OverwriteQuestion, plan.path);
            if (!Accepted(answer_))
                return false;
        }
    }
    SetWriteOptions(index, decision);
    // Asked for every such picture: an earlier "Yes to all" answered the
    // overwrite question, not this one, so the overwrite answer stays.
    return settings_.imagetype != PictureTypeTable::Gif || decision.image->GetBpp() <= 8 ||
           Accepted(prompt_.Ask(ResizeText::GifQuestion, plan.path));
}

// The folder the result goes to, made where it is missing, and cleared once
// of what a killed batch left half-written there. The reason on failure.
QString ResizeJob::PrepareFolder(int index, const OutputPlan& plan) {
    // A tree repeated under the destination needs every level below it.
    if (!plan.folderToCreate.isEmpty() &&
        !MakeFolderPath(plan.folderToCreate, 0777,
                        index < subfolders_.size() && !subfolders_[index].isEmpty()))
        return QStringLiteral("cannot make the folder %1 (%2)")
            .arg(ShownFileName(plan.folderToCreate), SystemReason(errno));
    const QString outputFolder = QFileInfo(plan.path).absolutePath();
    if (!cleanedFolders_.contains(outputFolder)) {
        cleanedFolders_.insert(outputFolder);
        RemoveStaleTemporaries(outputFolder);
    }
    return {};
}

// The picture's header, the type it is written as and its new size; the
// reason when it cannot be written.
QString ResizeJob::ReadHeader(const OutputPlan& plan, Decision& decision) const {
    decision.image = std::make_unique<CxImage>();
    CxImage& image = *decision.image;
    if (!image.Load(decision.source))
        return image.GetLastError();
    decision.format = settings_.imagetype == PictureTypeTable::SameAsSource
                          ? image.GetType()
                          : PictureTypeTable::CodecFormat(settings_.imagetype);
    if (image.PageCount() > 1 && !ImageFormat::HoldsPages(decision.format) &&
        IsSameFile(plan.path, decision.source))
        return QStringLiteral("it has %1 pages and only its first could be written in its "
                              "place, so it is kept as it is")
            .arg(image.PageCount());
    if (!settings_.image_to_resize)
        return {};
    Target(image, decision.width, decision.height);
    if (decision.width <= 0 || decision.height <= 0 ||
        decision.width * decision.height > kMaxPicturePixels)
        return QStringLiteral("the new size of %1 x %2 pixels is not possible")
            .arg(decision.width)
            .arg(decision.height);
    decision.resample = decision.width != image.GetWidth() || decision.height != image.GetHeight();
    return {};
}

void ResizeJob::SetWriteOptions(int index, Decision& decision) const {
    struct stat source {};
    if (settings_.keepdates && ::stat(EncodeFileName(decision.source).constData(), &source) == 0)
        decision.write.modified = source.st_mtim;
    // Older mail copies are ours to replace; anything else the user may want back.
    decision.write.trashReplaced = settings_.trash && (!mailResults_ || settings_.override);
    decision.limit = int64_t(settings_.maxkb) * 1024;
    if (size_t(index) < mailShares_.size() &&
        (decision.limit == 0 || mailShares_[size_t(index)] < decision.limit))
        decision.limit = mailShares_[size_t(index)];
}

// The heavy part, on a pool thread: pixels, transforms, encoding, writing.
void ResizeJob::Process(int index, Decision& decision) {
    PictureOutcome& outcome = outcomes_[size_t(index)];
    CxImage& image = *decision.image;
    bool ok = true;
    if (decision.resample)
        ok = image.Resample(decision.width, decision.height, 1);
    if (ok && settings_.image_to_rotate) {
        if (settings_.rotate == kRotateLeft)
            ok = image.RotateLeft();
        else if (settings_.rotate == kFlip)
            ok = image.Flip();
        else if (settings_.rotate == kRotateRight)
            ok = image.RotateRight();
    }
    if (settings_.image_set_dpi) {
        image.SetXDPI(int32_t(std::min<uint32_t>(settings_.xdpi, INT32_MAX)));
        image.SetYDPI(int32_t(std::min<uint32_t>(settings_.ydpi, INT32_MAX)));
    }
    if (ImageFormat::IsLossy(decision.format))
        image.SetJpegQuality(uint8_t(settings_.qualilty & 0xff));
    QByteArray bytes;
    QString why;
    if (!ok) {
        why = image.GetLastError();
    } else if (decision.limit > 0) {
        ok = EncodeWithin(image, decision.format, decision.limit, bytes, why);
    } else {
        ok = image.Encode(decision.format, bytes);
        why = image.GetLastError();
    }
    if (ok) {
        const QString reason = WriteFileSafely(decision.output, bytes, decision.write);
        ok = reason.isEmpty();
        if (!ok)
            why = QStringLiteral("cannot write the file (%1)").arg(reason);
    }
    outcome.status = ok ? PictureOutcome::Status::Written : PictureOutcome::Status::Failed;
    if (!ok)
        outcome.reason = why;
    decision.image.reset();
}

void ResizeJob::PlanAll() {
    plans_.clear();
    // Names given to the copies of this mail so far, as a mail client on any
    // system would compare them.
    QSet<QString> mailNames;
    for (int index = 0; index < pictures_.size(); ++index) {
        const QString subfolder = index < subfolders_.size() ? subfolders_[index] : QString();
        OutputPlan plan =
            PlanOutput(AbsoluteFileName(pictures_[index]),
                       SettingsForSubfolder(settings_, subfolder), mailResults_, mailFolder_);
        if (mailResults_ && !settings_.override) {
            // Two pictures of one name from two folders: the second must not
            // replace the first, or the first is never sent.
            const QFileInfo info(plan.path);
            const QString stem = info.completeBaseName();
            const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
            QString name = info.fileName();
            for (int copy = 2; mailNames.contains(name.toCaseFolded()); ++copy)
                name = QStringLiteral("%1 (%2)%3").arg(stem).arg(copy).arg(suffix);
            mailNames.insert(name.toCaseFolded());
            plan.path = QDir(info.path()).filePath(name);
        }
        plans_.push_back(plan);
    }
}

void ResizeJob::Target(const CxImage& image, int64_t& width, int64_t& height) const {
    const int32_t w = image.GetWidth();
    const int32_t h = image.GetHeight();
    width = TargetWidth(settings_, w, h, desktop_);
    height = TargetHeight(settings_, w, h, desktop_);
    // No side grows: a side that would is kept as it is.
    if (settings_.noenlarge) {
        width = std::min<int64_t>(width, w);
        height = std::min<int64_t>(height, h);
    }
}

// The copies of one mail share its limit by their pixel counts, so a big
// photo is not squeezed harder than a small one.
void ResizeJob::ShareMailLimit() {
    mailShares_.clear();
    if (!mailResults_ || settings_.mailmaxkb == 0)
        return;
    std::vector<double> pixels;
    double total = 0;
    for (const QString& picture : pictures_) {
        CxImage image;
        int64_t w = 0;
        int64_t h = 0;
        if (image.Load(picture)) {
            if (settings_.image_to_resize) {
                Target(image, w, h);
            } else {
                w = image.GetWidth();
                h = image.GetHeight();
            }
        }
        pixels.push_back(double(std::max<int64_t>(w, 0)) * double(std::max<int64_t>(h, 0)));
        total += pixels.back();
    }
    // Each copy first gets a small floor for its headers and metadata, which
    // do not shrink with the pixels; the rest goes by pixel count.
    const double all = double(settings_.mailmaxkb) * 1024;
    const double floor = std::min(all / (4.0 * double(pixels.size())), double(kMailFloorBytes));
    const double rest = all - floor * double(pixels.size());
    for (const double count : pixels)
        mailShares_.push_back(int64_t(floor + rest * count / std::max(total, 1.0)));
}

QStringList ResizeJob::MailTempList() const {
    QStringList written;
    if (!mailResults_)
        return written;
    for (const PictureOutcome& outcome : outcomes_)
        if (outcome.status == PictureOutcome::Status::Written)
            written << outcome.output;
    return written;
}

int ResizeJob::Count(PictureOutcome::Status status) const {
    return int(std::count_if(outcomes_.begin(), outcomes_.end(),
                             [status](const PictureOutcome& o) { return o.status == status; }));
}
