// SPDX-License-Identifier: MIT
#include "app/HandOffBlock.h"

#include "menus/ContextMenuItems.h"
#include "platform/FileLock.h"
#include "platform/FileName.h"
#include "platform/SharedMemory.h"

#include <QFile>

#include <algorithm>
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

// Appends the paths of the whole records in bytes, at most count of them.
// A record of nothing but zero bytes ends the list: it is what a block
// that claims more records than were written holds (a sparse object of
// millions of them would take minutes and gigabytes). False when the list
// ended so.
bool AppendRecords(const uint8_t* bytes, size_t size, uint64_t count, QStringList& paths) {
    constexpr size_t kRecord = HandOffBlock::RecordBytes;
    const uint64_t present = (size + kRecord - 1) / kRecord;
    for (uint64_t i = 0; i < std::min(count, present); ++i) {
        const uint8_t* record = bytes + i * kRecord;
        const size_t room = std::min<size_t>(kRecord, bytes + size - record);
        if (std::all_of(record, record + room, [](uint8_t b) { return b == 0; }))
            return false;
        const void* end = std::memchr(record, 0, room);
        if (!end)
            continue;
        paths << DecodeFileName(QByteArray(reinterpret_cast<const char*>(record),
                                           static_cast<const uint8_t*>(end) - record));
    }
    return true;
}

// Records read from the object at a time: a few hundred kilobytes.
constexpr uint64_t kRecordsPerRead = 1024;

} // namespace

namespace {

QString ObjectIn(const QString& folder) {
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/tessary-handoff");
}

} // namespace

QString HandOffBlock::ObjectName(QString* why) {
    // The user's private folder (mode 0700): nobody else can make this name
    // first.
    return ObjectIn(PrivateRuntimeFolder(why));
}

void HandOffBlock::Discard() {
    const QString folder = PrivateRuntimeFolder(nullptr, false);
    const QString name = ObjectIn(folder);
    const QString lock = name + QStringLiteral(".lock");
    if (name.isEmpty() || (!FileNameExists(name) && !FileNameExists(lock)))
        return;
    // Taken as a writer takes it, so no hand-off is being written meanwhile.
    const std::unique_ptr<FileLock> turn = FileLock::Take(lock);
    const std::unique_ptr<SharedMemory> block = SharedMemory::OpenExisting(name);
    uint8_t flag = 0;
    if (!turn || (block && block->ReadAt(FlagOffset, &flag, 1) && (flag & 0x80)))
        return;
    SharedMemory::Remove(name);
    SharedMemory::Remove(lock);
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        rmdir(EncodeFileName(folder).constData());
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
        AppendRecords(block + RecordsOffset, size - RecordsOffset,
                      ReadLittleEndian(block + CountOffset), handOff->paths);
    }
    flag.store(0, std::memory_order_release);
    return handOff;
}

std::optional<HandOff> HandOffBlock::Take() {
    const std::unique_ptr<SharedMemory> memory = SharedMemory::OpenExisting(ObjectName());
    if (!memory)
        return std::nullopt;
    // Read through the file, never the mapping: a sparse object's holes
    // would need pages a full tmpfs cannot give (SIGBUS). Only the records
    // the header counts are read, within the object's size.
    uint8_t header[RecordsOffset] = {};
    const size_t headerBytes = std::min(memory->size(), RecordsOffset);
    if (!memory->ReadAt(0, header, headerBytes))
        return std::nullopt;
    const uint8_t ready = header[FlagOffset];
    std::optional<HandOff> handOff = Read(header, headerBytes);
    if (handOff && ready >= 0x80 && headerBytes == RecordsOffset) {
        const uint64_t count = ReadLittleEndian(header + CountOffset);
        QByteArray chunk;
        for (uint64_t first = 0; first < count; first += kRecordsPerRead) {
            const uint64_t offset = RecordsOffset + first * RecordBytes;
            if (offset >= memory->size())
                break;
            const size_t bytes = size_t(std::min<uint64_t>(
                std::min(count - first, kRecordsPerRead) * RecordBytes, memory->size() - offset));
            chunk.resize(qsizetype(bytes));
            if (!memory->ReadAt(size_t(offset), chunk.data(), bytes) ||
                !AppendRecords(reinterpret_cast<const uint8_t*>(chunk.constData()), bytes,
                               count - first, handOff->paths))
                break;
        }
    }
    if (ready != 0 && header[FlagOffset] == 0)
        memory->WriteAt(FlagOffset, header, 1);
    return handOff;
}

std::optional<QByteArray> HandOffBlock::EncodeRecord(const QString& path) {
    const QByteArray bytes = EncodeFileName(path);
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
