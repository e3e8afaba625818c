// SPDX-License-Identifier: MIT
#pragma once

#include "mail/MailPictures.h"

#include <QString>

// What the mail prompts say, in plain words true on Linux.
inline QString MailPromptText(int prompt) {
    switch (prompt) {
    case MailPrompt::CannotLoad:
        return QStringLiteral("Tessary cannot hand pictures to a mail program: the xdg-email "
                              "command (package xdg-utils) is not installed.");
    case MailPrompt::NotValid:
        return QStringLiteral("No mail program could be found to write the message. Choose a "
                              "default mail program in your desktop's settings and try again.");
    case MailPrompt::SendFailed:
        return QStringLiteral("The mail program could not be started to write the message.");
    default:
        return {};
    }
}
