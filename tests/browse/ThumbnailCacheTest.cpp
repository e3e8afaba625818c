// SPDX-License-Identifier: MIT
#include "browse/ThumbnailCache.h"

#include "TestSupport.h"
#include "codec/PngChunks.h"
#include "platform/FileName.h"

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct stat Stat(const QString& path) {
    struct stat info {};
    ::stat(EncodeFileName(path).constData(), &info);
    return info;
}

int Mode(const QString& path) {
    return int(Stat(path).st_mode & 0777);
}

qint64 MTime(const QString& path) {
    return Stat(path).st_mtime;
}

} // namespace

// A thumbnail we make is one the desktop's other programs take as theirs:
// the keys they check, at most 128 pixels, readable by the user alone, and
// never seen half-written. A picture that cannot be read is noted, and
// tried again once it has changed.
TEST(ThumbnailCacheTest, MakesSharedThumbnailsAndNotesPicturesItCannotRead) {
    QTemporaryDir dir;
    // Characters GLib escapes and QUrl would not, and a byte that is not UTF-8.
    const QString photo = dir.filePath(DecodeFileName("a photo \xc3\xa9;[1]#% \xe9.jpg"));
    DrawPicture(dir.filePath(u"drawn.jpg"_s), 400, 300);
    ASSERT_EQ(::rename(QFile::encodeName(dir.filePath(u"drawn.jpg"_s)).constData(),
                       EncodeFileName(photo).constData()),
              0);
    const qint64 mtime = MTime(photo);
    ASSERT_TRUE(ThumbnailCache::Find(photo, mtime).isEmpty());

    const QString made = ThumbnailCache::Make(photo, mtime);
    ASSERT_EQ(made, ThumbnailCache::ThumbnailPath(photo, u"normal"_s));
    const ToolRun keys =
        Oracle(u"identify"_s,
               {u"-format"_s, u"%w %h|%[Thumb::URI]|%[Thumb::MTime]|%[Thumb::Size]"_s, made});
    EXPECT_EQ(keys.out, u"128 96|"_s + QString::fromLatin1(ThumbnailCache::Uri(photo)) + u'|' +
                            QString::number(mtime) + u'|' + QString::number(Stat(photo).st_size));
    // GLib, under the file managers, finds it and checks it as its own: it
    // names the file its own way from the bytes our URI stands for.
    const ToolRun gio = Oracle(u"gio"_s, {u"info"_s, u"-a"_s, u"thumbnail::*"_s,
                                          QString::fromLatin1(ThumbnailCache::Uri(photo))});
    EXPECT_TRUE(gio.out.contains(u"thumbnail::path: "_s + made)) << qPrintable(gio.out + gio.err);
    EXPECT_FALSE(gio.out.contains(u"is-valid: FALSE"_s)) << qPrintable(gio.out);
    EXPECT_EQ(Mode(made), 0600);
    EXPECT_EQ(Mode(QFileInfo(made).path()), 0700);
    EXPECT_EQ(QDir(QFileInfo(made).path()).entryList(QDir::Files | QDir::Hidden).size(),
              1); // no temporary left
    EXPECT_EQ(ThumbnailCache::Find(photo, mtime), made);
    EXPECT_TRUE(ThumbnailCache::Find(photo, mtime + 1).isEmpty());  // the photo changed since
    EXPECT_TRUE(ThumbnailCache::Make(made, MTime(made)).isEmpty()); // nor thumbnails of it
    // A screen of twice the pixels: the large one, then found before the normal.
    const QString large = ThumbnailCache::Make(photo, mtime, 2 * ThumbnailCache::kSide);
    EXPECT_EQ(large, ThumbnailCache::ThumbnailPath(photo, u"large"_s));
    EXPECT_EQ(Oracle(u"identify"_s, {u"-format"_s, u"%w %h"_s, large}).out, u"256 192"_s);
    EXPECT_EQ(ThumbnailCache::Find(photo, mtime, 2 * ThumbnailCache::kSide), large);
    EXPECT_EQ(QDir(QFileInfo(made).path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    const QString broken = WriteFile(dir.filePath(u"broken.jpg"_s), "\xff\xd8\xff not a JPEG");
    QString why;
    EXPECT_TRUE(ThumbnailCache::Make(broken, MTime(broken), ThumbnailCache::kSide, &why).isEmpty());
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(ThumbnailCache::FailPath(broken).contains(u"/thumbnails/fail/tessary-"_s));
    EXPECT_TRUE(ThumbnailCache::Failed(broken, MTime(broken)));
    EXPECT_FALSE(ThumbnailCache::Failed(broken, MTime(broken) + 1));
    EXPECT_FALSE(ThumbnailCache::Failed(photo, mtime));
    ::unlink(EncodeFileName(photo).constData()); // Qt cannot name it to remove it
}

// The cache is written and read only in folders of the user's alone, and a
// link where a thumbnail goes is replaced, never written through: another
// user's link would otherwise turn the target (root's own files too) into
// a PNG. A planted thumbnail larger than its size is no thumbnail either.
TEST(ThumbnailCacheTest, TheCacheHurtsNothingOutsideItAndTrustsOnlyTheUsersFolders) {
    QTemporaryDir dir;
    const QString photo = dir.filePath(u"photo.jpg"_s);
    DrawPicture(photo, 400, 300);
    const qint64 mtime = MTime(photo);
    const QString thumbnail = ThumbnailCache::ThumbnailPath(photo, u"normal"_s);
    const QString normal = QFileInfo(thumbnail).path();
    const QString precious = WriteFile(dir.filePath(u"precious.txt"_s), "keep me");
    QDir().mkpath(normal);

    // A link at the thumbnail's place.
    ASSERT_TRUE(QFile::link(precious, thumbnail));
    EXPECT_EQ(ThumbnailCache::Make(photo, mtime), thumbnail);
    EXPECT_EQ(ReadFile(precious), "keep me");
    EXPECT_FALSE(QFileInfo(thumbnail).isSymLink());
    EXPECT_EQ(ThumbnailCache::Find(photo, mtime), thumbnail);

    // A thumbnail with the right keys that claims to be huge: a decoder
    // would refuse it, so it is made again.
    QByteArray bomb = PngChunks::kSignature +
                      PngChunks::Chunk("IHDR", QByteArray::fromHex("0000ea600000ea600806000000")) +
                      PngChunks::Chunk("IEND", {});
    PngChunks::AddTexts(bomb, {{"Thumb::URI", ThumbnailCache::Uri(photo)},
                               {"Thumb::MTime", QByteArray::number(mtime)}});
    WriteFile(thumbnail, bomb);
    EXPECT_TRUE(ThumbnailCache::Find(photo, mtime).isEmpty());
    EXPECT_EQ(ThumbnailCache::Make(photo, mtime), thumbnail);
    EXPECT_EQ(PngChunks::Size(ReadFile(thumbnail)), QSize(128, 96));

    // Folders others could change, a link or a file for a folder: neither
    // read nor written, and the reason says where and why.
    const QString elsewhere = dir.filePath(u"elsewhere"_s);
    QDir().mkpath(elsewhere);
    const std::vector<std::pair<std::function<void()>, QString>> untrusted = {
        {[&] { ::chmod(EncodeFileName(normal).constData(), 0777); },
         u"can be changed by other users"_s},
        {[&] {
             QDir(normal).removeRecursively();
             QFile::link(elsewhere, normal);
         },
         u"is not a folder"_s},
        // It stops anyone, root too.
        {[&] {
             QDir(normal).removeRecursively();
             WriteFile(normal);
         },
         u"not a directory"_s},
    };
    for (const auto& [plant, reason] : untrusted) {
        ASSERT_EQ(ThumbnailCache::Make(photo, mtime), thumbnail);
        plant();
        EXPECT_TRUE(ThumbnailCache::Find(photo, mtime).isEmpty()) << qPrintable(reason);
        QString why;
        EXPECT_TRUE(ThumbnailCache::Make(photo, mtime, ThumbnailCache::kSide, &why).isEmpty());
        EXPECT_TRUE(why.contains(normal) && why.contains(reason)) << qPrintable(why);
        QFile::remove(normal);
        ::chmod(EncodeFileName(normal).constData(), 0700);
    }
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
}
