// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// The paths of a --files-from list, read as they come: one a line (a "\r"
// at a line's end, from a list made on Windows, is no part of the name) or
// NUL-separated, empty entries left out, names kept byte for byte. A list
// from a pipe is read as it is written, and holds only its names: a name
// longer than any path can be, or a list longer than any collection of
// photos, ends it with an error rather than filling the memory.
class FileListReader {
public:
    static constexpr size_t kMostNameBytes = 4096;                // PATH_MAX
    static constexpr int64_t kMostListBytes = int64_t(256) << 20; // 256 MB

    explicit FileListReader(bool null)
        : separator_(null ? '\0' : '\n') {}

    // The next bytes of the list; false, with Error(), when the list breaks
    // a bound, after which nothing more is taken.
    bool Feed(const char* data, size_t size);
    // The end of the list: its last name needs no separator.
    bool Finish();
    // Reads the whole list from fd to its end.
    bool ReadAll(int fd);

    const QStringList& Files() const { return files_; }
    const QString& Error() const { return error_; }

private:
    void Take();

    const char separator_;
    QByteArray entry_;
    int64_t total_ = 0;
    QStringList files_;
    QString error_;
};
