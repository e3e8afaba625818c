// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

#include <sys/stat.h>

// A named POSIX shared-memory object mapped for reading and writing: the
// layer under the hand-off block that the file-manager menu writes and the
// program reads. POSIX names are machine-wide, so an object is trusted only
// when the user owns it and nobody else may write it; any other object is
// treated as absent. The mapping covers the object's size at opening, and
// nothing here ever reads or writes outside it.
class SharedMemory {
public:
    ~SharedMemory();
    SharedMemory(const SharedMemory&) = delete;
    SharedMemory& operator=(const SharedMemory&) = delete;

    // The object the program reads; null when it does not exist, is not
    // trusted, is empty or cannot be mapped.
    static std::unique_ptr<SharedMemory> OpenExisting(const QString& name);
    // A new object of `size` bytes (zero-filled, mode 0600), replacing one of
    // the same name. A reader that mapped the old object keeps its own copy,
    // so it never sees the object shrink under it.
    static std::unique_ptr<SharedMemory> CreateNew(const QString& name, size_t size);
    // Whether an object with these attributes may be read by user `uid`.
    static bool IsTrusted(const struct stat& attributes, uid_t uid);
    static bool Remove(const QString& name);

    uint8_t* data() const { return data_; }
    size_t size() const { return size_; }

private:
    SharedMemory(uint8_t* data, size_t size);
    // Maps the whole object and closes fd.
    static std::unique_ptr<SharedMemory> Map(int fd, size_t size);
    uint8_t* data_;
    size_t size_;
};
