// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "platform/FileName.h"
#include "platform/Trash.h"

#include <glib.h>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Whatever a name's bytes, the Trash's record of where a file came from
// names that very file, so a file manager restores it under its own name.
TEST(TrashTest, TheTrashRecordsEachNameByItsOwnBytes) {
    QTemporaryDir dir;
    // GLib's own idea of the user's data folder, taken once per process.
    const QString trash = QFile::decodeName(g_get_user_data_dir()) + u"/Trash"_s;
    for (const QByteArray& name :
         {QByteArray("plain.jpg"), QByteArray("caf\xe9.jpg"), QByteArray("50% off #1.jpg")}) {
        const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
        // Made on its bytes: Qt's file calls would spoil the name.
        ::close(::open(path.constData(), O_CREAT | O_WRONLY, 0600));
        ASSERT_EQ(MoveToTrash(DecodeFileName(path)), QString()) << name.constData();
        EXPECT_NE(::access(path.constData(), F_OK), 0) << name.constData();
        // Read on their bytes too: the info files are named after the files.
        QByteArrayList recorded;
        const QByteArray info = QFile::encodeName(trash) + "/info/";
        DIR* folder = ::opendir(info.constData());
        ASSERT_NE(folder, nullptr);
        while (const dirent* entry = ::readdir(folder)) {
            QFile file;
            const int fd = ::open((info + entry->d_name).constData(), O_RDONLY);
            if (fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle))
                for (const QByteArray& line : file.readAll().split('\n'))
                    if (line.startsWith("Path="))
                        recorded << QByteArray::fromPercentEncoding(line.mid(5));
        }
        ::closedir(folder);
        EXPECT_TRUE(recorded.contains(path)) << name.constData();
    }
}

} // namespace
