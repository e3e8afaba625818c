// SPDX-License-Identifier: MIT
#pragma once

#include "codec/Image.h"
#include "resize/ConfirmationPrompt.h"
#include "resize/OutputPath.h"
#include "resize/TargetSize.h"
#include "settings/ResizeSettings.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <vector>

// What became of one output of one picture.
struct PictureOutcome {
    enum class Status { Written, Skipped, Failed };
    Status status = Status::Skipped;
    QString output;       // where the result went (or would have gone)
    QString reason;       // why it failed; empty otherwise
    int picture = 0;      // its place in the batch's list
    int recipe = 0;       // 0 the options' own output, 1.. the further outputs
    int metadata = 0;     // the MetadataLevel it was written with
    uint32_t removed = 0; // the PrivateKind bits taken out of it
};

// One resize batch over a list of pictures, with the options copied at the
// start. Each picture gets the options' own output and one for each
// further output ("also", see RecipeOutputs), all from one decode; an
// output that fails fails alone. Run() works on the calling thread and
// decides each picture in list order there (status, output paths, folders,
// questions), so the questions come in order; decoding, resampling and
// encoding run on a small pool with a few pictures in flight. Each result
// is written atomically, so a failed or stopped batch never leaves a
// half-written file, and a source is never changed except by a complete
// result written over it.
// RequestStop() may be called from any thread; the job stops between
// pictures and waits for those in flight.
class ResizeJob {
public:
    ResizeJob(const ResizeSettings& settings, const QStringList& pictures,
              ConfirmationPrompt& prompt);

    // A resize-and-mail batch: results go into folder and are collected in
    // MailTempList(), replacing older copies there without a question; two
    // copies of one name get " (2)", " (3)". An empty folder (none could be
    // made) fails every picture, writing nothing. With "override" the
    // sources are written over, after the usual question, and mailed. Only
    // the options' own output is made: a mail gets one copy of a picture.
    void SetMailResults(const QString& folder);
    void SetDesktopSize(DesktopSize size) { desktop_ = size; }
    // Each picture's folder below the folder it was found under (see
    // PicturesInTree), in list order; repeated under an absolute "dest".
    void SetSubfolders(const QStringList& subfolders) { subfolders_ = subfolders; }
    // How many pictures are worked on at once; at least 1.
    void SetWorkers(int workers);

    // index of the picture about to be handled, and a copy of its status line.
    void OnStep(std::function<void(int, const QString&)> step) { step_ = std::move(step); }
    void OnDone(std::function<void()> done) { done_ = std::move(done); }

    void Run();
    void RequestStop() { stop_ = true; }

    // One for each output of each picture, picture by picture, outputs in
    // recipe order.
    const std::vector<PictureOutcome>& Outcomes() const { return outcomes_; }
    // "PICTURE: reason" for each failed output, naming the output when a
    // picture has several.
    QStringList Failures() const;
    // How many outputs each picture has: the options' own and the further ones.
    int OutputsPerPicture() const { return int(recipe_.size()); }
    // The written results of a resize-and-mail batch, in list order: the
    // only pictures it may attach.
    QStringList MailTempList() const;
    int Count(PictureOutcome::Status status) const;
    // "removed: GPS position from 12 pictures, serial numbers from 12" for
    // the written results; empty when no result was to lose any metadata.
    QString RemovedSummary() const;

private:
    class InFlight;
    class PixelBudget;
    class PixelBudget;
    struct Output;
    struct Decision;
    bool Decide(int index, Decision& decision);
    bool DecideOutput(Decision& decision, Output& output);
    QString PrepareFolder(int index, const OutputPlan& plan);
    QString CheckOutput(const QString& source, const CxImage& image, Output& output) const;
    bool ResolveExisting(Output& output, QStringList& held);
    void SetWriteOptions(const QString& sourcePath, Output& output) const;
    void Process(Decision& decision);
    void Produce(CxImage& image, Output& output);
    void ShareMailLimit();
    void PlanAll();
    PictureOutcome& OutcomeOf(int index, size_t recipe) {
        return outcomes_[size_t(index) * recipe_.size() + recipe];
    }

    ResizeSettings settings_;
    std::vector<ResizeSettings> recipe_; // the outputs of each picture
    QString recipeError_;                // why the recipe cannot be used
    QStringList pictures_;
    QStringList subfolders_;
    ConfirmationPrompt& prompt_;
    bool mailResults_ = false;
    QString mailFolder_;
    QSet<QString> cleanedFolders_; // stale temporary files removed there
    DesktopSize desktop_;
    int workers_;
    int answer_ = AnswerAsk;
    std::atomic<bool> stop_{false};
    std::function<void(int, const QString&)> step_;
    std::function<void()> done_;
    std::vector<PictureOutcome> outcomes_;
    std::vector<std::vector<OutputPlan>> plans_; // each picture's results, decided before
    QSet<QString> claimed_;        // names this batch has given to "keep both" results
    InFlight* inFlight_ = nullptr; // while Run() runs
    PixelBudget* budget_ = nullptr;
    std::vector<int64_t> mailShares_; // bytes of each mail copy; empty: no mail limit
};
