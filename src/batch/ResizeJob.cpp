// SPDX-License-Identifier: MIT
#include "batch/ResizeJob.h"

#include "batch/BatchJournal.h"
#include "batch/EncodeResult.h"
#include "batch/NameTemplate.h"
#include "batch/ResizeTexts.h"
#include "batch/StatusLine.h"
#include "codec/Image.h"
#include "codec/PictureTypeTable.h"
#include "codec/PrivateData.h"
#include "platform/FileName.h"
#include "platform/SafeWrite.h"
#include "platform/UiText.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <sys/stat.h>

#include <condition_variable>
#include <map>
#include <mutex>

namespace {

constexpr int64_t kMailFloorBytes = 32 * 1024;
// Two 8-megapixel photos decoded at once, or one larger.
constexpr int64_t kHeldPixelBytes = int64_t(64) << 20;

bool Accepted(int answer) {
    return answer == AnswerYesToAll || answer == AnswerYes;
}

// Marks an output failed with why; false, for the callers that stop there.
bool Fail(PictureOutcome& outcome, const QString& why) {
    outcome.status = PictureOutcome::Status::Failed;
    outcome.reason = why;
    return false;
}

bool Present(const QString& path) {
    struct stat st {};
    return ::lstat(EncodeFileName(path).constData(), &st) == 0;
}

} // namespace

// What pictures in flight hold at once, up to a limit: one count each
// (so only so many are in flight), or the bytes of their decoded pixels
// (so a batch with several outputs needs about the memory of one). A taker
// waits until its share fits beside the others'; one alone always may.
class ResizeJob::Budget {
public:
    explicit Budget(int64_t limit)
        : limit_(limit) {}

    void Take(int64_t share) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return held_ == 0 || held_ + share <= limit_; });
        held_ += share;
    }

    void Give(int64_t share) {
        {
            std::lock_guard lock(mutex_);
            held_ -= share;
        }
        changed_.notify_all();
    }

    void WaitUntilEmpty() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return held_ == 0; });
    }

private:
    const int64_t limit_;
    int64_t held_ = 0;
    std::mutex mutex_;
    std::condition_variable changed_;
};

// The names the batch's results hold, while it writes: the plan's, and any
// a result takes at write time instead (a kept-both name that another
// program took meanwhile, a size in the name that came out smaller).
class ResizeJob::Names {
public:
    explicit Names(const BatchPlan& plan)
        : plan_(plan) {
        for (const PlannedResult& result : plan.results)
            if (result.reason.isEmpty())
                held_.insert(PathIdentity(result.path));
    }

    // False when another result of the batch has path already.
    bool Claim(const QString& path) {
        std::lock_guard lock(mutex_);
        const QString identity = PathIdentity(path);
        if (held_.contains(identity))
            return false;
        held_.insert(identity);
        return true;
    }

    // Copy N of path for the first N from 2 whose name is free now.
    QString NextFree(const QString& path) {
        std::lock_guard lock(mutex_);
        int& next = next_[path];
        next = std::max(next, 2);
        for (;;) {
            const QString numbered = NumberedName(path, next++);
            const QString identity = PathIdentity(numbered);
            if (!held_.contains(identity) && !Present(numbered) && !plan_.IsSource(numbered)) {
                held_.insert(identity);
                return numbered;
            }
        }
    }

private:
    const BatchPlan& plan_;
    std::mutex mutex_;
    QSet<QString> held_;
    QHash<QString, int> next_;
};

// One output of one picture, as decided before its pixels are read.
struct ResizeJob::Output {
    PictureOutcome* outcome = nullptr;
    const ResizeSettings* settings = nullptr;
    PlannedResult planned;
    WriteOptions write;
};

struct ResizeJob::Decision {
    std::unique_ptr<CxImage> image;
    std::vector<Output> outputs; // those to be written
};

ResizeJob::ResizeJob(const ResizeSettings& settings, const QStringList& pictures,
                     ConfirmationPrompt& prompt)
    : prompt_(prompt)
    , workers_(std::max(1, QThread::idealThreadCount())) {
    request_.settings = settings;
    request_.pictures = pictures;
}

ResizeJob::~ResizeJob() = default;

void ResizeJob::SetMailResults(const QString& folder) {
    request_.mail = true;
    request_.mailFolder = folder;
    plan_.reset();
}

void ResizeJob::SetWorkers(int workers) {
    workers_ = std::max(1, workers);
}

const BatchPlan& ResizeJob::Plan() {
    if (!plan_)
        plan_ = PlanBatch(request_, &stop_);
    return *plan_;
}

int ResizeJob::OutputsPerPicture() const {
    return plan_ ? int(plan_->outputs.size()) : 1;
}

void ResizeJob::Run() {
    const BatchPlan& plan = Plan();
    answer_ = AnswerAsk;
    outcomes_.assign(plan.results.size(), PictureOutcome{});
    for (size_t i = 0; i < outcomes_.size(); ++i) {
        outcomes_[i].picture = plan.results[i].picture;
        outcomes_[i].recipe = plan.results[i].recipe;
        outcomes_[i].output = plan.results[i].path;
    }
    const int cores = std::max(1, QThread::idealThreadCount());
    // Previews decoded after the batch get the threads they had before.
    const int threadsBefore = CxImage::SetThreadsPerPicture(std::max(1, cores / workers_));

    ShareMailLimit();
    names_ = std::make_unique<Names>(plan);
    journal_ = std::make_unique<BatchJournal>();
    QThreadPool pool;
    pool.setMaxThreadCount(workers_);
    Budget inFlight(workers_);
    Budget pixels(kHeldPixelBytes);
    budget_ = &pixels;
    for (int index = 0; index < plan.sources.size(); ++index) {
        if (stop_) {
            for (size_t rest = size_t(index) * plan.outputs.size(); rest < outcomes_.size(); ++rest)
                outcomes_[rest].reason = TrText("Batch", "the batch was stopped");
            break;
        }
        if (step_)
            step_(index, FormatStatusLine(ResizeText::ResizingStatus, request_.pictures[index]));
        auto decision = std::make_shared<Decision>();
        inFlight.Take(1);
        if (!Decide(index, *decision)) {
            inFlight.Give(1);
            continue;
        }
        pool.start([this, decision, &inFlight] {
            Process(*decision);
            inFlight.Give(1);
        });
    }
    inFlight.WaitUntilEmpty();
    names_.reset();
    journal_.reset();
    budget_ = nullptr;
    CxImage::SetThreadsPerPicture(threadsBefore);
    if (done_)
        done_();
}

// The cheap, ordered part of a picture: folders, its header, questions.
// False when none of its outputs is to be written.
bool ResizeJob::Decide(int index, Decision& decision) {
    const BatchPlan& plan = *plan_;
    std::vector<Output> outputs;
    for (size_t recipe = 0; recipe < plan.outputs.size(); ++recipe) {
        const PlannedResult& planned = plan.Result(index, int(recipe));
        PictureOutcome& outcome = OutcomeOf(index, recipe);
        if (!planned.reason.isEmpty()) {
            Fail(outcome, planned.reason);
            continue;
        }
        if (planned.name == PlannedResult::Name::Skip)
            continue;
        if (const QString why = PrepareFolder(index, planned); !why.isEmpty()) {
            Fail(outcome, why);
            continue;
        }
        outputs.push_back({&outcome, &plan.outputs[recipe], planned, {}});
    }
    if (outputs.empty())
        return false;
    decision.image = std::make_unique<CxImage>();
    if (!decision.image->Load(plan.sources[index])) {
        for (Output& output : outputs)
            Fail(*output.outcome, decision.image->GetLastError());
        return false;
    }
    for (Output& output : outputs)
        if (DecideOutput(*decision.image, output))
            decision.outputs.push_back(output);
    return !decision.outputs.empty();
}

// One output's questions; false when it is skipped.
bool ResizeJob::DecideOutput(const CxImage& image, Output& output) {
    if (output.planned.name == PlannedResult::Name::Ask && !Answered(output.planned))
        return false;
    SetWriteOptions(plan_->sources[output.planned.picture], output);
    // Asked for every such picture: an earlier "Yes to all" answered the
    // overwrite question, not this one, so the overwrite answer stays.
    return output.settings->imagetype != PictureTypeTable::Gif || image.GetBpp() <= 8 ||
           Accepted(prompt_.Ask(ResizeText::GifQuestion, output.planned.path));
}

// Whether the file at the result's name may be replaced, as the user
// answers, or has answered for all.
bool ResizeJob::Answered(const PlannedResult& result) {
    if (answer_ == AnswerNoToAll)
        return false;
    if (answer_ != AnswerYesToAll)
        answer_ = prompt_.Ask(ResizeText::OverwriteQuestion, result.path);
    return Accepted(answer_);
}

// The folder the result goes to, made where it is missing, and cleared once
// of what a killed batch left half-written there. The reason on failure.
QString ResizeJob::PrepareFolder(int index, const PlannedResult& result) {
    const QString outputFolder = QFileInfo(result.path).absolutePath();
    // A tree repeated under the destination needs every level below it,
    // and so do the folders a name template makes; a source's is there.
    const bool tree = index < request_.subfolders.size() && !request_.subfolders[index].isEmpty();
    for (const QString& folder :
         result.overSource ? QStringList() : QStringList{result.destination, outputFolder}) {
        // Each folder made is in the journal first, to go with an undo.
        QStringList missing;
        for (QString level = folder; !level.isEmpty() && !Present(level);
             level = QFileInfo(level).path()) {
            missing.prepend(level);
            if (QFileInfo(level).path() == level)
                break;
        }
        for (const QString& level : missing)
            journal_->MadeFolder(level);
        if (!folder.isEmpty() && !MakeFolderPath(folder, 0777, tree || folder == outputFolder))
            return TrText("Batch", "cannot make the folder %1 (%2)")
                .arg(ShownFileName(folder), SystemReason(errno));
    }
    if (!cleanedFolders_.contains(outputFolder)) {
        cleanedFolders_.insert(outputFolder);
        RemoveStaleTemporaries(outputFolder);
    }
    return {};
}

void ResizeJob::SetWriteOptions(const QString& sourcePath, Output& output) const {
    const ResizeSettings& settings = *output.settings;
    const PlannedResult& planned = output.planned;
    struct stat source {};
    if (settings.keepdates && ::stat(EncodeFileName(sourcePath).constData(), &source) == 0)
        output.write.modified = source.st_mtim;
    // Older mail copies are ours to replace; anything else the user may want back.
    output.write.trashReplaced = settings.trash && !request_.mail;
    // A source written over keeps its link (the file it leads to is
    // replaced); a file the user let be replaced is; a free name is taken
    // only while it is still free, unless replacing is the choice.
    if (planned.overSource)
        output.write.mode = WriteMode::ThroughLink;
    else if (request_.mail || planned.name != PlannedResult::Name::Free ||
             settings.onexists == OnExists::Replace)
        output.write.mode = WriteMode::Replace;
    else
        output.write.mode = WriteMode::New;
    int64_t& limit = output.planned.form.limit;
    const size_t picture = size_t(planned.picture);
    if (picture < mailShares_.size() && (limit == 0 || mailShares_[picture] < limit))
        limit = mailShares_[picture];
}

// The heavy part, on a pool thread: one decode for all of the picture's
// outputs, each resampled from it alone. Those made from the file's own
// compressed data need no decode and go first, while the picture is still
// as it was loaded.
void ResizeJob::Process(Decision& decision) {
    CxImage& image = *decision.image;
    if (decision.outputs.size() == 1) {
        Produce(image, decision.outputs.front());
        decision.image.reset();
        return;
    }
    std::vector<Output> rest;
    for (Output& output : decision.outputs) {
        ResultForm& form = output.planned.form;
        if (form.lossless) {
            QByteArray bytes;
            EncodeNote note;
            const bool made = EncodeLossless(image, *output.settings, form, bytes, note);
            output.outcome->reencoded = note.reencoded;
            output.outcome->lossless = made;
            form.lossless = false;
            form.reencoded = note.reencoded;
            if (made) {
                output.outcome->metadata = form.metadata;
                Deliver(bytes, int(form.WrittenWidth()), int(form.WrittenHeight()), image, output);
                continue;
            }
        }
        rest.push_back(output);
    }
    if (rest.size() <= 1) {
        if (!rest.empty())
            Produce(image, rest.front());
        decision.image.reset();
        return;
    }
    // Each size is resampled once (a JPEG and a WebP of one size share it)
    // and held, so the slow encodes need no decode. The largest comes from
    // the file; each smaller one from the smallest made before it that
    // covers it, which costs a fraction of reducing the decode again.
    // Pages that differ in size are each resampled to their own, from the
    // whole decode.
    const auto shared = [](const ResultForm& form) {
        return form.resample && form.pages.empty();
    };
    bool fullSizeUsed = false;
    bool paged = false;
    std::vector<std::pair<int64_t, int64_t>> sizes;
    for (const Output& output : rest) {
        const ResultForm& form = output.planned.form;
        fullSizeUsed = fullSizeUsed || !shared(form);
        paged = paged || !form.pages.empty();
        if (shared(form))
            sizes.emplace_back(form.width, form.height);
    }
    std::sort(sizes.begin(), sizes.end(),
              [](const auto& a, const auto& b) { return a.first * a.second > b.first * b.second; });
    const auto covers = [](const std::pair<int64_t, int64_t>& large,
                           const std::pair<int64_t, int64_t>& small) {
        return large.first >= small.first && large.second >= small.second;
    };
    // When the largest covers them all, it is made as a run of its own
    // would make it, at the decoder's scale, and nothing is held at the
    // decode's size; else the decode is held at the scale all need.
    const bool fromLargest =
        !fullSizeUsed && std::all_of(sizes.begin(), sizes.end(),
                                     [&](const auto& size) { return covers(sizes.front(), size); });
    // At most three bytes a pixel: deeper pictures are rare enough to go
    // by their count alone.
    const int64_t bytes = int64_t(image.GetWidth()) * image.GetHeight() * 3;
    budget_->Take(bytes);
    if (!fromLargest && !paged) {
        int64_t width = 0;
        int64_t height = 0;
        for (const Output& output : rest) {
            width = std::max(width, output.planned.form.width);
            height = std::max(height, output.planned.form.height);
        }
        if (!image.HoldPixelsFor(width, height)) {
            budget_->Give(bytes);
            for (Output& output : rest)
                Fail(*output.outcome, image.GetLastError());
            decision.image.reset();
            return;
        }
    }
    std::map<std::pair<int64_t, int64_t>, std::shared_ptr<CxImage>> resampled;
    for (const auto& size : sizes) {
        if (resampled.count(size))
            continue;
        const CxImage* from = nullptr;
        for (const auto& [made, picture] : resampled)
            if (picture->IsValid() && covers(made, size) &&
                (!from || made.first * made.second < int64_t(from->GetWidth()) * from->GetHeight()))
                from = picture.get();
        std::shared_ptr<CxImage> once;
        if (from)
            once = from->Fork();
        else if (!fromLargest)
            once = image.Fork();
        else if (decision.image)
            once = std::move(decision.image);
        else { // the largest could not be made: nor can they, for the same reason
            resampled[size] = resampled.at(sizes.front());
            continue;
        }
        if (!once->Resample(size.first, size.second, 1) || !once->HoldPixels())
            once->Destroy(); // keeps the reason for the outputs of this size
        resampled[size] = std::move(once);
    }
    if (!fullSizeUsed)
        decision.image.reset();
    budget_->Give(bytes);
    for (Output& output : rest) {
        ResultForm& form = output.planned.form;
        const bool once = shared(form);
        const CxImage& from =
            once ? *resampled[std::pair(form.width, form.height)] : *decision.image;
        if (!from.IsValid()) {
            Fail(*output.outcome, from.GetLastError());
            continue;
        }
        if (once)
            form.resample = false;
        Produce(*from.Fork(), output);
    }
    decision.image.reset();
}

// One output from image: its bytes, then its file.
void ResizeJob::Produce(CxImage& image, Output& output) {
    PictureOutcome& outcome = *output.outcome;
    const PlannedResult& planned = output.planned;
    outcome.metadata = planned.form.metadata;
    QByteArray bytes;
    QString why;
    EncodeNote note;
    const bool made = EncodeResult(image, *output.settings, planned.form, bytes, why, &note);
    outcome.lossless = note.lossless;
    if (!note.reencoded.isEmpty())
        outcome.reencoded = note.reencoded;
    if (!made) {
        Fail(outcome, why);
        return;
    }
    if (note.lossless)
        Deliver(bytes, int(planned.form.WrittenWidth()), int(planned.form.WrittenHeight()), image,
                output);
    else
        Deliver(bytes, image.GetWidth(), image.GetHeight(), image, output);
}

// A result's bytes into its file, under the name the plan gave it if that
// is still free, or as the user chose when another program's file took it
// meanwhile. width x height is its size as written.
void ResizeJob::Deliver(const QByteArray& bytes, int width, int height, const CxImage& image,
                        Output& output) {
    PictureOutcome& outcome = *output.outcome;
    const PlannedResult& planned = output.planned;
    QString path = planned.path;
    // Made smaller to fit "maxkb": a name that tells the size tells the
    // written one.
    if (!planned.overSource && NameTemplateReadsPicture(output.settings->nametemplate) &&
        (width != planned.fields.width || height != planned.fields.height)) {
        NameFields fields = planned.fields;
        fields.width = width;
        fields.height = height;
        if (const QString bad = plan_->PathFor(planned, fields, path); !bad.isEmpty()) {
            Fail(outcome, bad);
            return;
        }
        if (!names_->Claim(path)) {
            Fail(outcome, TrText("Batch", "another result of this batch has its name %1")
                              .arg(ShownFileName(path)));
            return;
        }
    }
    QString why;
    WriteOptions write = output.write;
    QString put; // the file the journal says is put in place
    // Older mail copies are ours alone: nobody wants them back.
    write.beforePut = [&](const WriteStep& step) {
        journal_->Put(step, !request_.mail);
        put = step.target;
    };
    for (;;) {
        put.clear();
        why = WriteFileSafely(path, bytes, write);
        outcome.output = path;
        if (!why.isEmpty() && !put.isEmpty())
            journal_->Undone(put);
        if (why != kNameTaken)
            break;
        const OnExists onexists = output.settings->onexists;
        if (onexists == OnExists::KeepBoth) {
            path = names_->NextFree(planned.path);
            continue;
        }
        if (onexists == OnExists::Skip)
            return;
        why = TrText("Batch", "a file of its name appeared while the batch ran, and is kept");
        break;
    }
    if (!why.isEmpty()) {
        Fail(outcome, TrText("Batch", "cannot write the file (%1)").arg(why));
        return;
    }
    outcome.removed = image.RemovedPrivateData();
    outcome.status = PictureOutcome::Status::Written;
}

// The copies of one mail share its limit by their pixel counts, so a big
// photo is not squeezed harder than a small one.
void ResizeJob::ShareMailLimit() {
    mailShares_.clear();
    const BatchPlan& plan = *plan_;
    if (!request_.mail || request_.settings.mailmaxkb == 0)
        return;
    std::vector<double> pixels;
    double total = 0;
    for (int picture = 0; picture < plan.sources.size(); ++picture) {
        const PlannedResult& result = plan.Result(picture, 0);
        const ResultForm& form = result.form;
        const double count = result.reason.isEmpty()
                                 ? double(form.WrittenWidth()) * double(form.WrittenHeight())
                                 : 0.0;
        pixels.push_back(count);
        total += count;
    }
    // Each copy first gets a small floor for its headers and metadata, which
    // do not shrink with the pixels; the rest goes by pixel count.
    const double all = double(request_.settings.mailmaxkb) * 1024;
    const double floor = std::min(all / (4.0 * double(pixels.size())), double(kMailFloorBytes));
    const double rest = all - floor * double(pixels.size());
    for (const double count : pixels)
        mailShares_.push_back(int64_t(floor + rest * count / std::max(total, 1.0)));
}
