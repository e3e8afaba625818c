// SPDX-License-Identifier: MIT
#include "platform/FileLock.h"

#include "platform/FileName.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::~FileLock() {
    flock(fd_, LOCK_UN);
    close(fd_);
}

std::unique_ptr<FileLock> FileLock::Take(const QString& path) {
    return Wait(
        open(EncodeFileName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
}

std::unique_ptr<FileLock> FileLock::TakeFolder(const QString& folder) {
    return Wait(open(EncodeFileName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

std::unique_ptr<FileLock> FileLock::Wait(int fd) {
    if (fd < 0)
        return nullptr;
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int error = errno;
            close(fd);
            errno = error;
            return nullptr;
        }
    }
    return std::unique_ptr<FileLock>(new FileLock(fd));
}
