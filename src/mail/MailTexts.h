// SPDX-License-Identifier: MIT
#pragma once

#include "mail/MailPictures.h"
#include "platform/UiText.h"

#include <QString>

// What the mail prompts say, in plain words true on Linux.
inline QString MailPromptText(int prompt) {
    switch (prompt) {
    case MailPrompt::CannotLoad:
        return TrText("Mail", "Tessary cannot hand pictures to a mail program: the xdg-email "
                              "command (package xdg-utils) is not installed.");
    case MailPrompt::NotValid:
        return TrText("Mail", "No mail program could be found to write the message. Choose a "
                              "default mail program in your desktop's settings and try again.");
    case MailPrompt::SendFailed:
        return TrText("Mail", "The mail program could not be started to write the message.");
    default:
        return {};
    }
}
