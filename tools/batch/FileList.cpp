// SPDX-License-Identifier: MIT
#include "FileList.h"

#include "platform/FileName.h"
#include "platform/UiText.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

bool FileListReader::Feed(const char* data, size_t size) {
    if (!error_.isEmpty())
        return false;
    total_ += int64_t(size);
    if (total_ > kMostListBytes) {
        error_ = TrText("tessary-batch", "the list is longer than %1 MB").arg(kMostListBytes >> 20);
        return false;
    }
    for (const char* end = data + size; data < end;) {
        const auto* stop =
            static_cast<const char*>(std::memchr(data, separator_, size_t(end - data)));
        const char* part = stop ? stop : end;
        if (entry_.size() + (part - data) > qsizetype(kMostNameBytes)) {
            error_ = TrText("tessary-batch",
                            "name %1 of the list is longer than %2 bytes, which no path is")
                         .arg(files_.size() + 1)
                         .arg(kMostNameBytes);
            return false;
        }
        entry_.append(data, part - data);
        data = part;
        if (stop) {
            Take();
            // Empty entries in a row cost a byte each, not a look.
            while (data < end && *data == separator_)
                ++data;
        }
    }
    return true;
}

bool FileListReader::Finish() {
    if (!error_.isEmpty())
        return false;
    Take();
    return true;
}

void FileListReader::Take() {
    if (separator_ == '\n' && entry_.endsWith('\r'))
        entry_.chop(1);
    if (!entry_.isEmpty())
        files_ << DecodeFileName(entry_);
    entry_.clear();
}

bool FileListReader::ReadAll(int fd) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error_ = SystemReason(errno);
            return false;
        }
        if (got == 0)
            return Finish();
        if (!Feed(buffer, size_t(got)))
            return false;
    }
}
