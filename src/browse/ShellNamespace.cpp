// SPDX-License-Identifier: MIT
#include "browse/ShellNamespace.h"

#include "platform/FileName.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>

namespace {

constexpr qsizetype kCountBytes = 2;
const QString kRoot = QStringLiteral("/");
const QString kComputerParsing = QStringLiteral("::Computer");
const QString kControlsParsing = QStringLiteral("::Controls");
const QString kFolderKey = QStringLiteral("inode/directory");

// File systems that are not volumes a person would see.
const QStringList kPseudoFileSystems{
    "proc",       "sysfs",   "tmpfs",    "devtmpfs",    "overlay",
    "squashfs",   "devpts",  "cgroup",   "cgroup2",     "securityfs",
    "pstore",     "bpf",     "tracefs",  "debugfs",     "mqueue",
    "hugetlbfs",  "fusectl", "configfs", "autofs",      "binfmt_misc",
    "ramfs",      "nsfs",    "efivarfs", "fuse.portal", "fuse.gvfsd-fuse",
    "rpc_pipefs", "nfsd",    "selinuxfs"};

uint16_t CountAt(const QByteArray& list, qsizetype offset) {
    return uint16_t(uint8_t(list[offset]) | uint8_t(list[offset + 1]) << 8);
}

// Where the well-formed items end: the terminator's offset, or where a bad
// item begins.
qsizetype ItemsEnd(const QByteArray& list) {
    qsizetype offset = 0;
    for (qsizetype next; (next = ShellNamespace::Next(list, offset)) >= 0;)
        offset = next;
    return offset;
}

struct Item {
    uint8_t kind = 0;
    QString name;
};

// The items of a well-formed prefix of the list.
QList<Item> Items(const QByteArray& list) {
    QList<Item> items;
    qsizetype offset = 0;
    for (qsizetype next; (next = ShellNamespace::Next(list, offset)) >= 0; offset = next) {
        const QByteArray payload = list.mid(offset + kCountBytes, next - offset - kCountBytes);
        items << Item{payload.isEmpty() ? uint8_t(0) : uint8_t(payload[0]),
                      DecodeFileName(payload.mid(1))};
    }
    return items;
}

QByteArray FirstItem(const QByteArray& list) {
    const qsizetype next = ShellNamespace::Next(list, 0);
    return next < 0 ? QByteArray() : list.left(next);
}

bool SafeComponent(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".") &&
           name != QLatin1String("..") && !name.contains(QChar(0));
}

QString JoinPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString DesktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty() || QDir(desktop) == QDir(QDir::homePath()) || !IsFolder(desktop))
        return {};
    return desktop;
}

QCollator& NaturalOrder() {
    static QCollator collator = [] {
        QCollator c;
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

const QMimeDatabase& Mime() {
    static const QMimeDatabase database;
    return database;
}

QStringList& IconKeys() {
    static QStringList keys;
    return keys;
}

} // namespace

QList<Volume> SystemVolumes::Volumes() const {
    QList<Volume> volumes{{kRoot, QString()}};
    QList<Volume> others;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        const QString mount = storage.rootPath();
        const QString type = QString::fromLatin1(storage.fileSystemType());
        if (mount == kRoot || !storage.isValid() || kPseudoFileSystems.contains(type) ||
            mount.startsWith(QLatin1String("/proc")) || mount.startsWith(QLatin1String("/sys")) ||
            mount.startsWith(QLatin1String("/dev")) || mount.startsWith(QLatin1String("/snap")) ||
            (mount.startsWith(QLatin1String("/run")) &&
             !mount.startsWith(QLatin1String("/run/media"))))
            continue;
        others << Volume{mount, storage.name()};
    }
    std::sort(others.begin(), others.end(),
              [](const Volume& a, const Volume& b) { return a.mountPath < b.mountPath; });
    return volumes + others;
}

ShellNamespace::ShellNamespace(std::shared_ptr<const VolumeSource> volumes)
    : volumes_(volumes ? std::move(volumes) : std::make_shared<SystemVolumes>()) {}

QList<Volume> ShellNamespace::Volumes() const {
    constexpr qint64 kFreshMs = 2000;
    if (!volumesAge_.isValid() || volumesAge_.elapsed() > kFreshMs) {
        cachedVolumes_ = volumes_->Volumes();
        volumesAge_.start();
    }
    return cachedVolumes_;
}

qsizetype ShellNamespace::Next(const QByteArray& list, qsizetype offset) {
    if (offset < 0 || offset + kCountBytes > list.size())
        return -1;
    const uint16_t count = CountAt(list, offset);
    if (count < kCountBytes || offset + count > list.size())
        return -1; // the terminator, or an item that would run past the end
    return offset + count;
}

qsizetype ShellNamespace::Size(const IdList& list) {
    return list ? ItemsEnd(*list) + kCountBytes : 0;
}

int ShellNamespace::Count(const IdList& list) {
    return list ? int(Items(*list).size()) : 0;
}

QByteArray ShellNamespace::Terminated(const QByteArray& items) {
    return items.left(ItemsEnd(items)) + QByteArray(kCountBytes, '\0');
}

IdList ShellNamespace::Copy(const IdList& list) {
    if (!list)
        return std::nullopt;
    return Terminated(*list);
}

IdList ShellNamespace::Concat(const IdList& a, const IdList& b) {
    if (!a && !b)
        return std::nullopt;
    const QByteArray first = a ? a->left(ItemsEnd(*a)) : QByteArray();
    const QByteArray second = b ? b->left(ItemsEnd(*b)) : QByteArray();
    return Terminated(first + second);
}

IdList ShellNamespace::CopyItemAt(const IdList& list, int n) {
    if (!list)
        return std::nullopt;
    qsizetype offset = 0;
    qsizetype last = -1;
    for (int i = 1;; ++i) {
        const qsizetype next = Next(*list, offset);
        if (next < 0)
            break;
        if (n == 0 || i == n)
            return Terminated(list->mid(offset, next - offset));
        last = offset;
        offset = next;
    }
    if (last < 0)
        return n == 0 ? IdList(Terminated({})) : std::nullopt;
    return Terminated(list->mid(last, offset - last));
}

IdList ShellNamespace::CopyFirstItems(const IdList& list, int n) {
    if (!list || n < 1 || Count(list) == 0)
        return std::nullopt;
    qsizetype offset = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype next = Next(*list, offset);
        if (next < 0)
            break;
        offset = next;
    }
    return Terminated(list->left(offset));
}

int ShellNamespace::CompareBytes(const IdList& a, const IdList& b) {
    if (!a || !b)
        return 0;
    const QByteArray left = Terminated(*a);
    const QByteArray right = Terminated(*b);
    for (qsizetype i = 0; i < left.size(); ++i) {
        if (i >= right.size())
            return 1;
        if (uint8_t(left[i]) != uint8_t(right[i]))
            return uint8_t(left[i]) < uint8_t(right[i]) ? -1 : 1;
    }
    return 0;
}

int ShellNamespace::CompareItems(const IdList& a, const IdList& b,
                                 const ShellFolder* folder) const {
    if (!a || !b)
        return 0;
    if (folder)
        return folder->CompareIDs(*a, *b);
    return BindFolder(DesktopList())->CompareIDs(*a, *b);
}

std::optional<ShellNamespace::Resolved> ShellNamespace::Resolve(const QByteArray& list) const {
    Resolved at;
    at.name = QStringLiteral("Desktop");
    for (const Item& item : Items(list)) {
        const bool top = at.kind == 0;
        switch (item.kind) {
        case ItemKind::Home:
            if (!top)
                return std::nullopt;
            at = {ItemKind::Home, QDir::homePath(), QStringLiteral("Home"), QDir::homePath()};
            break;
        case ItemKind::Computer:
            if (!top)
                return std::nullopt;
            at = {ItemKind::Computer, {}, QStringLiteral("Computer"), kComputerParsing};
            break;
        case ItemKind::Controls:
            if (!top)
                return std::nullopt;
            at = {ItemKind::Controls, {}, QStringLiteral("Control Panel"), kControlsParsing};
            break;
        case ItemKind::Volume: {
            if (at.kind != ItemKind::Computer || !item.name.startsWith(kRoot))
                return std::nullopt;
            QString label;
            for (const Volume& volume : Volumes())
                if (volume.mountPath == item.name)
                    label = volume.label;
            if (label.isEmpty())
                label = item.name == kRoot ? QStringLiteral("File System")
                                           : QFileInfo(item.name).fileName();
            at = {ItemKind::Volume, item.name, label, item.name};
            break;
        }
        case ItemKind::DesktopFile: {
            const QString desktop = DesktopFolder();
            if (!top || desktop.isEmpty() || !SafeComponent(item.name))
                return std::nullopt;
            const QString path = JoinPath(desktop, item.name);
            at = {ItemKind::DesktopFile, path, item.name, path};
            break;
        }
        case ItemKind::FileSystem: {
            if (at.path.isEmpty() || !SafeComponent(item.name))
                return std::nullopt;
            const QString path = JoinPath(at.path, item.name);
            at = {ItemKind::FileSystem, path, item.name, path};
            break;
        }
        default:
            return std::nullopt;
        }
    }
    if (at.kind == 0)
        at.parsing.clear();
    return at;
}

uint8_t ShellNamespace::KindOf(const IdList& list) const {
    if (!list)
        return 0;
    const std::optional<Resolved> resolved = Resolve(*list);
    return resolved ? resolved->kind : 0;
}

QString ShellNamespace::FileSystemPath(const IdList& list) const {
    if (!list)
        return {};
    const std::optional<Resolved> resolved = Resolve(*list);
    return resolved ? resolved->path : QString();
}

QString ShellNamespace::GetDisplayName(const IdList& list) const {
    QString text;
    GetDisplayNameOf(list, text, nullptr, 0);
    return text;
}

bool ShellNamespace::GetDisplayNameOf(const IdList& list, QString& text, const ShellFolder* folder,
                                      uint32_t flags) const {
    if (!list)
        return false;
    const QByteArray absolute = folder ? *Concat(folder->List(), list) : *list;
    const std::optional<Resolved> resolved = Resolve(absolute);
    if (!resolved)
        return false;
    text = (flags & ShellFlag::NameForParsing) ? resolved->parsing : resolved->name;
    return true;
}

bool ShellNamespace::ParsePath(const QString& text, IdList& list) const {
    if (text.isEmpty()) {
        list = DesktopList();
        return true;
    }
    if (text == kComputerParsing) {
        list = DrivesList();
        return true;
    }
    QString path = text;
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path = QDir::homePath() + path.mid(1);
    if (!path.startsWith(kRoot))
        return false;
    path = QDir::cleanPath(path);
    if (!FileNameExists(path))
        return false;
    const Volume* best = nullptr;
    const QList<Volume> volumes = Volumes();
    for (const Volume& volume : volumes) {
        const bool inside = volume.mountPath == kRoot || path == volume.mountPath ||
                            path.startsWith(JoinPath(volume.mountPath, QString()));
        if (inside && (!best || volume.mountPath.size() > best->mountPath.size()))
            best = &volume;
    }
    if (!best)
        return false;
    QByteArray items =
        MakeItem(ItemKind::Computer, {}) + MakeItem(ItemKind::Volume, best->mountPath);
    for (const QString& component :
         path.mid(best->mountPath.size()).split(kRoot, Qt::SkipEmptyParts))
        items += MakeItem(ItemKind::FileSystem, component);
    list = Terminated(items);
    return true;
}

std::unique_ptr<ShellFolder> ShellNamespace::BindFolder(const IdList& list) const {
    const QByteArray absolute = list ? Terminated(*list) : DesktopList();
    const std::optional<Resolved> resolved = Resolve(absolute);
    if (!resolved || resolved->kind == ItemKind::Controls)
        return nullptr;
    if (!resolved->path.isEmpty() && !IsFolder(resolved->path))
        return nullptr;
    return std::unique_ptr<ShellFolder>(
        new ShellFolder(*this, absolute, resolved->path, resolved->kind));
}

QString ShellNamespace::TypeKey(const IdList& list) const {
    if (!list)
        return {};
    const std::optional<Resolved> resolved = Resolve(*list);
    if (!resolved)
        return {};
    switch (resolved->kind) {
    case 0:
        return QStringLiteral("user-desktop");
    case ItemKind::Home:
        return QStringLiteral("user-home");
    case ItemKind::Computer:
        return QStringLiteral("computer");
    case ItemKind::Volume:
        return QStringLiteral("drive-harddisk");
    case ItemKind::Controls:
        return QStringLiteral("preferences-system");
    default:
        break;
    }
    if (IsFolder(resolved->path))
        return kFolderKey;
    return FileTypeKey(resolved->name);
}

QString ShellNamespace::FileTypeKey(const QString& fileName) {
    return Mime().mimeTypesForFileName(fileName).value(0).name();
}

QString ShellNamespace::TypeName(const QString& typeKey) {
    static const QHash<QString, QString> kVirtual{
        {QStringLiteral("user-desktop"), QStringLiteral("Desktop")},
        {QStringLiteral("user-home"), QStringLiteral("Home Folder")},
        {QStringLiteral("computer"), QStringLiteral("System Folder")},
        {QStringLiteral("drive-harddisk"), QStringLiteral("Volume")},
        {QStringLiteral("preferences-system"), QStringLiteral("System Folder")}};
    if (kVirtual.contains(typeKey))
        return kVirtual.value(typeKey);
    const QMimeType type = Mime().mimeTypeForName(typeKey);
    if (type.isValid() && !type.comment().isEmpty()) {
        QString comment = type.comment();
        comment[0] = comment[0].toUpper();
        return comment;
    }
    return typeKey;
}

int ShellNamespace::GetIconIndex(const IdList& list) const {
    return IconIndexForKey(TypeKey(list));
}

int ShellNamespace::IconIndexForKey(const QString& typeKey) {
    const QString key = typeKey == kFolderKey ? QStringLiteral("folder") : typeKey;
    QStringList& keys = IconKeys();
    qsizetype index = keys.indexOf(key);
    if (index < 0) {
        keys << key;
        index = keys.size() - 1;
    }
    return int(index);
}

QString SystemIconKey(int index) {
    return IconKeys().value(index);
}

QByteArray ShellNamespace::MakeItem(uint8_t kind, const QString& name) {
    return MakeItemFromBytes(kind, EncodeFileName(name));
}

QByteArray ShellNamespace::MakeItemFromBytes(uint8_t kind, const QByteArray& name) {
    const QByteArray payload = char(kind) + name;
    const qsizetype count = std::min<qsizetype>(kCountBytes + payload.size(), 0xFFFF);
    QByteArray item(kCountBytes, '\0');
    item[0] = char(count & 0xFF);
    item[1] = char(count >> 8);
    return item + payload.left(count - kCountBytes);
}

QByteArray ShellNamespace::DesktopList() const {
    return Terminated({});
}

QByteArray ShellNamespace::DrivesList() const {
    return Terminated(MakeItem(ItemKind::Computer, {}));
}

QByteArray ShellNamespace::ControlsList() const {
    return Terminated(MakeItem(ItemKind::Controls, {}));
}

QByteArray ShellNamespace::PersonalList() const {
    IdList list;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if ((IsFolder(documents) && ParsePath(documents, list)) || ParsePath(QDir::homePath(), list))
        return *list;
    return DesktopList();
}

QByteArray ShellNamespace::FirstFolder(const QString& lastBrowsed) const {
    if (lastBrowsed.isEmpty())
        return DesktopList();
    IdList list;
    return ParsePath(lastBrowsed, list) ? *list : PersonalList();
}

ShellFolder::ShellFolder(const ShellNamespace& shell, QByteArray list, QString path, uint8_t kind)
    : shell_(shell)
    , list_(std::move(list))
    , path_(std::move(path))
    , kind_(kind) {}

QList<QByteArray> ShellFolder::EnumObjects(uint32_t flags) const {
    QList<QByteArray> children;
    const bool folders = flags & ShellFlag::Folders;
    const auto terminated = [](const QByteArray& item) {
        return ShellNamespace::Terminated(item);
    };
    QString folderPath = path_;
    uint8_t childKind = ItemKind::FileSystem;
    if (kind_ == 0) {
        if (folders)
            children << terminated(ShellNamespace::MakeItem(ItemKind::Home, {}))
                     << terminated(ShellNamespace::MakeItem(ItemKind::Computer, {}));
        folderPath = DesktopFolder();
        childKind = ItemKind::DesktopFile;
    } else if (kind_ == ItemKind::Computer) {
        if (folders)
            for (const Volume& volume : shell_.Volumes())
                children << terminated(
                    ShellNamespace::MakeItem(ItemKind::Volume, volume.mountPath));
        return children;
    }
    if (folderPath.isEmpty())
        return children;
    // readdir rather than QDir: a name that is not valid UTF-8 is still
    // listed, and the entry's type mostly comes without a stat.
    DIR* dir = opendir(EncodeFileName(folderPath).constData());
    if (!dir)
        return children;
    enumerated_.clear();
    const int fd = dirfd(dir);
    while (const dirent* found = readdir(dir)) {
        const QByteArray name(found->d_name);
        if (name == "." || name == "..")
            continue;
        if (name.startsWith('.') && !(flags & ShellFlag::IncludeHidden))
            continue;
        Entry entry;
        entry.isDir = found->d_type == DT_DIR;
        bool isFile = found->d_type == DT_REG;
        if (found->d_type == DT_LNK || found->d_type == DT_UNKNOWN) {
            entry.hasStat = fstatat(fd, found->d_name, &entry.attributes, 0) == 0;
            if (entry.hasStat) {
                entry.isDir = S_ISDIR(entry.attributes.st_mode);
                isFile = S_ISREG(entry.attributes.st_mode);
            }
        }
        const bool isDir = entry.isDir;
        if ((isDir && !folders) || (isFile && !(flags & ShellFlag::NonFolders)) ||
            (!isDir && !isFile))
            continue;
        const QByteArray child = terminated(ShellNamespace::MakeItemFromBytes(childKind, name));
        enumerated_.insert(child, entry);
        children << child;
    }
    closedir(dir);
    return children;
}

uint32_t ShellFolder::GetAttributesOf(const QByteArray& relative) const {
    const QList<Item> items = Items(relative);
    if (items.isEmpty())
        return 0;
    const uint8_t kind = items.first().kind;
    if (kind == ItemKind::Home || kind == ItemKind::Computer || kind == ItemKind::Volume)
        return ShellFlag::AttrFolder | ShellFlag::AttrHasSubfolder;
    if (kind == ItemKind::Controls)
        return 0;
    const auto known = enumerated_.constFind(ShellNamespace::Terminated(FirstItem(relative)));
    const bool isDir =
        known != enumerated_.constEnd()
            ? known->isDir
            : IsFolder(shell_.FileSystemPath(ShellNamespace::Concat(list_, relative)));
    return isDir ? ShellFlag::AttrFolder | ShellFlag::AttrHasSubfolder : 0;
}

const struct stat* ShellFolder::EnumeratedStat(const QByteArray& relative) const {
    const auto known = enumerated_.constFind(ShellNamespace::Terminated(FirstItem(relative)));
    return known != enumerated_.constEnd() && known->hasStat ? &known->attributes : nullptr;
}

QString ShellFolder::GetDisplayNameOf(const QByteArray& relative, uint32_t flags) const {
    QString text;
    shell_.GetDisplayNameOf(relative, text, this, flags);
    return text;
}

int ShellFolder::CompareIDs(const QByteArray& a, const QByteArray& b) const {
    const QList<Item> left = Items(a);
    const QList<Item> right = Items(b);
    if (left.isEmpty() || right.isEmpty())
        return left.isEmpty() == right.isEmpty() ? 0 : (left.isEmpty() ? -1 : 1);
    int result = 0;
    if (kind_ == ItemKind::Computer) {
        const QList<Volume> volumes = shell_.Volumes();
        const auto position = [&volumes](const QString& mount) {
            for (qsizetype i = 0; i < volumes.size(); ++i)
                if (volumes[i].mountPath == mount)
                    return i;
            return volumes.size();
        };
        const qsizetype pa = position(left.first().name);
        const qsizetype pb = position(right.first().name);
        result = pa == pb ? 0 : (pa < pb ? -1 : 1);
    } else {
        const QByteArray firstA = ShellNamespace::Terminated(FirstItem(a));
        const QByteArray firstB = ShellNamespace::Terminated(FirstItem(b));
        const bool folderA = GetAttributesOf(firstA) & ShellFlag::AttrFolder;
        const bool folderB = GetAttributesOf(firstB) & ShellFlag::AttrFolder;
        if (folderA != folderB)
            return folderA ? -1 : 1;
        if (left.first().kind != right.first().kind)
            result = left.first().kind < right.first().kind ? -1 : 1;
        else
            result =
                std::clamp(NaturalOrder().compare(left.first().name, right.first().name), -1, 1);
    }
    if (result != 0 || (left.size() == 1 && right.size() == 1))
        return result;
    if (left.size() == 1 || right.size() == 1)
        return left.size() < right.size() ? -1 : 1;
    // The same first item: compare the rest inside it.
    const std::unique_ptr<ShellFolder> child =
        shell_.BindFolder(ShellNamespace::Concat(list_, ShellNamespace::Terminated(FirstItem(a))));
    if (!child)
        return 0;
    const qsizetype restA = ShellNamespace::Next(a, 0);
    const qsizetype restB = ShellNamespace::Next(b, 0);
    return child->CompareIDs(a.mid(restA), b.mid(restB));
}
