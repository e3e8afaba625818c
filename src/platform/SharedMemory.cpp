// SPDX-License-Identifier: MIT
#include "platform/SharedMemory.h"

#include <QFile>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

SharedMemory::SharedMemory(uint8_t* data, size_t size)
    : data_(data)
    , size_(size) {}

SharedMemory::~SharedMemory() {
    munmap(data_, size_);
}

std::unique_ptr<SharedMemory> SharedMemory::Map(int fd, size_t size) {
    void* data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd); // the mapping keeps the object alive
    if (data == MAP_FAILED)
        return nullptr;
    return std::unique_ptr<SharedMemory>(new SharedMemory(static_cast<uint8_t*>(data), size));
}

bool SharedMemory::IsTrusted(const struct stat& attributes, uid_t uid) {
    return S_ISREG(attributes.st_mode) && attributes.st_uid == uid &&
           (attributes.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::unique_ptr<SharedMemory> SharedMemory::OpenExisting(const QString& name) {
    const int fd =
        shm_open(QFile::encodeName(name).constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW, 0);
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

std::unique_ptr<SharedMemory> SharedMemory::CreateNew(const QString& name, size_t size) {
    if (size == 0)
        return nullptr;
    const QByteArray encoded = QFile::encodeName(name);
    shm_unlink(encoded.constData());
    const int fd = shm_open(encoded.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    // The umask may have taken bits away, never added them; make the mode exact.
    if (fchmod(fd, 0600) != 0 || ftruncate(fd, off_t(size)) != 0) {
        close(fd);
        shm_unlink(encoded.constData());
        return nullptr;
    }
    return Map(fd, size);
}

bool SharedMemory::Remove(const QString& name) {
    return shm_unlink(QFile::encodeName(name).constData()) == 0;
}
