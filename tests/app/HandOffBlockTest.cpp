// SPDX-License-Identifier: MIT
#include "app/HandOffBlock.h"
#include "TestSupport.h"
#include "menus/ContextMenuItems.h"
#include "platform/SharedMemory.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void PutNumber(Bytes& block, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        block[offset + size_t(i)] = uint8_t(value >> (8 * i));
}

// A block with a full header and `records` record slots, each filled by
// the given text (no zero byte added: a test adds it).
Bytes Block(uint8_t flag, uint32_t count, uint32_t command,
            const std::vector<QByteArray>& records) {
    Bytes block(HandOffBlock::SizeFor(qsizetype(records.size())), 0);
    block[0] = flag;
    PutNumber(block, HandOffBlock::CountOffset, count);
    PutNumber(block, HandOffBlock::CommandOffset, command);
    for (size_t i = 0; i < records.size(); ++i)
        std::memcpy(block.data() + HandOffBlock::RecordsOffset + i * HandOffBlock::RecordBytes,
                    records[i].constData(),
                    std::min<size_t>(size_t(records[i].size()), HandOffBlock::RecordBytes));
    return block;
}

struct BlockCase {
    const char* name;
    Bytes block;
    bool handOff;
    uint32_t command;
    const char* paths; // UTF-8, "|" between them
    uint8_t flagAfter;
};

TEST(HandOffBlockTest, ReadsWhatIsThereAndNeverMore) {
    const QByteArray full(int(HandOffBlock::RecordBytes), 'a'); // no zero byte anywhere
    Bytes cutRecord = Block(0xFF, 2, 1, {"/p/one.jpg", "/p/two.jpg"});
    cutRecord.resize(HandOffBlock::RecordsOffset + HandOffBlock::RecordBytes +
                     11); // "/p/two.jpg\0"
    Bytes cutWithoutZero = cutRecord;
    cutWithoutZero.resize(cutWithoutZero.size() - 1);
    Bytes shortHeader = Block(0xFF, 1, 1, {"/p/a.jpg"});
    shortHeader.resize(HandOffBlock::RecordsOffset - 1);

    const QByteArray named = "/p/\xc3\xa9t\xc3\xa9 'q\".jpg";
    // clang-format off
    const BlockCase cases[] = {
        {"three pictures, command 1", Block(0xFF, 3, 1, {"/p/a.jpg", "/p/b c.jpg", "/p/d.jpg"}), true, 1, "/p/a.jpg|/p/b c.jpg|/p/d.jpg", 0},
        {"any flag with the top bit", Block(0x80, 1, 2, {"/p/a.jpg"}), true, 2, "/p/a.jpg", 0},
        {"no files, command 0", Block(0xFF, 0, 0, {}), true, 0, "", 0},
        {"command 7", Block(0xFF, 1, 7, {"/p/a.jpg"}), true, 7, "/p/a.jpg", 0},
        {"flag 0: nothing handed off", Block(0, 1, 1, {"/p/a.jpg"}), false, 0, "", 0},
        {"flag 127: command 0, no files, flag kept", Block(127, 1, 2, {"/p/a.jpg"}), true, 0, "", 127},
        {"N far past the block", Block(0xFF, 0xFFFFFFFF, 1, {"/p/a.jpg", "/p/b.jpg"}), true, 1, "/p/a.jpg|/p/b.jpg", 0},
        {"N smaller than the records", Block(0xFF, 1, 1, {"/p/a.jpg", "/p/b.jpg"}), true, 1, "/p/a.jpg", 0},
        {"a record without a zero byte is skipped", Block(0xFF, 3, 1, {"/p/a.jpg", full, "/p/c.jpg"}), true, 1, "/p/a.jpg|/p/c.jpg", 0},
        {"an empty record is kept, to fail like a missing file", Block(0xFF, 2, 1, {QByteArray("\0old", 4), "/p/b.jpg"}), true, 1, "|/p/b.jpg", 0},
        {"a record of zeros only ends the list", Block(0xFF, 2, 1, {"", "/p/b.jpg"}), true, 1, "", 0},
        {"a record cut by the block's end", cutRecord, true, 1, "/p/one.jpg|/p/two.jpg", 0},
        {"a cut record without its zero", cutWithoutZero, true, 1, "/p/one.jpg", 0},
        {"a header cut short", shortHeader, false, 0, "", 0},
        {"UTF-8 names", Block(0xFF, 1, 1, {named}), true, 1, named.constData(), 0},
    };
    // clang-format on
    for (const BlockCase& c : cases) {
        // An exact-size heap copy, so AddressSanitizer sees any read past it.
        Bytes block = c.block;
        const std::optional<HandOff> handOff = HandOffBlock::Read(block.data(), block.size());
        ASSERT_EQ(handOff.has_value(), c.handOff) << c.name;
        if (handOff) {
            EXPECT_EQ(handOff->command, c.command) << c.name;
            const QString paths = QString::fromUtf8(c.paths);
            EXPECT_EQ(handOff->paths, paths.isEmpty() ? QStringList() : paths.split(u'|'))
                << c.name;
        }
        EXPECT_EQ(block[0], c.flagAfter) << c.name;
    }
    uint8_t one = 0xFF;
    EXPECT_FALSE(HandOffBlock::Read(&one, 1)) << "a block of one byte";
    EXPECT_EQ(one, 0);
    EXPECT_FALSE(HandOffBlock::Read(nullptr, 0)) << "an empty object";
}

TEST(HandOffBlockTest, APathMustFitItsRecordWithTheZeroByte) {
    const QString longest = u'/' + QString(258, u'a');
    EXPECT_TRUE(HandOffBlock::EncodeRecord(longest));
    EXPECT_FALSE(HandOffBlock::EncodeRecord(longest + u'a'));
    // Bytes count, not characters: 130 two-byte letters need 261 bytes.
    EXPECT_FALSE(HandOffBlock::EncodeRecord(u'/' + QString(130, QChar(0xE9))));
    EXPECT_FALSE(HandOffBlock::EncodeRecord(QString()));
}

TEST(SharedMemoryTest, TrustsOnlyTheUsersOwnObjectThatNobodyElseMayWrite) {
    const uid_t me = 1000;
    struct Case {
        uid_t owner;
        mode_t mode;
        bool trusted;
    } const cases[] = {
        {me, S_IFREG | 0600, true},  {me, S_IFREG | 0644, true},  {me, S_IFREG | 0620, false},
        {me, S_IFREG | 0602, false}, {me, S_IFREG | 0666, false}, {me + 1, S_IFREG | 0600, false},
        {0, S_IFREG | 0600, false},  {me, S_IFDIR | 0700, false},
    };
    for (const Case& c : cases) {
        struct stat attributes {};
        attributes.st_uid = c.owner;
        attributes.st_mode = c.mode;
        EXPECT_EQ(SharedMemory::IsTrusted(attributes, me), c.trusted)
            << "owner " << c.owner << " mode " << std::oct << c.mode;
    }
}

TEST(SharedMemoryTest, OpensOnlyATrustedNonEmptyObject) {
    QTemporaryDir folder;
    const QString name = folder.filePath(u"block"_s);
    {
        const auto created = SharedMemory::CreateNew(name, 100);
        ASSERT_TRUE(created);
        created->data()[0] = 42;
    }
    {
        const auto opened = SharedMemory::OpenExisting(name);
        ASSERT_TRUE(opened);
        uint8_t first = 0;
        EXPECT_TRUE(opened->ReadAt(0, &first, 1));
        EXPECT_EQ(std::pair(opened->size(), first), std::pair(size_t(100), uint8_t(42)));
        EXPECT_FALSE(opened->ReadAt(99, &first, 2)) << "past the end";
    }
    const QByteArray encoded = QFile::encodeName(name);
    ASSERT_EQ(chmod(encoded.constData(), 0666), 0);
    EXPECT_FALSE(SharedMemory::OpenExisting(name)) << "writable by others";
    ASSERT_EQ(chmod(encoded.constData(), 0600), 0);
    ASSERT_EQ(truncate(encoded.constData(), 0), 0);
    EXPECT_FALSE(SharedMemory::OpenExisting(name)) << "an object of 0 bytes";
    EXPECT_TRUE(SharedMemory::Remove(name));
    EXPECT_FALSE(SharedMemory::OpenExisting(name)) << "no object";
}

// A huge sparse block is read through the file, only as far as its size
// and its count allow, and cleared; a hole ends its list, so what it claims
// costs nothing.
TEST(SharedMemoryTest, ASparseBlockIsReadWithinItsSizeAndCleared) {
    const QString name = HandOffBlock::ObjectName();
    ASSERT_TRUE(name.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR"))) << qPrintable(name);
    constexpr size_t kSize = 8 << 20;
    {
        const auto block = SharedMemory::CreateNew(name, kSize);
        ASSERT_TRUE(block);
        Bytes header(HandOffBlock::RecordsOffset, 0);
        header[0] = HandOffBlock::ReadyFlag;
        PutNumber(header, HandOffBlock::CountOffset, 0xFFFFFFFFu);
        PutNumber(header, HandOffBlock::CommandOffset, HandOffCommand::ResizeAsDefault);
        ASSERT_TRUE(block->WriteAt(0, header.data(), header.size()));
        ASSERT_TRUE(block->WriteAt(HandOffBlock::RecordsOffset, "/p/a.jpg", 9));
    }
    const std::optional<HandOff> handOff = HandOffBlock::Take();
    ASSERT_TRUE(handOff);
    EXPECT_EQ(handOff->command, HandOffCommand::ResizeAsDefault);
    EXPECT_EQ(handOff->paths, QStringList{u"/p/a.jpg"_s});
    EXPECT_FALSE(HandOffBlock::Take()) << "the flag was cleared";
    SharedMemory::Remove(name);
}

// Without a session's runtime folder the block lives in a folder of the
// user's own cache, made private; a folder others may enter is refused with
// the reason.
TEST(SharedMemoryTest, WithoutARuntimeFolderAPrivateOneOfTheUsersIsUsed) {
    QTemporaryDir cache;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    const QString folder = cache.filePath(u"tessary-runtime"_s);
    EXPECT_EQ(HandOffBlock::ObjectName(), folder + u"/tessary-handoff"_s);
    EXPECT_EQ(QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0777), 0);
    QString why;
    EXPECT_EQ(HandOffBlock::ObjectName(&why), QString());
    EXPECT_EQ(why, u"others may enter %1"_s.arg(folder));
    qputenv("XDG_RUNTIME_DIR", runtime);
    qunsetenv("XDG_CACHE_HOME");
}

} // namespace
