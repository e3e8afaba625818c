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

struct PictureOutcome {
    enum class Status { Written, Skipped, Failed };
    Status status = Status::Skipped;
    QString output; // where the result went (or would have gone)
    QString reason; // why it failed; empty otherwise
};

// One resize batch over a list of pictures, with the options copied at the
// start. Run() works on the calling thread and decides each picture in list
// order there (status, output path, folder, questions), so the questions
// come in order; decoding, resampling and encoding run on a small pool with
// a few pictures in flight. Each result is written atomically, so a failed
// or stopped batch never leaves a half-written file, and a source is never
// changed except by a complete result written over it.
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
    // sources are written over, after the usual question, and mailed.
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

    const std::vector<PictureOutcome>& Outcomes() const { return outcomes_; }
    // The written results of a resize-and-mail batch, in list order: the
    // only pictures it may attach.
    QStringList MailTempList() const;
    int Count(PictureOutcome::Status status) const;

private:
    struct Decision;
    bool Decide(int index, Decision& decision);
    QString PrepareFolder(int index, const OutputPlan& plan);
    QString ReadHeader(const OutputPlan& plan, Decision& decision) const;
    void SetWriteOptions(int index, Decision& decision) const;
    void Process(int index, Decision& decision);
    void Target(const CxImage& image, int64_t& width, int64_t& height) const;
    void ShareMailLimit();
    void PlanAll();

    ResizeSettings settings_;
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
    std::vector<OutputPlan> plans_;   // each picture's result, decided before the batch
    std::vector<int64_t> mailShares_; // bytes of each mail copy; empty: no mail limit
};
