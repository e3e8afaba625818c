// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <cstdint>

// Fixed-size numbers inside file bytes, in either byte order. A read
// outside the bytes gives 0, so that an offset or length from a hostile
// file can make a parser read nonsense, never memory that is not the
// file's; callers still check that a field lies inside its own block.
// Writes go exactly where they are told, into bytes of our own.
namespace ByteFields {

inline uint8_t At(const QByteArray& bytes, qsizetype at) {
    return at >= 0 && at < bytes.size() ? uint8_t(bytes[at]) : 0;
}

inline uint16_t Get16(const QByteArray& bytes, qsizetype at, bool bigEndian) {
    return bigEndian ? uint16_t(At(bytes, at) << 8 | At(bytes, at + 1))
                     : uint16_t(At(bytes, at + 1) << 8 | At(bytes, at));
}

inline uint32_t Get32(const QByteArray& bytes, qsizetype at, bool bigEndian) {
    const uint32_t first = Get16(bytes, at, bigEndian);
    const uint32_t second = Get16(bytes, at + 2, bigEndian);
    return bigEndian ? first << 16 | second : second << 16 | first;
}

inline void Put16(QByteArray& bytes, qsizetype at, uint32_t value, bool bigEndian) {
    bytes[at + (bigEndian ? 0 : 1)] = char((value >> 8) & 0xff);
    bytes[at + (bigEndian ? 1 : 0)] = char(value & 0xff);
}

inline void Put32(QByteArray& bytes, qsizetype at, uint32_t value, bool bigEndian) {
    Put16(bytes, at + (bigEndian ? 0 : 2), value >> 16, bigEndian);
    Put16(bytes, at + (bigEndian ? 2 : 0), value & 0xffff, bigEndian);
}

inline QByteArray Make32(uint32_t value, bool bigEndian) {
    QByteArray bytes(4, '\0');
    Put32(bytes, 0, value, bigEndian);
    return bytes;
}

} // namespace ByteFields
