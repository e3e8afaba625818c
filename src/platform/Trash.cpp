// SPDX-License-Identifier: MIT
#include "platform/Trash.h"

#include "platform/FileName.h"

#include <QFile>

#include <gio/gio.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString MoveToTrash(const QString& path) {
    // GLib's own Trash, the file managers': it names the file in the info
    // file by its bytes, whatever they are, and picks the home Trash or the
    // volume's as they do.
    GFile* file = g_file_new_for_path(EncodeFileName(AbsoluteFileName(path)).constData());
    GError* error = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &error);
    g_object_unref(file);
    if (trashed)
        return {};
    const QString reason = QString::fromUtf8(error->message);
    g_error_free(error);
    return reason;
}

namespace {

const QByteArray kInfoSuffix = QByteArrayLiteral(".trashinfo");
const QByteArray kPathKey = QByteArrayLiteral("Path=");

QByteArray ParentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// The top of the volume that holds path, as GLib finds it for the Trash:
// the highest folder above it on the same device.
QByteArray VolumeTop(const QByteArray& path) {
    struct stat st {};
    QByteArray top = ParentOf(path);
    if (::stat(top.constData(), &st) != 0)
        return {};
    for (;;) {
        const QByteArray up = ParentOf(top);
        struct stat above {};
        if (up == top || ::stat(up.constData(), &above) != 0 || above.st_dev != st.st_dev)
            return top;
        top = up;
    }
}

} // namespace

std::optional<FileIdentity> IdentityOf(const QString& path) {
    struct stat st {};
    if (::lstat(EncodeFileName(path).constData(), &st) != 0)
        return std::nullopt;
    constexpr int64_t kNsPerSecond = 1000000000;
    return FileIdentity{uint64_t(st.st_dev), uint64_t(st.st_ino), int64_t(st.st_size),
                        int64_t(st.st_mtim.tv_sec) * kNsPerSecond + st.st_mtim.tv_nsec};
}

const TrashIndex::Folder& TrashIndex::Read(const QByteArray& trash, const QByteArray& top) {
    const auto known = folders_.constFind(trash);
    if (known != folders_.constEnd())
        return *known;
    Folder& folder = folders_[trash];
    folder.files = trash + "/files/";
    const QByteArray info = trash + "/info/";
    DIR* dir = ::opendir(info.constData());
    if (!dir)
        return folder;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.endsWith(kInfoSuffix))
            continue;
        QFile file;
        const int fd = ::open((info + name).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
            if (fd >= 0)
                ::close(fd);
            continue;
        }
        // An info file is a few lines; anything longer is no info file of ours.
        constexpr qint64 kMostInfoBytes = 64 * 1024;
        for (const QByteArray& line : file.read(kMostInfoBytes).split('\n')) {
            if (!line.startsWith(kPathKey))
                continue;
            QByteArray from = QByteArray::fromPercentEncoding(line.mid(kPathKey.size()).trimmed());
            // A volume's Trash names its files from the top of the volume.
            if (!from.startsWith('/'))
                from = (top.endsWith('/') ? top : top + '/') + from;
            folder.from[from] << name.chopped(kInfoSuffix.size());
            break;
        }
    }
    ::closedir(dir);
    return folder;
}

QString TrashIndex::Find(const QString& original, const FileIdentity& identity) {
    const QByteArray path = EncodeFileName(AbsoluteFileName(original));
    const QByteArray top = VolumeTop(path);
    const QByteArray uid = QByteArray::number(::getuid());
    const std::pair<QByteArray, QByteArray> trashes[] = {
        {QByteArray(g_get_user_data_dir()) + "/Trash", QByteArray()},
        {top + "/.Trash/" + uid, top},
        {top + "/.Trash-" + uid, top},
    };
    for (const auto& [trash, from] : trashes) {
        if (trash.startsWith("/.Trash") && top.isEmpty())
            continue;
        const Folder& folder = Read(trash, from);
        for (const QByteArray& name : folder.from.value(path)) {
            const QString trashed = DecodeFileName(folder.files + name);
            if (IdentityOf(trashed) == identity)
                return trashed;
        }
    }
    return {};
}

QString TrashIndex::Restore(const QString& trashed, const QString& original) {
    const QByteArray from = EncodeFileName(trashed);
    if (::rename(from.constData(), EncodeFileName(original).constData()) != 0)
        return SystemReason(errno);
    // .../Trash/files/NAME is described by .../Trash/info/NAME.trashinfo.
    const QByteArray trash = ParentOf(ParentOf(from));
    ::unlink((trash + "/info/" + from.mid(ParentOf(from).size() + 1) + kInfoSuffix).constData());
    return {};
}
