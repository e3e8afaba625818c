// SPDX-License-Identifier: MIT
#pragma once

#include "batch/ScanJob.h"

#include <QDialog>
#include <QThreadPool>

#include <memory>

class AppSettings;
class GuiConfirmationPrompt;
class QLabel;
class QProgressBar;
class ResizeJob;

// Runs one pass over the PictureList on a worker thread while showing its
// progress: mode 1 reads every picture's size and resolution (the scan),
// mode 2 runs the resize batch. It closes itself with OK when the worker
// is done, and with Cancel when the user cancels; either way the worker has
// stopped (between two pictures) before exec() returns, so nothing is left
// half-written and nothing touches the dialog afterwards.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int ScanMode = 1;
    static constexpr int ResizeMode = 2;

    explicit ProgressDialog(AppSettings& settings, QWidget* parent = nullptr);
    ~ProgressDialog() override;

    int mode = 0;
    int mailResults = 0;
    // Scan: what the pictures share; resize: unused.
    int pictureWidth = 0;
    int pictureHeight = 0;
    int commonXDpi = 0;
    int commonYDpi = 0;

    SelectionSummary Summary() const;
    // After a resize: "path: reason" for every picture that failed.
    QStringList Failures() const { return failures_; }
    // True when the failures are of results, several to a picture.
    bool SeveralOutputs() const { return severalOutputs_; }
    // After a resize: "path: re-encoded, as ..." for every JPEG photo that
    // was to be turned without re-encoding but could not be.
    QStringList Reencoded() const { return reencoded_; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Start();
    void OnStep(int index, const QString& status);
    void OnDone();
    void StopWorker();
    void Collect();

    AppSettings& settings_;
    QLabel* status_;
    QProgressBar* progress_;
    bool started_ = false;
    std::unique_ptr<GuiConfirmationPrompt> prompt_;
    std::unique_ptr<ScanJob> scan_;
    std::unique_ptr<ResizeJob> resize_;
    QThreadPool worker_; // one thread: the scan or the batch
    bool working_ = false;
    QStringList failures_;
    QStringList reencoded_;
    bool severalOutputs_ = false;
};
