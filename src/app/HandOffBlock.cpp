// SPDX-License-Identifier: MIT
#include "app/HandOffBlock.h"

#include "platform/SharedMemory.h"

#include <QFile>

#include <atomic>
#include <cstring>

#include <unistd.h>

namespace {

uint32_t ReadLittleEndian(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

void WriteLittleEndian(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = uint8_t(value >> (8 * i));
}

} // namespace

QString HandOffBlock::ObjectName() {
    return QStringLiteral("/tsy-%1").arg(getuid());
}

std::optional<HandOff> HandOffBlock::Read(uint8_t* block, size_t size) {
    if (!block || size == 0)
        return std::nullopt;
    // The writer sets the flag after everything else; acquire pairs with it.
    std::atomic_ref<uint8_t> flag(block[FlagOffset]);
    const uint8_t ready = flag.load(std::memory_order_acquire);
    if (ready == 0)
        return std::nullopt;
    if (ready < 0x80)
        return HandOff{HandOffCommand::ResizeDialog, {}};

    std::optional<HandOff> handOff;
    if (size >= RecordsOffset) {
        handOff.emplace();
        handOff->command = ReadLittleEndian(block + CommandOffset);
        const uint64_t count = ReadLittleEndian(block + CountOffset);
        const uint64_t present = (size - RecordsOffset + RecordBytes - 1) / RecordBytes;
        for (uint64_t i = 0; i < std::min(count, present); ++i) {
            const uint8_t* record = block + RecordsOffset + i * RecordBytes;
            const size_t room = std::min<size_t>(RecordBytes, block + size - record);
            const void* end = std::memchr(record, 0, room);
            if (!end)
                continue;
            handOff->paths << QFile::decodeName(QByteArray(
                reinterpret_cast<const char*>(record), static_cast<const uint8_t*>(end) - record));
        }
    }
    flag.store(0, std::memory_order_release);
    return handOff;
}

std::optional<HandOff> HandOffBlock::Take() {
    const std::unique_ptr<SharedMemory> memory = SharedMemory::OpenExisting(ObjectName());
    if (!memory)
        return std::nullopt;
    return Read(memory->data(), memory->size());
}

std::optional<QByteArray> HandOffBlock::EncodeRecord(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.isEmpty() || bytes.size() >= qsizetype(RecordBytes) || bytes.contains('\0'))
        return std::nullopt;
    return bytes;
}

size_t HandOffBlock::SizeFor(qsizetype count) {
    return RecordsOffset + RecordBytes * size_t(count);
}

void HandOffBlock::Write(uint8_t* block, uint32_t command, const QList<QByteArray>& records) {
    std::memset(block, 0, SizeFor(records.size()));
    WriteLittleEndian(block + HeaderOffset, LayoutVersion);
    WriteLittleEndian(block + HeaderOffset + 4, uint32_t(getpid()));
    WriteLittleEndian(block + CountOffset, uint32_t(records.size()));
    WriteLittleEndian(block + CommandOffset, command);
    for (qsizetype i = 0; i < records.size(); ++i)
        std::memcpy(block + RecordsOffset + size_t(i) * RecordBytes, records[i].constData(),
                    size_t(records[i].size()));
    std::atomic_ref<uint8_t>(block[FlagOffset]).store(ReadyFlag, std::memory_order_release);
}
