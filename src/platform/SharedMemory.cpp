// SPDX-License-Identifier: MIT
#include "platform/SharedMemory.h"

#include "platform/FileName.h"
#include "platform/UiText.h"

#include <QDir>

#include <cerrno>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

SharedMemory::SharedMemory(int fd, uint8_t* data, size_t size)
    : fd_(fd)
    , data_(data)
    , size_(size) {}

SharedMemory::~SharedMemory() {
    munmap(data_, size_);
    close(fd_);
}

std::unique_ptr<SharedMemory> SharedMemory::Map(int fd, size_t size) {
    void* data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (data == MAP_FAILED) {
        close(fd);
        return nullptr;
    }
    return std::unique_ptr<SharedMemory>(new SharedMemory(fd, static_cast<uint8_t*>(data), size));
}

bool SharedMemory::IsTrusted(const struct stat& attributes, uid_t uid) {
    return S_ISREG(attributes.st_mode) && attributes.st_uid == uid &&
           (attributes.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::unique_ptr<SharedMemory> SharedMemory::OpenExisting(const QString& path) {
    if (path.isEmpty())
        return nullptr;
    const int fd = open(EncodeFileName(path).constData(),
                        O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    struct stat attributes {};
    if (fstat(fd, &attributes) != 0 || !IsTrusted(attributes, geteuid()) ||
        attributes.st_size <= 0) {
        close(fd);
        return nullptr;
    }
    return Map(fd, size_t(attributes.st_size));
}

std::unique_ptr<SharedMemory> SharedMemory::CreateNew(const QString& path, size_t size) {
    if (size == 0 || path.isEmpty()) {
        errno = EINVAL;
        return nullptr;
    }
    const QByteArray encoded = EncodeFileName(path);
    unlink(encoded.constData());
    const int fd =
        open(encoded.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return nullptr;
    // The umask may have taken bits away, never added them; make the mode exact.
    if (fchmod(fd, 0600) != 0 || ftruncate(fd, off_t(size)) != 0) {
        close(fd);
        unlink(encoded.constData());
        return nullptr;
    }
    return Map(fd, size);
}

bool SharedMemory::Remove(const QString& path) {
    return unlink(EncodeFileName(path).constData()) == 0;
}

bool SharedMemory::ReadAt(size_t offset, void* into, size_t bytes) const {
    auto* out = static_cast<char*>(into);
    while (bytes > 0) {
        const ssize_t got = pread(fd_, out, bytes, off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        out += got;
        offset += size_t(got);
        bytes -= size_t(got);
    }
    return true;
}

bool SharedMemory::WriteAt(size_t offset, const void* from, size_t bytes) const {
    const auto* in = static_cast<const char*>(from);
    while (bytes > 0) {
        const ssize_t put = pwrite(fd_, in, bytes, off_t(offset));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        in += put;
        offset += size_t(put);
        bytes -= size_t(put);
    }
    return true;
}

QString PrivateRuntimeFolder(QString* why, bool make) {
    QString folder = DecodeFileName(qgetenv("XDG_RUNTIME_DIR"));
    if (folder.isEmpty()) {
        // The cache lies in the user's home, where nobody else makes names.
        QString cache = DecodeFileName(qgetenv("XDG_CACHE_HOME"));
        if (cache.isEmpty())
            cache = QDir::homePath() + QStringLiteral("/.cache");
        folder = cache + QStringLiteral("/tessary-runtime");
        if (make)
            MakeFolderPath(folder, 0700, true);
    }
    struct stat attributes {};
    QString problem;
    if (lstat(EncodeFileName(folder).constData(), &attributes) != 0 || !S_ISDIR(attributes.st_mode))
        problem = TrText("Files", "%1 is not a folder").arg(ShownFileName(folder));
    else if (attributes.st_uid != geteuid())
        problem = TrText("Files", "%1 belongs to another user").arg(ShownFileName(folder));
    else if ((attributes.st_mode & 077) != 0)
        problem = TrText("Files", "others may enter %1").arg(ShownFileName(folder));
    if (problem.isEmpty())
        return folder;
    if (why)
        *why = problem;
    return {};
}
