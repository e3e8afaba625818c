// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DesktopMetrics.h"
#include "settings/ResizeSettings.h"

#include <QLabel>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>

// Shows what a batch would write ("about 14 MB in all"), worked out on a
// worker so the dialog never waits. A new request drops the one before:
// its worker is told to stop and its answer is never shown.
class EstimateLabel : public QLabel {
    Q_OBJECT
public:
    explicit EstimateLabel(QWidget* parent = nullptr);
    ~EstimateLabel() override;

    // Estimates the batch of settings over pictures, after a short pause
    // in which a further request replaces it.
    void Request(const ResizeSettings& settings, const QStringList& pictures, DesktopSize desktop);

private:
    void Start();
    void Finish(int generation, const QString& text);

    QTimer pause_;
    ResizeSettings settings_;
    QStringList pictures_;
    DesktopSize desktop_;
    int generation_ = 0;
    std::shared_ptr<std::atomic<bool>> stop_;
    QThreadPool workers_; // dropped requests' workers end soon after
};
