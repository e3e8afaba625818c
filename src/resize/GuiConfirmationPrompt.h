// SPDX-License-Identifier: MIT
#pragma once

#include "batch/ConfirmationPrompt.h"

#include "resize/OverwriteConfirmDialog.h"

#include <QPointer>

#include <atomic>

class QWidget;

// Asks a batch worker's questions with the confirmation dialog, shown on
// the user-interface thread over `owner` while the worker waits. Once the
// batch is being cancelled it asks nothing more and answers "No to all",
// so the user-interface thread can wait for the worker without a dead lock.
class GuiConfirmationPrompt : public ConfirmationPrompt {
public:
    explicit GuiConfirmationPrompt(QWidget* owner);
    int Ask(const QString& question, const QString& path) override;
    // User-interface thread. Closes a question that is open: the worker
    // gets "No to all" once it has closed.
    void Cancel();
    // User-interface thread: a question is open, and the worker waits for
    // it to close.
    bool Asking() const { return !asking_.isNull(); }

private:
    QWidget* owner_;
    std::atomic<bool> cancelled_{false};
    QPointer<OverwriteConfirmDialog> asking_;
};
