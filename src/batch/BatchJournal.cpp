// SPDX-License-Identifier: MIT
#include "batch/BatchJournal.h"

#include "platform/FileName.h"
#include "platform/Registry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QByteArray kHeader = QByteArrayLiteral("tessary-journal 1\n");
const QString kPrefix = QStringLiteral("batch-");
const QString kSuffix = QStringLiteral(".journal");
const QByteArray kFolder = QByteArrayLiteral("folder");
const QByteArray kPut = QByteArrayLiteral("put");
const QByteArray kUndone = QByteArrayLiteral("undone");
const QByteArray kTrash = QByteArrayLiteral("trash");
const QByteArray kGone = QByteArrayLiteral("gone");
const QByteArray kNone = QByteArrayLiteral("-");

// A path as its bytes, so that any name (tabs, newlines, bytes that are
// no UTF-8) fits one field of one line.
QByteArray Field(const QString& path) {
    return EncodeFileName(path).toPercentEncoding();
}

QByteArray Identity(const FileIdentity& id) {
    return QByteArray::number(id.device) + ':' + QByteArray::number(id.inode) + ':' +
           QByteArray::number(id.size) + ':' + QByteArray::number(id.modifiedNs);
}

std::optional<FileIdentity> ParseIdentity(const QByteArray& text) {
    const QList<QByteArray> parts = text.split(':');
    if (parts.size() != 4)
        return std::nullopt;
    bool ok[4] = {};
    FileIdentity id{parts[0].toULongLong(&ok[0]), parts[1].toULongLong(&ok[1]),
                    parts[2].toLongLong(&ok[2]), parts[3].toLongLong(&ok[3])};
    if (!ok[0] || !ok[1] || !ok[2] || !ok[3])
        return std::nullopt;
    return id;
}

// Whether nobody holds the journal at path: its batch has ended (or died).
bool Ended(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

QStringList Journals(const QString& folder) {
    QStringList names = QDir(folder).entryList({kPrefix + u'*' + kSuffix}, QDir::Files, QDir::Name);
    for (QString& name : names)
        name = QDir(folder).filePath(name);
    return names;
}

} // namespace

QString BatchJournal::Folder() {
    return RegistryKey::ConfigFolder() + QStringLiteral("/tsy/journal");
}

BatchJournal::BatchJournal(QString folder)
    : folder_(std::move(folder)) {}

BatchJournal::~BatchJournal() {
    if (fd_ >= 0)
        ::close(fd_);
}

void BatchJournal::MadeFolder(const QString& path) {
    Write(kFolder + '\t' + Field(path) + '\n');
}

void BatchJournal::Put(const WriteStep& step, bool keepReplaced) {
    QByteArray replaced = kNone;
    if (step.replaced && keepReplaced)
        replaced = (step.toTrash ? kTrash : kGone) + ':' + Identity(*step.replaced);
    Write(kPut + '\t' + Field(step.target) + '\t' + Identity(step.written) + '\t' + replaced +
          '\n');
}

void BatchJournal::Undone(const QString& target) {
    Write(kUndone + '\t' + Field(target) + '\n');
}

void BatchJournal::Write(const QByteArray& line) {
    const std::lock_guard lock(mutex_);
    if (fd_ < 0) {
        // Named by its start, so that the newest sorts last.
        const QString name =
            kPrefix +
            QString::number(QDateTime::currentMSecsSinceEpoch()).rightJustified(15, u'0') + u'-' +
            QString::number(::getpid()) + kSuffix;
        if (!QDir().mkpath(folder_))
            return;
        const QByteArray path = EncodeFileName(QDir(folder_).filePath(name));
        fd_ = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
        if (fd_ < 0)
            return;
        ::flock(fd_, LOCK_EX | LOCK_NB);
        WriteAll(fd_, kHeader.constData(), kHeader.size());
        // Only the last batch can be undone: the journals of the batches
        // before it go, but those still running.
        for (const QString& older : Journals(folder_))
            if (EncodeFileName(older) != path && Ended(EncodeFileName(older)))
                QFile::remove(older);
    }
    // One write a step, in the system before the step is taken: what a
    // kill leaves is whole lines, and perhaps the start of the last.
    WriteAll(fd_, line.constData(), line.size());
}

QString BatchJournal::Last(const QString& folder) {
    const QStringList journals = Journals(folder);
    return journals.isEmpty() ? QString() : journals.last();
}

bool BatchJournal::Running(const QString& path) {
    return !Ended(EncodeFileName(path));
}

std::vector<BatchJournal::Entry> BatchJournal::Read(const QString& path) {
    std::vector<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QByteArray all = file.readAll();
    if (!all.startsWith(kHeader))
        return entries;
    qsizetype at = kHeader.size();
    for (qsizetype end = all.indexOf('\n', at); end >= 0;
         at = end + 1, end = all.indexOf('\n', at)) {
        const QList<QByteArray> fields = all.mid(at, end - at).split('\t');
        Entry entry;
        entry.path = DecodeFileName(QByteArray::fromPercentEncoding(fields.value(1)));
        if (fields[0] == kFolder && fields.size() == 2) {
            entry.kind = Entry::Kind::Folder;
        } else if (fields[0] == kUndone && fields.size() == 2) {
            entry.kind = Entry::Kind::Undone;
        } else if (fields[0] == kPut && fields.size() == 4) {
            entry.kind = Entry::Kind::Put;
            const std::optional<FileIdentity> written = ParseIdentity(fields[2]);
            const QByteArray replaced = fields[3];
            if (!written)
                continue;
            entry.written = *written;
            if (replaced != kNone) {
                entry.toTrash = replaced.startsWith(kTrash + ':');
                entry.replaced = ParseIdentity(replaced.mid(replaced.indexOf(':') + 1));
                if (!entry.replaced)
                    continue;
            }
        } else {
            continue;
        }
        entries.push_back(entry);
    }
    return entries;
}
