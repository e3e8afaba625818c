// SPDX-License-Identifier: MIT
#include "platform/ShellFileOperation.h"

#include "TestSupport.h"
#include "platform/FileName.h"

#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

using Replace = FileOperationPrompt::Replace;

// Answers from a script and stops after a number of progress steps.
class ScriptedPrompt : public FileOperationPrompt {
public:
    QList<Replace> replies;
    bool createFolder = true;
    int stopAfter = -1; // progress calls before stopping; -1 never
    QStringList asked;

    Replace AskReplace(const QString& source, const QString&) override {
        asked << QFileInfo(source).fileName();
        return replies.isEmpty() ? Replace::Cancel : replies.takeFirst();
    }
    bool AskCreateFolder(const QString&) override { return createFolder; }
    bool Progress(int64_t, int64_t, const QString&) override {
        return stopAfter < 0 || stopAfter-- > 0;
    }
};

// A photo's own date, far from any copy's.
constexpr time_t kTaken = 1'000'000'000;

time_t ModifiedAt(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mtime : 0;
}

QString Dated(const QString& path) {
    const timespec times[2] = {{kTaken, 0}, {kTaken, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
    return path;
}

class ShellFileOperationTest : public testing::Test {
protected:
    QStringList Pictures(int count, int bytes = 1000) {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            paths << Dated(WriteFile(source_.filePath(u"p%1.jpg"_s.arg(i)),
                                     QByteArray(bytes, char('a' + i % 26))));
        }
        return paths;
    }
    QTemporaryDir source_;
    QTemporaryDir destination_;
};

TEST_F(ShellFileOperationTest, CopyAsksBeforeEachReplaceAndKeepsTheAnswersToAll) {
    const QStringList pictures = Pictures(6);
    for (int i = 0; i < 6; ++i)
        QFile::copy(TestData(u"jpg/Canon_40D.jpg"_s), destination_.filePath(u"p%1.jpg"_s.arg(i)));
    ScriptedPrompt prompt;
    prompt.replies = {Replace::Yes, Replace::No, Replace::YesToAll};
    const FileOperationResult result =
        SHFileOperation(FileOperation::Copy, pictures, destination_.path(), prompt);
    EXPECT_EQ(prompt.asked, (QStringList{"p0.jpg", "p1.jpg", "p2.jpg"})) << "in the list's order";
    EXPECT_EQ(std::pair(result.done, result.skipped), std::pair(5, 1));
    for (int i = 0; i < 6; ++i) {
        const QString copy = destination_.filePath(u"p%1.jpg"_s.arg(i));
        EXPECT_EQ(ReadFile(copy) == ReadFile(pictures[i]), i != 1) << i;
        EXPECT_EQ(ModifiedAt(copy) == kTaken, i != 1) << "a copy keeps its source's time " << i;
    }
    EXPECT_EQ(QDir(destination_.path()).entryList(QDir::Hidden | QDir::Files).size(), 6)
        << "no temporary files";

    // A name that is not UTF-8 is copied by its own bytes.
    const QByteArray odd = QFile::encodeName(source_.path()) + "/odd\xe9.jpg";
    const QByteArray copied = QFile::encodeName(destination_.path()) + "/odd\xe9.jpg";
    ASSERT_EQ(::rename(QFile::encodeName(pictures[0]).constData(), odd.constData()), 0);
    ScriptedPrompt quiet;
    EXPECT_EQ(
        SHFileOperation(FileOperation::Copy, {DecodeFileName(odd)}, destination_.path(), quiet)
            .done,
        1);
    EXPECT_EQ(::access(copied.constData(), R_OK), 0);
    ::unlink(odd.constData()); // names Qt cannot spell, so its clean-up would leave them
    ::unlink(copied.constData());

    ScriptedPrompt cancel;
    cancel.replies = {Replace::Cancel};
    EXPECT_TRUE(
        SHFileOperation(FileOperation::Copy, pictures, destination_.path(), cancel).cancelled);
}

// Moving into a folder that is not there asks to create it; refused, the
// move is cancelled and moves nothing.
TEST_F(ShellFileOperationTest, AMoveIntoAFolderTheUserWillNotCreateMovesNothing) {
    const QStringList pictures = Pictures(3);
    ScriptedPrompt no;
    no.createFolder = false;
    EXPECT_TRUE(SHFileOperation(FileOperation::Move, pictures, destination_.filePath(u"new"_s), no)
                    .cancelled);
    EXPECT_TRUE(QFile::exists(pictures[0]));
}

// Stopping a move across file systems at any point loses no picture: each
// is whole in its source or in the destination, never in neither, and no
// part of a copy is left behind.
TEST_F(ShellFileOperationTest, AStoppedMoveAcrossFileSystemsLosesNothing) {
    struct stat here {
    }, there{};
    if (stat("/dev/shm", &there) != 0 ||
        stat(QFile::encodeName(source_.path()).constData(), &here) != 0 ||
        here.st_dev == there.st_dev)
        GTEST_SKIP() << "no second file system to move to";
    QRandomGenerator random(77);
    for (int round = 0; round < 12; ++round) {
        QTemporaryDir sources;
        QTemporaryDir shm(u"/dev/shm/tessary-move-XXXXXX"_s);
        QStringList pictures;
        QList<QByteArray> contents;
        for (int i = 0; i < 6; ++i) {
            contents << QByteArray(int(random.bounded(1, 3 << 20)), char('A' + i));
            pictures << Dated(WriteFile(sources.filePath(u"m%1.jpg"_s.arg(i)), contents.last()));
        }
        ScriptedPrompt prompt;
        prompt.stopAfter = random.bounded(12);
        SHFileOperation(FileOperation::Move, pictures, shm.path(), prompt);
        for (int i = 0; i < 6; ++i) {
            const QString moved = shm.filePath(QFileInfo(pictures[i]).fileName());
            const bool inSource = ReadFile(pictures[i]) == contents[i];
            const bool inDestination = QFile::exists(moved) && ReadFile(moved) == contents[i];
            EXPECT_TRUE(inSource || inDestination) << "round " << round << " picture " << i;
            EXPECT_TRUE(!QFile::exists(moved) || inDestination) << "a partial copy";
            EXPECT_EQ(ModifiedAt(inDestination ? moved : pictures[i]), kTaken);
        }
        EXPECT_EQ(QDir(shm.path())
                      .entryList(QStringList{".tessary-*"}, QDir::Hidden | QDir::Files)
                      .size(),
                  0);
    }
}

TEST_F(ShellFileOperationTest, ADestinationThatCannotBeWrittenFailsEachFileAndKeepsIt) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere";
    const QStringList pictures = Pictures(2);
    QFile::setPermissions(destination_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    ScriptedPrompt prompt;
    const FileOperationResult result =
        SHFileOperation(FileOperation::Move, pictures, destination_.path(), prompt);
    EXPECT_EQ(result.failures.size(), 2);
    EXPECT_TRUE(QFile::exists(pictures[0]) && QFile::exists(pictures[1]));
    QFile::setPermissions(destination_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A folder whose name is not UTF-8 takes pictures in and gives them back
// like any other.
TEST_F(ShellFileOperationTest, AFolderNamedInNoEncodingTakesAndGivesPictures) {
    const QByteArray odd = QFile::encodeName(destination_.path()) + "/odd\xe9";
    ASSERT_EQ(::mkdir(odd.constData(), 0700), 0);
    const QStringList pictures = Pictures(2);
    ScriptedPrompt prompt;
    prompt.createFolder = false; // it is there: nothing to offer
    EXPECT_EQ(SHFileOperation(FileOperation::Copy, pictures, DecodeFileName(odd), prompt).done, 2);
    EXPECT_EQ(NamesIn(odd), (QStringList{"p0.jpg", "p1.jpg"}));
    EXPECT_EQ(NamesIn(QFile::encodeName(destination_.path())).size(), 1) << "no folder beside it";
    prompt.createFolder = true;
    const QString back = destination_.filePath(u"back"_s);
    EXPECT_EQ(
        SHFileOperation(FileOperation::Move, {DecodeFileName(odd + "/p0.jpg")}, back, prompt).done,
        1);
    EXPECT_EQ(NamesIn(odd), QStringList{"p1.jpg"});
    EXPECT_EQ(ReadFile(back + u"/p0.jpg"_s), ReadFile(pictures[0]));
    RemoveTree(odd);
}

} // namespace
