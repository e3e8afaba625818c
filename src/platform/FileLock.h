// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

// An exclusive lock on a file or folder of the user's (flock(2)), held
// while the object lives: the writers of one hand-off block, or of the
// presets, take turns by it. Waits for the lock; a lock file is made 0600
// when missing.
class FileLock {
public:
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Null, with errno set, when the file cannot be opened.
    static std::unique_ptr<FileLock> Take(const QString& path);
    // The same on a folder, which leaves no lock file behind.
    static std::unique_ptr<FileLock> TakeFolder(const QString& folder);

private:
    static std::unique_ptr<FileLock> Wait(int fd);
    explicit FileLock(int fd)
        : fd_(fd) {}
    int fd_;
};
