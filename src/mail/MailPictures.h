// SPDX-License-Identifier: MIT
#pragma once

class AppSettings;

// Prompts of a mail sending, by their string numbers.
namespace MailPrompt {
constexpr int None = 0;
constexpr int CannotLoad = 61840; // no mail hand-off on this system
constexpr int NotValid = 61841;   // no mail client could be reached
constexpr int SendFailed = 61842; // anything else went wrong
} // namespace MailPrompt

// Hands the pictures of MailTempList to the user's mail client as the
// attachments of one new message, with the stored subject and body: the
// copies a resize-and-mail batch wrote, or the marked pictures of "Mail
// To". An empty list starts no mail. Returns the prompt to show
// (MailPrompt::None for none). Runs on the user-interface thread and
// blocks until the mail hand-off returns.
// The mail client reads the copies after the hand-off has returned, so
// they are not deleted here: MailTempList is emptied, and copies older
// than an hour are removed at the next sending and the next start.
int MailPictures(AppSettings& settings);
