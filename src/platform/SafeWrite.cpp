// SPDX-License-Identifier: MIT
#include "platform/SafeWrite.h"

#include "platform/FileName.h"
#include "platform/Trash.h"
#include "platform/UiText.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// ".tessary-PID-RANDOM.tmp": no picture extension, so no file manager or
// picture filter takes it for a picture.
const QString kPrefix = QStringLiteral(".tessary-");
const QString kSuffix = QStringLiteral(".tmp");
constexpr int kNameAttempts = 100;

// Whether a file or folder is marked read-only: the user may not write it,
// or nobody may. The second holds for root too, who may write anything but
// should not replace what its owner protected.
bool ReadOnly(const QByteArray& path, const struct stat& attributes) {
    return ::access(path.constData(), W_OK) != 0 || (attributes.st_mode & 0222) == 0;
}

} // namespace

bool WriteAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size_t(size));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        data += put;
        size -= put;
    }
    return true;
}

int CreateTemporaryFile(const QString& folder, QByteArray& temporary, QString& why) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString name = kPrefix + QString::number(getpid()) + QLatin1Char('-') +
                             QString::number(QRandomGenerator::global()->generate(), 36) + kSuffix;
        temporary = EncodeFileName(folder) + '/' + EncodeFileName(name);
        // 0666 under the umask, as any new file of the user's.
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            break;
    }
    why = SystemReason(errno);
    return -1;
}

namespace {

// Puts the whole temporary file at target only while that name is free.
// RENAME_NOREPLACE where the file system has it, else a hard link, which
// also fails on a taken name; a file system with neither (FAT) gets a
// check before the rename, the best it allows.
int ClaimName(const QByteArray& temporary, const QByteArray& target) {
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(),
                    RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    if (::link(temporary.constData(), target.constData()) == 0) {
        ::unlink(temporary.constData());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)
        return errno;
    struct stat existing {};
    if (::lstat(target.constData(), &existing) == 0)
        return EEXIST;
    return ::rename(temporary.constData(), target.constData()) == 0 ? 0 : errno;
}

} // namespace

QString WriteFileSafely(const QString& path, const QByteArray& bytes, const WriteOptions& options) {
    QString real = path;
    struct stat existing {};
    const bool isLink =
        ::lstat(EncodeFileName(path).constData(), &existing) == 0 && S_ISLNK(existing.st_mode);
    if (isLink && options.mode == WriteMode::New)
        return kNameTaken;
    if (isLink && options.mode == WriteMode::ThroughLink) {
        char* resolved = ::realpath(EncodeFileName(path).constData(), nullptr);
        if (!resolved)
            return TrText("Files", "it is a link that leads nowhere (%1)").arg(SystemReason(errno));
        real = DecodeFileName(QByteArray(resolved));
        std::free(resolved);
    }
    const QString folder = QFileInfo(real).absolutePath();
    const QByteArray target = EncodeFileName(real);
    // What is at the name itself: a link replaced is not followed.
    const bool present = isLink && options.mode == WriteMode::Replace
                             ? ::lstat(target.constData(), &existing) == 0
                             : ::stat(target.constData(), &existing) == 0;
    if (present && options.mode == WriteMode::New)
        return kNameTaken;
    if (present && !S_ISLNK(existing.st_mode)) {
        struct stat parent {};
        if (!S_ISREG(existing.st_mode))
            return TrText("Files", "something that is not a file has its name");
        if (ReadOnly(target, existing))
            return TrText("Files", "it is read-only");
        if (::stat(EncodeFileName(folder).constData(), &parent) == 0 &&
            ReadOnly(EncodeFileName(folder), parent))
            return TrText("Files", "its folder is read-only");
    }
    QByteArray temporary;
    QString why;
    const int fd = CreateTemporaryFile(folder, temporary, why);
    if (fd < 0)
        return why;

    bool ok = WriteAll(fd, bytes.constData(), bytes.size());
    int error = errno;
    if (ok && present && S_ISREG(existing.st_mode))
        ::fchmod(fd, existing.st_mode & 07777);
    else if (ok && options.ownerOnly)
        ::fchmod(fd, S_IRUSR | S_IWUSR);
    if (ok && options.modified) {
        const timespec times[2] = {{0, UTIME_OMIT}, *options.modified};
        ::futimens(fd, times);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && options.beforePut) {
        WriteStep step;
        step.target = real;
        step.written = IdentityOf(DecodeFileName(temporary)).value_or(FileIdentity{});
        if (options.mode != WriteMode::New)
            step.replaced = IdentityOf(real);
        step.toTrash = step.replaced && options.trashReplaced;
        options.beforePut(step);
    }
    if (ok && options.mode == WriteMode::New) {
        error = ClaimName(temporary, target);
        ok = error == 0;
        if (!ok) {
            ::unlink(temporary.constData());
            return error == EEXIST ? kNameTaken : SystemReason(error);
        }
        return {};
    }
    // The new file is whole before the old one leaves: a kill in between
    // finds the old one in the Trash.
    if (ok && options.trashReplaced && ::lstat(target.constData(), &existing) == 0) {
        const QString reason = MoveToTrash(real);
        if (!reason.isEmpty()) {
            ::unlink(temporary.constData());
            return TrText("Files", "the file it replaces cannot be moved to the Trash (%1)")
                .arg(reason);
        }
    }
    if (ok && ::rename(temporary.constData(), target.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        return SystemReason(error);
    }
    return {};
}

namespace {

// Calls take(fd, name) for each temporary file in folder that a writer no
// longer running left there.
template <typename Take> void ForEachStaleTemporary(const QString& folder, Take take) {
    // On the folder's own bytes: Qt's calls cannot reach a folder whose name
    // is not UTF-8.
    DIR* dir = ::opendir(EncodeFileName(folder).constData());
    if (!dir)
        return;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = DecodeFileName(entry->d_name);
        if (!name.startsWith(kPrefix) || !name.endsWith(kSuffix))
            continue;
        bool isNumber = false;
        const qint64 pid =
            name.mid(kPrefix.size()).section(QLatin1Char('-'), 0, 0).toLongLong(&isNumber);
        if (!isNumber || pid <= 0)
            continue;
        // A writer still running (or one we may not signal) keeps its file.
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        struct stat attributes {};
        if (::fstatat(fd, entry->d_name, &attributes, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(attributes.st_mode) && attributes.st_uid == getuid())
            take(fd, entry->d_name);
    }
    ::closedir(dir);
}

} // namespace

void RemoveStaleTemporaries(const QString& folder) {
    ForEachStaleTemporary(folder, [](int fd, const char* name) { ::unlinkat(fd, name, 0); });
}

int CountStaleTemporaries(const QString& folder) {
    int count = 0;
    ForEachStaleTemporary(folder, [&count](int, const char*) { ++count; });
    return count;
}
