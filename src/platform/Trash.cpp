// SPDX-License-Identifier: MIT
#include "platform/Trash.h"

#include "platform/FileName.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Parent(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// Makes the folder, and those above it that are missing, as only the user
// may enter them; true when it is a real folder of the user's afterwards.
bool MakePrivateFolder(const QByteArray& folder) {
    MakeFolderPath(DecodeFileName(folder), 0700, true);
    struct stat st {};
    return ::lstat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

bool SameDevice(const QByteArray& path, dev_t device) {
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && st.st_dev == device;
}

// The highest folder above path on the same device: the volume's top.
QByteArray VolumeTop(QByteArray folder, dev_t device) {
    while (folder != "/" && SameDevice(Parent(folder), device))
        folder = Parent(folder);
    return folder;
}

// The volume's Trash: the shared ".Trash/UID" when the administrator made
// ".Trash" a real sticky folder, else the user's own ".Trash-UID".
QByteArray VolumeTrash(const QByteArray& top) {
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray base = top == "/" ? QByteArray() : top;
    struct stat st {};
    const QByteArray shared = base + "/.Trash";
    if (::lstat(shared.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX))
        return shared + '/' + uid;
    return base + "/.Trash-" + uid;
}

} // namespace

QString MoveToTrash(const QString& path) {
    const QByteArray file = EncodeFileName(AbsoluteFileName(path));
    struct stat st {};
    if (::lstat(file.constData(), &st) != 0)
        return SystemReason(errno);

    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    QByteArray trash = EncodeFileName(data + QStringLiteral("/Trash"));
    // Info files of a volume's Trash name the file from the volume's top.
    QByteArray shownPath = file;
    if (!MakePrivateFolder(trash) || !SameDevice(trash, st.st_dev)) {
        const QByteArray top = VolumeTop(Parent(file), st.st_dev);
        trash = VolumeTrash(top);
        shownPath = top == "/" ? file.mid(1) : file.mid(top.size() + 1);
    }
    const QByteArray files = trash + "/files/";
    const QByteArray info = trash + "/info/";
    if (!MakePrivateFolder(trash + "/files") || !MakePrivateFolder(trash + "/info"))
        return QStringLiteral("no Trash folder could be made for it");

    const QByteArray name = file.mid(file.lastIndexOf('/') + 1);
    const qsizetype dot = name.lastIndexOf('.');
    const QByteArray stem = dot > 0 ? name.left(dot) : name;
    const QByteArray extension = dot > 0 ? name.mid(dot) : QByteArray();
    const QByteArray text =
        "[Trash Info]\nPath=" + QUrl::toPercentEncoding(shownPath, "/") +
        "\nDeletionDate=" + QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toLatin1() +
        '\n';
    // The info file is made first, exclusively: it reserves the name.
    for (int n = 1; n < 10000; ++n) {
        const QByteArray entry = n == 1 ? name : stem + '.' + QByteArray::number(n) + extension;
        const QByteArray infoFile = info + entry + ".trashinfo";
        const int fd = ::open(infoFile.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return SystemReason(errno);
        const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
        const int error = errno;
        ::close(fd);
        struct stat taken {};
        if (written && ::lstat((files + entry).constData(), &taken) == 0) {
            ::unlink(infoFile.constData());
            continue;
        }
        if (written && ::rename(file.constData(), (files + entry).constData()) == 0)
            return {};
        const QString reason = SystemReason(written ? errno : error);
        ::unlink(infoFile.constData());
        return reason;
    }
    return SystemReason(EEXIST);
}
