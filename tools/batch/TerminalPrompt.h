// SPDX-License-Identifier: MIT
#pragma once

#include "batch/ConfirmationPrompt.h"

// Asks on the terminal: the question on standard error, the answer from
// standard input. End of input answers as closing the dialog would.
class TerminalPrompt : public ConfirmationPrompt {
public:
    int Ask(const QString& question, const QString& path) override;
};

// Gives the same answer to every question, as if that button were pressed.
class FixedAnswerPrompt : public ConfirmationPrompt {
public:
    explicit FixedAnswerPrompt(int answer)
        : answer_(answer) {}
    int Ask(const QString&, const QString&) override { return answer_; }

private:
    int answer_;
};
