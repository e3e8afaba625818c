// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// What a copy or move asks and tells while it runs. The window's
// implementation shows a progress window and the questions; tests answer
// from a script.
class FileOperationPrompt {
public:
    enum class Replace { Yes, YesToAll, No, NoToAll, Cancel };

    virtual ~FileOperationPrompt() = default;
    // A file of the same name is in the destination.
    virtual Replace AskReplace(const QString& source, const QString& target) = 0;
    // The destination folder does not exist: make it?
    virtual bool AskCreateFolder(const QString& folder) = 0;
    // Bytes done of all; false stops the operation (the file being copied
    // is left as it was, in its source).
    virtual bool Progress(int64_t done, int64_t total, const QString& current) = 0;
};

// How a copy or move ended.
struct FileOperationResult {
    int done = 0;
    int skipped = 0;
    bool cancelled = false;
    QStringList failures;     // "path: reason"
    QStringList alreadyThere; // sources that are their own target
};

namespace FileOperation {
constexpr int Move = 1; // FO_MOVE
constexpr int Copy = 2; // FO_COPY
} // namespace FileOperation

// Copies or moves files into a folder, losing nothing: each copy is written
// to a temporary name in the destination and renamed into place when it is
// complete and as long as its source; a move within one file system is a
// rename, and across file systems deletes a source only after its copy is
// complete and checked. Asks before replacing a file and before creating a
// missing destination folder. Runs on the calling thread.
FileOperationResult SHFileOperation(int operation, const QStringList& sources,
                                    const QString& destination, FileOperationPrompt& prompt);
