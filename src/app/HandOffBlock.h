// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>

// What the file-manager menu hands to a starting program.
struct HandOff {
    uint32_t command = 0;
    QStringList paths; // in block order
};

// The shared block through which the file-manager menu (tessary-menu)
// hands a command and a list of files to the program it starts. Packed,
// little-endian:
//   0  ready flag: 0 nothing, 0x80..0xFF ready; the reader writes 0 back
//   1  header field 1 (the writer's layout version), 5 field 2 (its process
//      id), 9 file count N, 13 command, 17 field 5 (0)
//   21 N records of 260 bytes, each a zero-ended UTF-8 path
// The writer sets the flag last. A block is never trusted: the reader stays
// inside the bytes it has, whatever N says.
class HandOffBlock {
public:
    static constexpr size_t FlagOffset = 0;
    static constexpr size_t HeaderOffset = 1;
    static constexpr size_t CountOffset = 9;
    static constexpr size_t CommandOffset = 13;
    static constexpr size_t RecordsOffset = 21;
    static constexpr size_t RecordBytes = 260;
    static constexpr uint8_t ReadyFlag = 0xFF;
    static constexpr uint32_t LayoutVersion = 1;

    // The block's file in the user's private runtime folder; empty, with
    // why, when there is none.
    static QString ObjectName(QString* why = nullptr);

    // Reads a block: nothing when its flag is 0; for a flag with the top
    // bit set, the command and the paths, and the flag is cleared; for a
    // flag from 1 to 127, command 0 with no paths and the flag is left as it
    // is. A ready block too short for its header is cleared and yields
    // nothing. Records without a zero byte within their 260 bytes (or before
    // the end of the block) are skipped; an empty record gives an empty path,
    // and a record of zero bytes only ends the list.
    static std::optional<HandOff> Read(uint8_t* block, size_t size);
    // Opens the user's block, if there is a trusted one, and reads it.
    static std::optional<HandOff> Take();
    // Removes the user's block, with the last pick's paths in it, and the
    // lock of its writers, unless a hand-off waits in it; makes nothing.
    static void Discard();

    // The record bytes of a path, or nothing when it does not fit a record
    // with its zero byte.
    static std::optional<QByteArray> EncodeRecord(const QString& path);
    static size_t SizeFor(qsizetype count);
    // Fills a block of SizeFor(records.size()) bytes, setting the flag last.
    static void Write(uint8_t* block, uint32_t command, const QList<QByteArray>& records);
};
