// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Moves the file at path into the user's Trash in the freedesktop.org
// layout (files/NAME beside info/NAME.trashinfo), as GLib does it for the
// desktop's file managers, so that any of them can restore it: into the
// home Trash when the file is on its file system, else into the Trash at
// the top of the file's own volume, since a Trash elsewhere would mean
// copying. Returns an empty text on success, else the reason; the file is
// then where it was.
QString MoveToTrash(const QString& path);

// What tells one file from another, and a file from itself changed: a
// move within its volume (into the Trash, out of it) keeps all of it.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0; // nanoseconds since 1970
    bool operator==(const FileIdentity&) const = default;
};

// The identity of what is at path itself (a link is not followed); none
// when nothing is there.
std::optional<FileIdentity> IdentityOf(const QString& path);

// The files MoveToTrash put in the Trash, found again: the Trash that
// took a file is the one MoveToTrash chose for its place, its info files
// say where each file came from, and its identity tells two files trashed
// from one place apart (each Trash names them "photo.jpg", "photo.2.jpg").
// Each Trash is read once, when first needed.
class TrashIndex {
public:
    // The file trashed from original that has identity, as its path in a
    // Trash; empty when it is in none (emptied, or restored).
    QString Find(const QString& original, const FileIdentity& identity);
    // Puts a file Find gave back at original, replacing what is there, and
    // forgets its info file. The reason on failure.
    static QString Restore(const QString& trashed, const QString& original);

private:
    struct Folder {
        QByteArray files;                          // .../Trash/files/
        QHash<QByteArray, QList<QByteArray>> from; // original path -> names in files/
    };
    const Folder& Read(const QByteArray& trash, const QByteArray& top);
    QHash<QByteArray, Folder> folders_;
};
