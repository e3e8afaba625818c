// SPDX-License-Identifier: MIT
#include "resize/ResizeJob.h"

#include "codec/Image.h"
#include "codec/PictureTypeTable.h"
#include "codec/PrivateData.h"
#include "platform/FileName.h"
#include "platform/SafeWrite.h"
#include "resize/EncodeResult.h"
#include "resize/NameTemplate.h"
#include "resize/OutputPath.h"
#include "resize/PictureTree.h"
#include "resize/Recipe.h"
#include "resize/ResizeTexts.h"
#include "resize/StatusLine.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QThreadPool>

#include <sys/stat.h>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <set>

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

// "name (2).ext" for copy 2 of path.
QString NumberedName(const QString& path, int copy) {
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    return QDir(info.path())
        .filePath(QStringLiteral("%1 (%2)%3").arg(info.completeBaseName()).arg(copy).arg(suffix));
}

} // namespace

// The paths that pictures in flight read or write. A later picture that
// touches one of them waits, so that two pictures never write one file at
// once and a picture never reads a file that an earlier one is replacing.
class ResizeJob::InFlight {
public:
    explicit InFlight(int limit)
        : limit_(limit) {}

    void Enter(const QStringList& paths) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return count_ < limit_ && !AnyBusy(paths); });
        ++count_;
        for (const QString& path : paths)
            paths_.insert(path);
    }

    // One more path for a picture that has entered.
    void Add(const QString& path) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !paths_.count(path); });
        paths_.insert(path);
    }

    bool Busy(const QString& path) {
        std::lock_guard lock(mutex_);
        return paths_.count(path) > 0;
    }

    void Leave(const QStringList& paths) {
        {
            std::lock_guard lock(mutex_);
            --count_;
            for (const QString& path : paths)
                paths_.erase(paths_.find(path));
        }
        changed_.notify_all();
    }

    void WaitForAll() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return count_ == 0; });
    }

private:
    bool AnyBusy(const QStringList& paths) const {
        return std::any_of(paths.begin(), paths.end(),
                           [this](const QString& path) { return paths_.count(path) > 0; });
    }

    const int limit_;
    int count_ = 0;
    std::multiset<QString> paths_;
    std::mutex mutex_;
    std::condition_variable changed_;
};

// The decoded pixels that pictures with several outputs hold at once. A
// picture waits until its pixels fit beside the others' (one alone always
// may), so a batch with several outputs needs about the memory of one.
class ResizeJob::PixelBudget {
public:
    explicit PixelBudget(int64_t bytes)
        : limit_(bytes) {}

    void Take(int64_t bytes) {
        std::unique_lock lock(mutex_);
        freed_.wait(lock, [&] { return held_ == 0 || held_ + bytes <= limit_; });
        held_ += bytes;
    }

    void Give(int64_t bytes) {
        {
            std::lock_guard lock(mutex_);
            held_ -= bytes;
        }
        freed_.notify_all();
    }

private:
    const int64_t limit_;
    int64_t held_ = 0;
    std::mutex mutex_;
    std::condition_variable freed_;
};

// One output of one picture, as decided before its pixels are read.
struct ResizeJob::Output {
    PictureOutcome* outcome = nullptr;
    const ResizeSettings* settings = nullptr;
    OutputPlan plan;
    ResultForm form;
    WriteOptions write;
};

struct ResizeJob::Decision {
    QString source;
    std::unique_ptr<CxImage> image;
    std::vector<Output> outputs; // those to be written
    QStringList paths;           // what the picture reads and writes, kept from others
};

ResizeJob::ResizeJob(const ResizeSettings& settings, const QStringList& pictures,
                     ConfirmationPrompt& prompt)
    : settings_(settings)
    , pictures_(pictures)
    , prompt_(prompt)
    , workers_(std::max(1, QThread::idealThreadCount())) {
    recipe_ = RecipeOutputs(settings_, recipeError_);
    // Unusable options still give each picture its place, to fail in.
    if (recipe_.empty()) {
        recipe_.push_back(settings_);
        recipe_.front().nametemplate = ResizeSettings().nametemplate;
    }
    // With "override" the result keeps its source's name, so it keeps the
    // source's type too: a PNG stream in a file named .jpg helps nobody.
    if (settings_.override)
        recipe_.front().imagetype = settings_.imagetype = PictureTypeTable::SameAsSource;
}

void ResizeJob::SetMailResults(const QString& folder) {
    mailResults_ = true;
    mailFolder_ = folder;
    // The further outputs are not made, so a fault in them does not count.
    recipe_.resize(1);
    recipeError_ = NameTemplateError(settings_.nametemplate);
}

void ResizeJob::SetWorkers(int workers) {
    workers_ = std::max(1, workers);
}

void ResizeJob::Run() {
    answer_ = AnswerAsk;
    claimed_.clear();
    outcomes_.assign(size_t(pictures_.size()) * recipe_.size(), PictureOutcome{});
    for (size_t i = 0; i < outcomes_.size(); ++i) {
        outcomes_[i].picture = int(i / recipe_.size());
        outcomes_[i].recipe = int(i % recipe_.size());
    }
    const int cores = std::max(1, QThread::idealThreadCount());
    // Previews decoded after the batch get the threads they had before.
    const int threadsBefore = CxImage::SetThreadsPerPicture(std::max(1, cores / workers_));

    ShareMailLimit();
    PlanAll();

    QThreadPool pool;
    pool.setMaxThreadCount(workers_);
    InFlight inFlight(workers_);
    inFlight_ = &inFlight;
    PixelBudget budget(kHeldPixelBytes);
    budget_ = &budget;
    for (int index = 0; index < pictures_.size(); ++index) {
        if (stop_) {
            for (size_t rest = size_t(index) * recipe_.size(); rest < outcomes_.size(); ++rest)
                outcomes_[rest].reason = QStringLiteral("the batch was stopped");
            break;
        }
        if (step_)
            step_(index, FormatStatusLine(ResizeText::ResizingStatus, pictures_[index]));
        auto decision = std::make_shared<Decision>();
        decision->source = AbsoluteFileName(pictures_[index]);
        decision->paths << decision->source;
        for (size_t recipe = 0; recipe < recipe_.size(); ++recipe)
            decision->paths << (OutcomeOf(index, recipe).output =
                                    plans_[size_t(index)][recipe].path);
        // Before asking whether a result exists, let any earlier picture
        // that writes it finish, so the answer is about the real file.
        inFlight.Enter(decision->paths);
        if (!Decide(index, *decision)) {
            inFlight.Leave(decision->paths);
            continue;
        }
        pool.start([this, decision, &inFlight] {
            Process(*decision);
            inFlight.Leave(decision->paths);
        });
    }
    inFlight.WaitForAll();
    inFlight_ = nullptr;
    budget_ = nullptr;
    CxImage::SetThreadsPerPicture(threadsBefore);
    if (done_)
        done_();
}

// The cheap, ordered part of a picture: folders, its header, questions.
// False when none of its outputs is to be written.
bool ResizeJob::Decide(int index, Decision& decision) {
    const auto failAll = [&](const QString& reason) {
        for (size_t recipe = 0; recipe < recipe_.size(); ++recipe)
            Fail(OutcomeOf(index, recipe), reason);
        return false;
    };
    if (!recipeError_.isEmpty())
        return failAll(recipeError_);
    // An empty hand-off record names no file: nothing is planned for it.
    if (decision.source.isEmpty())
        return failAll(ResizeText::NoFileName);
    // Without its private folder a mail copy would land in the current
    // folder, perhaps over a source of the same name: nothing is written.
    if (mailResults_ && !settings_.override && mailFolder_.isEmpty())
        return failAll(ResizeText::NoMailFolder.arg(ShownFileName(SystemTemporaryFolder())));
    std::vector<Output> outputs(recipe_.size());
    for (size_t recipe = 0; recipe < recipe_.size(); ++recipe) {
        Output& output = outputs[recipe];
        output.outcome = &OutcomeOf(index, recipe);
        output.settings = &recipe_[recipe];
        output.plan = plans_[size_t(index)][recipe];
        if (const QString why = PrepareFolder(index, output.plan); !why.isEmpty())
            Fail(*output.outcome, why);
    }
    decision.image = std::make_unique<CxImage>();
    if (!decision.image->Load(decision.source))
        return failAll(decision.image->GetLastError());
    for (Output& output : outputs)
        if (output.outcome->status != PictureOutcome::Status::Failed &&
            DecideOutput(decision, output))
            decision.outputs.push_back(output);
    return !decision.outputs.empty();
}

// One output's checks and questions; false when it is skipped or has failed.
bool ResizeJob::DecideOutput(Decision& decision, Output& output) {
    const CxImage& image = *decision.image;
    // A result that cannot be written fails before its question is asked.
    if (const QString why = CheckOutput(decision.source, image, output); !why.isEmpty())
        return Fail(*output.outcome, why);
    if (!ResolveExisting(output, decision.paths))
        return false;
    output.outcome->output = output.plan.path;
    SetWriteOptions(decision.source, output);
    // Asked for every such picture: an earlier "Yes to all" answered the
    // overwrite question, not this one, so the overwrite answer stays.
    return output.settings->imagetype != PictureTypeTable::Gif || image.GetBpp() <= 8 ||
           Accepted(prompt_.Ask(ResizeText::GifQuestion, output.plan.path));
}

// The folder the result goes to, made where it is missing, and cleared once
// of what a killed batch left half-written there. The reason on failure.
QString ResizeJob::PrepareFolder(int index, const OutputPlan& plan) {
    const QString outputFolder = QFileInfo(plan.path).absolutePath();
    // A tree repeated under the destination needs every level below it,
    // and so do the folders a name template makes.
    const bool tree = index < subfolders_.size() && !subfolders_[index].isEmpty();
    for (const QString& folder : {plan.folderToCreate, outputFolder}) {
        if (!folder.isEmpty() && !MakeFolderPath(folder, 0777, tree || folder == outputFolder))
            return QStringLiteral("cannot make the folder %1 (%2)")
                .arg(ShownFileName(folder), SystemReason(errno));
    }
    if (!cleanedFolders_.contains(outputFolder)) {
        cleanedFolders_.insert(outputFolder);
        RemoveStaleTemporaries(outputFolder);
    }
    return {};
}

// The type the output is written as and its new size; the reason when it
// cannot be written.
QString ResizeJob::CheckOutput(const QString& source, const CxImage& image, Output& output) const {
    if (const QString why = PlanResult(*output.settings, image, desktop_, output.form);
        !why.isEmpty())
        return why;
    // Mail copies go to strangers: they have their own choice.
    if (mailResults_ && !settings_.override)
        output.form.metadata = int(output.settings->mailmetadata);
    if (image.PageCount() > 1 && !ImageFormat::HoldsPages(output.form.format) &&
        IsSameFile(output.plan.path, source))
        return QStringLiteral("it has %1 pages and only its first could be written in its "
                              "place, so it is kept as it is")
            .arg(image.PageCount());
    return {};
}

// What a result whose name exists gets; false when it is skipped. A mail
// copy replaces an older one, which is ours. A new name is kept from other
// pictures in held, with the picture's other paths.
bool ResizeJob::ResolveExisting(Output& output, QStringList& held) {
    QString& path = output.plan.path;
    if (!FileNameExists(path) && !claimed_.contains(path))
        return true;
    const uint32_t choice =
        mailResults_ && !settings_.override ? OnExists::Replace : output.settings->onexists;
    if (choice == OnExists::Skip)
        return false;
    if (choice == OnExists::Replace)
        return true;
    if (choice == OnExists::KeepBoth) {
        // Not a name on disk, nor one this batch gave or is writing.
        const QString original = path;
        for (int copy = 2;; ++copy) {
            path = NumberedName(original, copy);
            if (!FileNameExists(path) && !claimed_.contains(path) && !inFlight_->Busy(path))
                break;
        }
        claimed_.insert(path);
        inFlight_->Add(path);
        held << path;
        return true;
    }
    if (answer_ == AnswerNoToAll)
        return false;
    if (answer_ != AnswerYesToAll) {
        answer_ = prompt_.Ask(ResizeText::OverwriteQuestion, path);
        if (!Accepted(answer_))
            return false;
    }
    return true;
}

void ResizeJob::SetWriteOptions(const QString& sourcePath, Output& output) const {
    const ResizeSettings& settings = *output.settings;
    struct stat source {};
    if (settings.keepdates && ::stat(EncodeFileName(sourcePath).constData(), &source) == 0)
        output.write.modified = source.st_mtim;
    // Older mail copies are ours to replace; anything else the user may want back.
    output.write.trashReplaced = settings.trash && (!mailResults_ || settings_.override);
    const size_t picture = size_t(output.outcome->picture);
    int64_t& limit = output.form.limit;
    if (picture < mailShares_.size() && (limit == 0 || mailShares_[picture] < limit))
        limit = mailShares_[picture];
}

// The heavy part, on a pool thread: one decode for all of the picture's
// outputs, each resampled from it alone.
void ResizeJob::Process(Decision& decision) {
    CxImage& image = *decision.image;
    if (decision.outputs.size() == 1) {
        Produce(image, decision.outputs.front());
        decision.image.reset();
        return;
    }
    int64_t width = 0;
    int64_t height = 0;
    for (const Output& output : decision.outputs) {
        width = std::max(width, output.form.width);
        height = std::max(height, output.form.height);
    }
    // At most three bytes a pixel: deeper pictures are rare enough to go
    // by their count alone.
    const int64_t bytes = int64_t(image.GetWidth()) * image.GetHeight() * 3;
    budget_->Take(bytes);
    if (!image.HoldPixelsFor(width, height)) {
        budget_->Give(bytes);
        for (Output& output : decision.outputs)
            Fail(*output.outcome, image.GetLastError());
        decision.image.reset();
        return;
    }
    // Each size is resampled once (a JPEG and a WebP of one size share it)
    // and held, so the full decode can go before the slow encodes start.
    std::map<std::pair<int64_t, int64_t>, std::unique_ptr<CxImage>> resampled;
    bool fullSizeUsed = false;
    for (const Output& output : decision.outputs) {
        fullSizeUsed = fullSizeUsed || !output.form.resample;
        const auto size = std::pair(output.form.width, output.form.height);
        if (output.form.resample && !resampled.count(size)) {
            std::unique_ptr<CxImage> once = image.Fork();
            if (!once->Resample(size.first, size.second, 1) || !once->HoldPixels())
                once->Destroy(); // keeps the reason for the outputs of this size
            resampled[size] = std::move(once);
        }
    }
    if (!fullSizeUsed)
        decision.image.reset();
    budget_->Give(bytes);
    for (Output& output : decision.outputs) {
        const CxImage& from = output.form.resample
                                  ? *resampled[std::pair(output.form.width, output.form.height)]
                                  : *decision.image;
        if (!from.IsValid()) {
            Fail(*output.outcome, from.GetLastError());
            continue;
        }
        output.form.resample = false;
        Produce(*from.Fork(), output);
    }
    decision.image.reset();
}

// One output from image: its bytes, then its file.
void ResizeJob::Produce(CxImage& image, Output& output) {
    PictureOutcome& outcome = *output.outcome;
    outcome.metadata = output.form.metadata;
    QByteArray bytes;
    QString why;
    bool ok = EncodeResult(image, *output.settings, output.form, bytes, why);
    if (ok) {
        const QString reason = WriteFileSafely(output.plan.path, bytes, output.write);
        ok = reason.isEmpty();
        if (!ok)
            why = QStringLiteral("cannot write the file (%1)").arg(reason);
    }
    outcome.removed = ok ? image.RemovedPrivateData() : 0;
    outcome.status = ok ? PictureOutcome::Status::Written : PictureOutcome::Status::Failed;
    if (!ok)
        outcome.reason = why;
}

void ResizeJob::PlanAll() {
    plans_.clear();
    // Names given to the copies of this mail so far, as a mail client on any
    // system would compare them.
    QSet<QString> mailNames;
    const bool readsPicture = std::any_of(recipe_.begin(), recipe_.end(), [](const auto& output) {
        return NameTemplateReadsPicture(output.nametemplate);
    });
    for (int index = 0; index < pictures_.size(); ++index) {
        const QString source = AbsoluteFileName(pictures_[index]);
        const QString subfolder = index < subfolders_.size() ? subfolders_[index] : QString();
        NameFields fields = SourceNameFields(source);
        fields.number = index + 1;
        CxImage header;
        const bool loaded = readsPicture && header.Load(source);
        if (readsPicture)
            fields.taken = DateTaken(loaded ? header.GetExifDate() : QString(), source);
        std::vector<OutputPlan> plans;
        for (const ResizeSettings& output : recipe_) {
            ResultForm form;
            if (loaded) {
                PlanResult(output, header, desktop_, form);
                fields.width = form.OutWidth();
                fields.height = form.OutHeight();
            }
            OutputPlan plan = PlanOutput(source, SettingsForSubfolder(output, subfolder),
                                         mailResults_, mailFolder_, fields);
            if (mailResults_ && !settings_.override) {
                // Two pictures of one name from two folders: the second must
                // not replace the first, or the first is never sent.
                const QString first = plan.path;
                for (int copy = 2;
                     mailNames.contains(QFileInfo(plan.path).fileName().toCaseFolded()); ++copy)
                    plan.path = NumberedName(first, copy);
                mailNames.insert(QFileInfo(plan.path).fileName().toCaseFolded());
            }
            plans.push_back(plan);
        }
        plans_.push_back(plans);
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
            ResultForm form;
            PlanResult(settings_, image, desktop_, form);
            w = form.OutWidth();
            h = form.OutHeight();
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

QStringList ResizeJob::Failures() const {
    QStringList lines;
    for (const PictureOutcome& outcome : outcomes_) {
        if (outcome.status != PictureOutcome::Status::Failed)
            continue;
        QString line = pictures_[outcome.picture];
        if (recipe_.size() > 1)
            line += QStringLiteral(" (output %1, %2)")
                        .arg(outcome.recipe + 1)
                        .arg(ShownFileName(QFileInfo(outcome.output).fileName()));
        lines << line + QStringLiteral(": ") + outcome.reason;
    }
    return lines;
}

QString ResizeJob::RemovedSummary() const {
    if (std::none_of(outcomes_.begin(), outcomes_.end(),
                     [](const PictureOutcome& o) { return o.metadata > 0; }))
        return {};
    QStringList parts;
    for (uint32_t bit = 0; bit < PrivateKind::Count; ++bit) {
        const uint32_t kind = 1u << bit;
        const auto count = std::count_if(outcomes_.begin(), outcomes_.end(), [kind](const auto& o) {
            return o.status == PictureOutcome::Status::Written && (o.removed & kind);
        });
        if (count == 0)
            continue;
        // "from 12 pictures" once, then the bare counts.
        const QString unit = !parts.isEmpty() ? QString()
                             : count == 1     ? QStringLiteral(" picture")
                                              : QStringLiteral(" pictures");
        parts << QStringLiteral("%1 from %2%3").arg(PrivateKindName(kind)).arg(count).arg(unit);
    }
    if (parts.isEmpty())
        return QStringLiteral("removed: nothing, no result held any of it");
    return QStringLiteral("removed: ") + parts.join(QStringLiteral(", "));
}

int ResizeJob::Count(PictureOutcome::Status status) const {
    return int(std::count_if(outcomes_.begin(), outcomes_.end(),
                             [status](const PictureOutcome& o) { return o.status == status; }));
}
