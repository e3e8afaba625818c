// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Answer codes of the Yes / Yes to all / No / No to all question. Closing
// the question without a button leaves AnswerAsk.
enum Answer : int {
    AnswerYesToAll = 0,
    AnswerNoToAll = 1,
    AnswerYes = 2,
    AnswerNo = 3,
    AnswerAsk = 4,
};

// Asks the user a question about one file. The window implementation shows
// the confirmation dialog on the user-interface thread and blocks the
// calling worker until it is answered; tests and the command line answer
// from a script or a policy.
class ConfirmationPrompt {
public:
    virtual ~ConfirmationPrompt() = default;
    virtual int Ask(const QString& question, const QString& path) = 0;
};
