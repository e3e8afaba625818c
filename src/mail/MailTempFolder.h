// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Makes a new private folder (mode 0700) under the system's temporary folder
// for the results of one resize-and-mail batch: a name nobody can guess or
// take first. Returns an empty text when it cannot be made.
QString CreateMailTempFolder();

// Removes the folders of earlier resize-and-mail batches once they are
// older than an hour: by then the mail client has long read its copies.
void RemoveOldMailTempFolders();
