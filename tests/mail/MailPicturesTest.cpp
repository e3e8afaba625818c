// SPDX-License-Identifier: MIT
#include "ConfigFolder.h"
#include "TestSupport.h"

#include "mail/MailPictures.h"
#include "mail/MailTempFolder.h"
#include "settings/AppSettings.h"

#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

#include <ctime>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Puts a program of ours first on PATH, or another TMPDIR, for one test.
class MailPicturesTest : public ConfigFolderTest {
protected:
    void SetUp() override {
        ConfigFolderTest::SetUp();
        oldPath_ = qgetenv("PATH");
        oldTmp_ = qgetenv("TMPDIR");
    }
    void TearDown() override {
        qputenv("PATH", oldPath_);
        qputenv("TMPDIR", oldTmp_);
    }
    void UsePath(const QString& first) { qputenv("PATH", (first + ':').toUtf8() + oldPath_); }
    QString Script(const QString& name, const QString& body) {
        const QString path = WriteFile(bin_.filePath(name), ("#!/bin/sh\n" + body).toUtf8());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    QTemporaryDir bin_;
    QTemporaryDir files_;
    QByteArray oldPath_;
    QByteArray oldTmp_;
};

// Only the listed copies go, with the subject and body as they stand (none
// at all when empty), and a batch that wrote no copy starts no mail. The
// hand-off has no time limit of its own: it waits for xdg-email's end and
// leaves the copies, which the mail client reads after that.
TEST_F(MailPicturesTest, HandsOnlyTheCopiesSubjectAndBodyToXdgEmailAndWaitsForItsEnd) {
    const QString record = bin_.filePath(u"args"_s);
    const QString hold = bin_.filePath(u"hold"_s);
    const QString started = bin_.filePath(u"started"_s);
    const QString release = bin_.filePath(u"release"_s);
    const QString finished = bin_.filePath(u"finished"_s);
    // Records its arguments and each attachment missing right now; while
    // told to hold, waits for the test's line on a pipe, and says when it ends.
    Script(u"xdg-email"_s,
           u"printf '%s\\0' \"$@\" > '%1'\n"
           "while [ $# -gt 0 ]; do if [ \"$1\" = --attach ]; then "
           "[ -f \"$2\" ] || echo \"missing $2\" >> '%1.missing'; fi; shift; done\n"
           "[ -e '%2' ] || exit 0; : > '%3'\n"
           "read -r _ < '%4'; : > '%5'\n"_s.arg(record, hold, started, release, finished));
    UsePath(bin_.path());
    AppSettings settings;
    settings.PictureList << CopyInto(TestData(u"jpg/Nikon_D70.jpg"_s), files_.path());
    EXPECT_EQ(MailPictures(settings), MailPrompt::None);
    EXPECT_FALSE(QFile::exists(record)) << "a batch that wrote no copy";

    settings.mailSubject = u"Photos %F"_s;
    settings.mailBody = u"Hello,\r\nhere they are."_s;
    for (const char* name : {"a b.jpg", "-dash.jpg", "quote'\"$;x.jpg", "ünï.jpg"})
        settings.MailTempList << CopyInto(TestData(u"jpg/Canon_40D.jpg"_s), files_.path(),
                                          QString::fromUtf8(name));
    const QStringList sent = settings.MailTempList;
    WriteFile(hold);
    // The script waits on a pipe, woken by the test's line: no polling.
    ASSERT_EQ(mkfifo(QFile::encodeName(release).constData(), 0600), 0);
    std::thread user([&] {
        WaitUntil([&] { return QFileInfo::exists(started); });
        QFile pipe(release);
        if (pipe.open(QIODevice::WriteOnly))
            pipe.write("go\n");
    });
    EXPECT_EQ(MailPictures(settings), MailPrompt::None);
    EXPECT_TRUE(QFileInfo::exists(finished)) << "the hand-off did not wait for xdg-email";
    user.join();
    QStringList expected{"--utf8", "--subject", "Photos %F", "--body", "Hello,\r\nhere they are."};
    for (const QString& p : sent)
        expected << "--attach" << p;
    EXPECT_EQ(RecordedArguments(record), expected);
    EXPECT_FALSE(QFile::exists(record + ".missing"));
    EXPECT_TRUE(settings.MailTempList.isEmpty());
    EXPECT_TRUE(QFile::exists(sent[0]));

    QFile::remove(hold);
    settings.mailSubject.clear();
    settings.mailBody.clear();
    settings.MailTempList = sent.mid(0, 1);
    EXPECT_EQ(MailPictures(settings), MailPrompt::None);
    EXPECT_EQ(RecordedArguments(record), (QStringList{"--utf8", "--attach", sent[0]}));
}

// The copies' private folder goes under $TMPDIR when that is a folder, and
// under /tmp when it is not, never at the root of the file system.
TEST_F(MailPicturesTest, TheCopiesFolderIsMadeUnderAFolderThatExists) {
    for (const QString& chosen : {files_.path(), u"/nonexistent"_s}) {
        qputenv("TMPDIR", chosen.toUtf8());
        const QString folder = CreateMailTempFolder();
        const QString parent = chosen == files_.path() ? chosen : u"/tmp"_s;
        EXPECT_EQ(QFileInfo(folder).path(), parent) << qPrintable(folder);
        QDir(folder).removeRecursively();
    }
}

// Earlier copies go only when they are ours and over an hour old: a
// younger folder's copies may not be read yet by the mail client, another
// user's folder is not ours, and a link of the name is not followed.
TEST_F(MailPicturesTest, OnlyOurOwnCopiesOverAnHourOldAreRemoved) {
    qputenv("TMPDIR", files_.path().toUtf8());
    const auto made = [this](const QString& name, int minutesOld) {
        WriteFile(files_.filePath(name + u"/copy.jpg"_s), "x");
        const timespec at{std::time(nullptr) - minutesOld * 60, 0};
        const timespec times[2] = {at, at};
        ::utimensat(AT_FDCWD, QFile::encodeName(files_.filePath(name)).constData(), times,
                    AT_SYMLINK_NOFOLLOW);
        return files_.filePath(name);
    };
    const QString old = made(u"tessary-mail-old"_s, 61);
    const QString young = made(u"tessary-mail-young"_s, 55);
    const QString foreign = made(u"tessary-mail-foreign"_s, 120);
    const QString outside = made(u"outside"_s, 120);
    ::symlink(QFile::encodeName(outside).constData(),
              QFile::encodeName(files_.filePath(u"tessary-mail-link"_s)).constData());
    const bool othersOwn =
        geteuid() == 0 && ::chown(QFile::encodeName(foreign).constData(), 65534, 65534) == 0;
    RemoveOldMailTempFolders();
    EXPECT_FALSE(QFileInfo::exists(old));
    EXPECT_TRUE(QFileInfo::exists(young + u"/copy.jpg"_s));
    EXPECT_TRUE(QFileInfo::exists(outside + u"/copy.jpg"_s));
    EXPECT_EQ(QFileInfo::exists(foreign), othersOwn);
}

TEST_F(MailPicturesTest, EachFailureGivesItsPrompt) {
    AppSettings settings;
    settings.MailTempList << CopyInto(TestData(u"jpg/Canon_40D.jpg"_s), files_.path());

    // No xdg-email at all: the first prompt, and the copies stay listed.
    qputenv("PATH", bin_.path().toUtf8());
    EXPECT_EQ(MailPictures(settings), MailPrompt::CannotLoad);
    EXPECT_EQ(settings.MailTempList.size(), 1);

    UsePath(bin_.path());
    const std::pair<int, int> cases[] = {{3, MailPrompt::NotValid},
                                         {1, MailPrompt::SendFailed},
                                         {4, MailPrompt::SendFailed},
                                         {0, MailPrompt::None}};
    for (const auto& [status, prompt] : cases) {
        Script(u"xdg-email"_s, u"exit %1\n"_s.arg(status));
        settings.MailTempList = {files_.filePath(u"Canon_40D.jpg"_s)};
        EXPECT_EQ(MailPictures(settings), prompt) << status;
    }
}

// Debian's own xdg-email, with a recording mail client behind it.
TEST_F(MailPicturesTest, TheRealXdgEmailDeliversTheAttachmentsToTheMailClient) {
    if (QStandardPaths::findExecutable(u"xdg-email"_s).isEmpty())
        GTEST_SKIP() << "xdg-utils is not installed";
    const QString record = bin_.filePath(u"url"_s);
    const QString client = Script(u"mailclient"_s, u"printf '%s' \"$1\" > '%1'\n"_s.arg(record));
    // $MAILER is the mail client xdg-email starts on any desktop.
    qputenv("MAILER", client.toUtf8());
    AppSettings settings;
    settings.mailSubject = u"Pictures"_s;
    settings.MailTempList << CopyInto(TestData(u"jpg/Canon_40D.jpg"_s), files_.path(),
                                      u"my photo.jpg"_s)
                          << CopyInto(TestData(u"jpg/Nikon_D70.jpg"_s), files_.path());
    const QStringList sent = settings.MailTempList;
    EXPECT_EQ(MailPictures(settings), MailPrompt::None);
    qunsetenv("MAILER");

    ASSERT_TRUE(QFile::exists(record)) << "the mail client was not started";
    const QUrl url(QString::fromUtf8(ReadFile(record)));
    EXPECT_EQ(url.scheme(), u"mailto"_s);
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded), "Pictures");
    QStringList attached;
    for (const QString& value : query.allQueryItemValues(u"attach"_s, QUrl::FullyDecoded))
        attached << (value.startsWith("file:"_L1) ? QUrl(value).toLocalFile() : value);
    EXPECT_EQ(attached, sent);
    for (const QString& file : attached)
        EXPECT_TRUE(QFile::exists(file)) << qPrintable(file);
}

} // namespace
