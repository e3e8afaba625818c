// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The bytes libFuzzer hands a harness, taken apart: a few choices first,
// then parts of what is left. The bytes are not copied, so the sanitizer
// sees a read one past their end.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : bytes_(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size))) {}

    // The next byte; 0 when none is left.
    uint8_t Byte() { return at_ < bytes_.size() ? uint8_t(bytes_.at(at_++)) : 0; }
    // A part of at most 65 535 bytes, its length in the two bytes before
    // it (big-endian); cut short at the end.
    QByteArray Part() {
        const qsizetype high = Byte();
        const qsizetype length = high << 8 | Byte();
        const QByteArray part = bytes_.mid(at_, length);
        at_ += part.size();
        return part;
    }
    // All that is left, not copied.
    QByteArray Rest() const {
        return at_ >= bytes_.size()
                   ? QByteArray()
                   : QByteArray::fromRawData(bytes_.constData() + at_, bytes_.size() - at_);
    }
    const QByteArray& All() const { return bytes_; }

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

// Qt's warnings about the bad bytes we feed it would bury libFuzzer's own
// report; a harness that includes this header runs without them.
inline const bool kQtQuiet =
    (qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}), true);

// Stops the run, so libFuzzer keeps the input, when a harness finds a
// promise of ours broken rather than a crash.
inline void Promise(bool kept, const char* what) {
    if (!kept) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}
