// SPDX-License-Identifier: MIT
#pragma once

#include "batch/BatchPlan.h"
#include "batch/ConfirmationPrompt.h"
#include "settings/ResizeSettings.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What became of one output of one picture.
struct PictureOutcome {
    enum class Status { Written, Skipped, Failed };
    Status status = Status::Skipped;
    QString output;        // where the result went (or would have gone)
    QString reason;        // why it failed; empty otherwise
    int picture = 0;       // its place in the batch's list
    int recipe = 0;        // 0 the options' own output, 1.. the further outputs
    int metadata = 0;      // the MetadataLevel it was written with
    uint32_t removed = 0;  // the PrivateKind bits taken out of it
    bool lossless = false; // a JPEG turned from its own compressed data, never decoded
    QString reencoded;     // why a JPEG to be turned so was re-encoded instead
};

// One resize batch over a list of pictures, with the options copied at the
// start. It carries out its plan (BatchPlan): every result is known and
// checked before the first is written, and the run writes exactly what the
// plan says, where it says. Each picture gets the options' own output and
// one for each further output ("also"), all from one decode; an output
// that fails fails alone. Run() works on the calling thread and decides
// each picture in list order there (folders, questions), so the questions
// come in order; decoding, resampling and encoding run on a small pool
// with a few pictures in flight. Each result is written whole and takes
// its name only if that is still free, unless replacing is the choice, so
// a file that appeared meanwhile (another run's result) is never lost.
// Each folder it makes and each file it puts in place is in a journal
// (BatchJournal) before it happens, so that the batch can be undone.
// RequestStop() may be called from any thread; the job stops between
// pictures and waits for those in flight.
class BatchJournal;

class ResizeJob {
public:
    ResizeJob(const ResizeSettings& settings, const QStringList& pictures,
              ConfirmationPrompt& prompt);
    ~ResizeJob();

    // A resize-and-mail batch: copies go into folder and are collected in
    // MailTempList(), replacing older copies there without a question; two
    // copies of one name get " (2)", " (3)". An empty folder (none could be
    // made) fails every picture, writing nothing. A mail never writes a
    // source, whatever "override" says, and gets one copy of a picture.
    void SetMailResults(const QString& folder);
    void SetDesktopSize(DesktopSize size) { request_.desktop = size; }
    // Each picture's folder below the folder it was found under (see
    // PicturesInTree), in list order; repeated under an absolute "dest".
    void SetSubfolders(const QStringList& subfolders) { request_.subfolders = subfolders; }
    // How many pictures are worked on at once; at least 1.
    void SetWorkers(int workers);

    // index of the picture about to be handled, and a copy of its status line.
    void OnStep(std::function<void(int, const QString&)> step) { step_ = std::move(step); }
    void OnDone(std::function<void()> done) { done_ = std::move(done); }

    // The plan Run() carries out, made on first use (reading each picture's
    // header): what a dry run shows.
    const BatchPlan& Plan();
    void Run();
    void RequestStop() { stop_ = true; }

    // One for each output of each picture, picture by picture, outputs in
    // recipe order.
    const std::vector<PictureOutcome>& Outcomes() const { return outcomes_; }
    // "PICTURE: reason" for each failed output, naming the output when a
    // picture has several.
    QStringList Failures() const;
    // How many outputs each picture has: the options' own and the further ones.
    int OutputsPerPicture() const;
    // The written results of a resize-and-mail batch, in list order: the
    // only pictures it may attach.
    QStringList MailTempList() const;
    int Count(PictureOutcome::Status status) const;
    // "removed: GPS position from 12 pictures, serial numbers from 12" for
    // the written results; empty when no result was to lose any metadata.
    QString RemovedSummary() const;
    // How many JPEG results were turned without re-encoding, and "PICTURE:
    // re-encoded, as ..." for each that had to be re-encoded instead; empty
    // when no result was to be turned so.
    QStringList LosslessSummary() const;

private:
    class Budget;
    class Names;
    struct Output;
    struct Decision;
    bool Decide(int index, Decision& decision);
    bool DecideOutput(const CxImage& image, Output& output);
    QString PrepareFolder(int index, const PlannedResult& result);
    bool Answered(const PlannedResult& result);
    void SetWriteOptions(const QString& sourcePath, Output& output) const;
    void Process(Decision& decision);
    void Produce(CxImage& image, Output& output);
    void Deliver(const QByteArray& bytes, int width, int height, const CxImage& image,
                 Output& output);
    void ShareMailLimit();
    PictureOutcome& OutcomeOf(int index, size_t recipe) {
        return outcomes_[size_t(index) * plan_->outputs.size() + recipe];
    }

    BatchRequest request_;
    std::optional<BatchPlan> plan_;
    ConfirmationPrompt& prompt_;
    QSet<QString> cleanedFolders_; // stale temporary files removed there
    int workers_;
    int answer_ = AnswerAsk;
    std::atomic<bool> stop_{false};
    std::function<void(int, const QString&)> step_;
    std::function<void()> done_;
    std::vector<PictureOutcome> outcomes_;
    std::unique_ptr<Names> names_;          // while Run() runs
    std::unique_ptr<BatchJournal> journal_; // while Run() runs: what it did, to undo it
    Budget* budget_ = nullptr;              // the bytes of decoded pixels held, while Run() runs
    std::vector<int64_t> mailShares_;       // bytes of each mail copy; empty: no mail limit
};
