// SPDX-License-Identifier: MIT
#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A name of 255 bytes, the most a folder entry holds, is replaced in place
// with its permissions; nothing else is left in the folder.
TEST(SafeWriteTest, ReplacesEvenTheLongestNameKeepingItsPermissions) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QString(251, QLatin1Char('n')) + ".jpg");
    ASSERT_TRUE(WriteFileSafely(path, "old").isEmpty());
    ASSERT_TRUE(
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QString reason = WriteFileSafely(path, "new");
    EXPECT_TRUE(reason.isEmpty()) << qPrintable(reason);
    EXPECT_EQ(Read(path), "new");
    EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                            QFile::WriteUser | QFile::ReadGroup);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(WriteFileSafely(folder.filePath("missing/x.jpg"), "x"),
              QStringLiteral("no such file or directory"));
}

// What a killed writer left goes; a running writer's file and anything
// that is not ours stay.
TEST(SafeWriteTest, RemovesOnlyTheLeftoversOfWritersThatAreGone) {
    // Above any pid_max: no such process.
    const qint64 deadPid = 999999999;

    QTemporaryDir folder;
    const QString stale = QStringLiteral(".tessary-%1-abc.tmp").arg(deadPid);
    const QString running = QStringLiteral(".tessary-%1-abc.tmp").arg(getpid());
    const QStringList kept{running, QStringLiteral(".tessary-x-abc.tmp"),
                           QStringLiteral("tessary-%1-abc.tmp").arg(deadPid),
                           QStringLiteral(".tessary-%1-abc.jpg").arg(deadPid)};
    for (const QString& name : kept + QStringList{stale}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    RemoveStaleTemporaries(folder.path());
    QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    QStringList expected = kept;
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
}

} // namespace
