// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

#include <sys/stat.h>

// The user's private folder for what only the user's own programs may
// make: $XDG_RUNTIME_DIR, or where a session has none, a folder in the
// user's cache. Either is used only when it is a real folder the user owns
// that nobody else may enter; otherwise empty, with why. Without make, the
// cache's folder is only looked for.
QString PrivateRuntimeFolder(QString* why = nullptr, bool make = true);

// A memory-mapped file shared between the file-manager menu, which writes
// the hand-off block, and the program, which reads it. It lives in the
// user's private runtime folder, so nobody else can create or squat its
// name; even so an object is trusted only when the user owns it and nobody
// else may write it, and any other object is treated as absent.
// The mapping covers the object's size at opening. Readers that must not
// touch pages a sparse object cannot back (a read fault on a full tmpfs is
// SIGBUS) use ReadAt and WriteAt instead of the mapping.
class SharedMemory {
public:
    ~SharedMemory();
    SharedMemory(const SharedMemory&) = delete;
    SharedMemory& operator=(const SharedMemory&) = delete;

    // The object the program reads; null when it does not exist, is not
    // trusted, is empty or cannot be mapped.
    static std::unique_ptr<SharedMemory> OpenExisting(const QString& path);
    // A new object of `size` bytes (zero-filled, mode 0600), replacing one of
    // the same name. A reader that opened the old object keeps it, so it
    // never sees the object shrink under it.
    static std::unique_ptr<SharedMemory> CreateNew(const QString& path, size_t size);
    // Whether an object with these attributes may be read by user `uid`.
    static bool IsTrusted(const struct stat& attributes, uid_t uid);
    static bool Remove(const QString& path);

    uint8_t* data() const { return data_; }
    size_t size() const { return size_; }
    // Reads or writes bytes through the file, never through the mapping;
    // false unless all of them were moved.
    bool ReadAt(size_t offset, void* into, size_t bytes) const;
    bool WriteAt(size_t offset, const void* from, size_t bytes) const;

private:
    SharedMemory(int fd, uint8_t* data, size_t size);
    // Maps the whole object, keeping fd.
    static std::unique_ptr<SharedMemory> Map(int fd, size_t size);
    int fd_;
    uint8_t* data_;
    size_t size_;
};
