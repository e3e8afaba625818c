// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Trash.h"
#include "platform/UiText.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

#include <time.h>

// How the new file takes its name.
enum class WriteMode {
    // A link at the name is written through: the file it points to gets the
    // new bytes and the link stays a link (a source written over).
    ThroughLink,
    // Whatever has the name is replaced, a link by the file itself.
    Replace,
    // The name must still be free when the file is put in place: nothing
    // that appeared meanwhile (another program's file) is ever replaced.
    New,
};

// The step that puts a new file in place, told just before it is taken,
// so that a record of it is whole whatever happens next.
struct WriteStep {
    QString target;                       // the file that gets the new bytes (a link resolved)
    FileIdentity written;                 // the new file, whole, still under its temporary name
    std::optional<FileIdentity> replaced; // the file at target now, which goes
    bool toTrash = false;                 // where it goes: the Trash, or nowhere
};

struct WriteOptions {
    WriteMode mode = WriteMode::ThroughLink;
    // A file already at the path goes to the Trash before the new one takes
    // its place; when it cannot, nothing is replaced.
    bool trashReplaced = false;
    // The new file's modification time; none: the time of writing.
    std::optional<timespec> modified;
    // A new file readable and writable by the user alone (a file replaced
    // keeps its own permissions either way).
    bool ownerOnly = false;
    // Called once the new file is whole, before anything at path changes.
    std::function<void(const WriteStep&)> beforePut;
};

// What WriteFileSafely returns when WriteMode::New found the name taken.
inline constexpr UiText kNameTaken = TrText("Files", "a file of that name is there already");

// Writes bytes to path through a temporary file in the same folder that
// is renamed over path only once it is whole, so a failed write (a full
// disk, a stopped batch) never damages a file already there. The
// temporary name is short whatever path's length, hidden, and carries the
// writer's process id, so a later batch can tell a dead writer's leftover
// from a running one's. A file it replaces keeps its permissions; a file
// marked read-only, or in a read-only folder, is not replaced. Returns an
// empty text on success, else the reason (kNameTaken: see WriteMode::New).
QString WriteFileSafely(const QString& path, const QByteArray& bytes,
                        const WriteOptions& options = {});

// Writes all size bytes to fd, through short writes and interruptions;
// false, errno saying why, when it cannot.
bool WriteAll(int fd, const char* data, qint64 size);

// Creates an empty temporary file in folder, named as WriteFileSafely names
// its own, so that RemoveStaleTemporaries finds it should its writer die.
// Returns the open descriptor, its path in temporary; -1 and the reason in
// why when it cannot.
int CreateTemporaryFile(const QString& folder, QByteArray& temporary, QString& why);

// Removes the temporary files that writers no longer running left in
// folder (a batch killed mid-write). Other files are never touched.
void RemoveStaleTemporaries(const QString& folder);
// How many of those there are.
int CountStaleTemporaries(const QString& folder);
