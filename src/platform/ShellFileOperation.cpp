// SPDX-License-Identifier: MIT
#include "platform/ShellFileOperation.h"

#include "platform/FileName.h"
#include "platform/RegularFile.h"
#include "platform/SafeWrite.h"
#include "platform/UiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kChunkBytes = 1 << 20;

using Replace = FileOperationPrompt::Replace;

// Copies source to target through a temporary file beside the target, so a
// stopped or failed copy never leaves a partial picture under the target's
// name. Returns an empty text on success, else the reason.
QString CopyWhole(const QString& source, const QString& target, int64_t& done, int64_t total,
                  FileOperationPrompt& prompt, bool& stopped) {
    QFile in;
    const QString openError = OpenRegularFile(in, source);
    if (!openError.isEmpty())
        return openError;
    // Named as the batch names its own, so a killed copy's leftover is
    // cleared like any other; made on the folder's own bytes.
    QByteArray temporary;
    QString why;
    const int out = CreateTemporaryFile(QFileInfo(target).absolutePath(), temporary, why);
    if (out < 0)
        return why;
    const auto fail = [&](const QString& reason) {
        ::close(out);
        ::unlink(temporary.constData());
        return reason;
    };
    for (;;) {
        const QByteArray chunk = in.read(kChunkBytes);
        if (chunk.isEmpty())
            break;
        if (!WriteAll(out, chunk.constData(), chunk.size()))
            return fail(SystemReason(errno));
        done += chunk.size();
        if (!prompt.Progress(done, total, source)) {
            stopped = true;
            return fail(TrText("FileOperation", "stopped"));
        }
    }
    if (in.error() != QFileDevice::NoError)
        return fail(in.errorString());
    // The copy keeps its source's permissions and times, as a file
    // manager's copy does: a photo's date is its own, not the copy's.
    struct stat from {
    }, copy{};
    if (::fstat(in.handle(), &from) != 0 || ::fstat(out, &copy) != 0 ||
        copy.st_size != from.st_size)
        return fail(TrText("FileOperation", "the copy is not complete"));
    ::fchmod(out, from.st_mode & 07777);
    const timespec times[2] = {from.st_atim, from.st_mtim};
    ::futimens(out, times);
    if (::close(out) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return SystemReason(error);
    }
    // rename() replaces a target atomically: it is the old file or the new
    // one, never half of either.
    if (std::rename(temporary.constData(), EncodeFileName(target).constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return SystemReason(error);
    }
    return {};
}

// What stat(2) says of a path, on its own bytes.
struct PathState {
    bool exists = false;
    bool isFile = false;
    bool isDir = false;
    int64_t size = 0;
    dev_t device = 0;
    ino_t inode = 0;
};

PathState StateOf(const QString& path) {
    PathState state;
    struct stat attributes {};
    if (::stat(EncodeFileName(path).constData(), &attributes) != 0)
        return state;
    state.exists = true;
    state.isFile = S_ISREG(attributes.st_mode);
    state.isDir = S_ISDIR(attributes.st_mode);
    state.size = attributes.st_size;
    state.device = attributes.st_dev;
    state.inode = attributes.st_ino;
    return state;
}

// The user's answers to "replace it?", the ones "to all" kept for the
// files after.
class ReplaceAnswers {
public:
    Replace For(FileOperationPrompt& prompt, const QString& source, const QString& target) {
        if (sticky_)
            return *sticky_;
        const Replace reply = prompt.AskReplace(source, target);
        if (reply == Replace::YesToAll || reply == Replace::NoToAll)
            sticky_ = reply;
        return reply;
    }

private:
    std::optional<Replace> sticky_;
};

// Puts one file in place: a move within a file system is a rename; a copy,
// or a move across file systems, goes through CopyWhole, and the source of
// a move is removed only once its copy is whole. False when the user
// stopped the operation.
bool Put(int operation, const QString& source, const QString& target, int64_t size, int64_t& done,
         int64_t total, FileOperationPrompt& prompt, FileOperationResult& result) {
    const bool move = operation == FileOperation::Move;
    if (move &&
        std::rename(EncodeFileName(source).constData(), EncodeFileName(target).constData()) == 0) {
        ++result.done;
        done += size;
        return prompt.Progress(done, total, source);
    }
    bool stopped = false;
    const QString failure = CopyWhole(source, target, done, total, prompt, stopped);
    if (stopped)
        return false;
    if (!failure.isEmpty()) {
        result.failures << source + QStringLiteral(": ") + failure;
        return true;
    }
    if (move && StateOf(target).size == size && ::unlink(EncodeFileName(source).constData()) != 0)
        result.failures << source + TrText("FileOperation",
                                           ": copied, but the original could not be removed");
    ++result.done;
    return true;
}

} // namespace

FileOperationResult SHFileOperation(int operation, const QStringList& sources,
                                    const QString& destination, FileOperationPrompt& prompt) {
    FileOperationResult result;
    // On the folder's own bytes: Qt's calls cannot reach a folder whose
    // name is not UTF-8.
    if (!IsFolder(destination)) {
        if (FileNameExists(destination) || !prompt.AskCreateFolder(destination) ||
            !MakeFolderPath(destination, 0777, true)) {
            result.cancelled = true;
            return result;
        }
    }
    int64_t total = 0;
    for (const QString& source : sources)
        total += StateOf(source).size;
    int64_t done = 0;
    ReplaceAnswers answers;
    for (const QString& source : sources) {
        const PathState from = StateOf(source);
        const QString target = QDir(destination).filePath(QFileInfo(source).fileName());
        const PathState to = StateOf(target);
        if (!from.isFile) {
            result.failures << source + TrText("FileOperation", ": no such file");
            continue;
        }
        if (to.exists && from.device == to.device && from.inode == to.inode) {
            result.alreadyThere << source;
            done += from.size;
            continue;
        }
        if (to.exists) {
            const Replace reply = answers.For(prompt, source, target);
            if (reply == Replace::Cancel) {
                result.cancelled = true;
                return result;
            }
            if (reply == Replace::No || reply == Replace::NoToAll || to.isDir) {
                ++result.skipped;
                done += from.size;
                continue;
            }
        }
        if (!Put(operation, source, target, from.size, done, total, prompt, result)) {
            result.cancelled = true;
            return result;
        }
    }
    return result;
}
