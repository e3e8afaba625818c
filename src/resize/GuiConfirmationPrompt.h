// SPDX-License-Identifier: MIT
#pragma once

#include "resize/ConfirmationPrompt.h"

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
    void Cancel() { cancelled_ = true; }

private:
    QWidget* owner_;
    std::atomic<bool> cancelled_{false};
};
