// SPDX-License-Identifier: MIT
#include "platform/SafeWrite.h"
#include "TestSupport.h"
#include "platform/FileName.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A name of 255 bytes, the most a folder entry holds, is replaced in place
// with its permissions; nothing else is left in the folder.
TEST(SafeWriteTest, ReplacesEvenTheLongestNameKeepingItsPermissions) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QString(251, u'n') + ".jpg");
    ASSERT_TRUE(WriteFileSafely(path, "old").isEmpty());
    ASSERT_TRUE(
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QString reason = WriteFileSafely(path, "new");
    EXPECT_TRUE(reason.isEmpty()) << qPrintable(reason);
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                            QFile::WriteUser | QFile::ReadGroup);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(WriteFileSafely(folder.filePath("missing/x.jpg"), "x"),
              u"no such file or directory"_s);
}

// What a killed writer left goes; a running writer's file and anything
// that is not ours stay, in a folder of any name.
TEST(SafeWriteTest, RemovesOnlyTheLeftoversOfWritersThatAreGone) {
    // Above any pid_max: no such process.
    const qint64 deadPid = 999999999;
    const QString stale = u".tessary-%1-abc.tmp"_s.arg(deadPid);
    const QString running = u".tessary-%1-abc.tmp"_s.arg(getpid());
    QStringList kept{running, u".tessary-x-abc.tmp"_s, u"tessary-%1-abc.tmp"_s.arg(deadPid),
                     u".tessary-%1-abc.jpg"_s.arg(deadPid)};
    kept.sort();
    QTemporaryDir root;
    for (const QByteArray& name : {QByteArray("plain"), QByteArray("not UTF-8 \xff")}) {
        const QByteArray folder = QFile::encodeName(root.path()) + '/' + name;
        ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
        for (const QString& file : kept + QStringList{stale})
            ::close(::creat(folder + '/' + file.toUtf8(), 0600));
        RemoveStaleTemporaries(DecodeFileName(folder));
        EXPECT_EQ(NamesIn(folder), kept) << name.constData();
    }
    RemoveTree(QFile::encodeName(root.path()));
}

} // namespace
