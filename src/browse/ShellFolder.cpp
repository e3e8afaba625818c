// SPDX-License-Identifier: MIT
#include "browse/ShellFolder.h"

#include "browse/ShellItems.h"
#include "browse/ShellNamespace.h"
#include "platform/FileName.h"

#include <QCollator>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>

namespace {

QCollator& NaturalOrder() {
    static QCollator collator = [] {
        QCollator c;
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

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
        if (folders) {
            children << terminated(ShellNamespace::MakeItem(ItemKind::Home, {}));
            // Where a new user's photos are: one click from the start.
            if (!PicturesFolderPath().isEmpty())
                children << terminated(ShellNamespace::MakeItem(ItemKind::Pictures, {}));
            children << terminated(ShellNamespace::MakeItem(ItemKind::Computer, {}));
        }
        folderPath = DesktopFolderPath();
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
    const QList<ShellItem> items = ShellItems(relative);
    if (items.isEmpty())
        return 0;
    const uint8_t kind = items.first().kind;
    if (kind == ItemKind::Home || kind == ItemKind::Pictures || kind == ItemKind::Computer ||
        kind == ItemKind::Volume)
        return ShellFlag::AttrFolder | ShellFlag::AttrHasSubfolder;
    if (kind == ItemKind::Controls)
        return 0;
    const auto known = enumerated_.constFind(ShellNamespace::Terminated(FirstShellItem(relative)));
    const bool isDir =
        known != enumerated_.constEnd()
            ? known->isDir
            : IsFolder(shell_.FileSystemPath(ShellNamespace::Concat(list_, relative)));
    return isDir ? ShellFlag::AttrFolder | ShellFlag::AttrHasSubfolder : 0;
}

const struct stat* ShellFolder::EnumeratedStat(const QByteArray& relative) const {
    const auto known = enumerated_.constFind(ShellNamespace::Terminated(FirstShellItem(relative)));
    return known != enumerated_.constEnd() && known->hasStat ? &known->attributes : nullptr;
}

QString ShellFolder::GetDisplayNameOf(const QByteArray& relative, uint32_t flags) const {
    QString text;
    shell_.GetDisplayNameOf(relative, text, this, flags);
    return text;
}

int ShellFolder::CompareIDs(const QByteArray& a, const QByteArray& b) const {
    const QList<ShellItem> left = ShellItems(a);
    const QList<ShellItem> right = ShellItems(b);
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
        const QByteArray firstA = ShellNamespace::Terminated(FirstShellItem(a));
        const QByteArray firstB = ShellNamespace::Terminated(FirstShellItem(b));
        const bool folderA = GetAttributesOf(firstA) & ShellFlag::AttrFolder;
        const bool folderB = GetAttributesOf(firstB) & ShellFlag::AttrFolder;
        if (folderA != folderB)
            return folderA ? -1 : 1;
        // The pictures folder stands right after Home.
        const auto rank = [](uint8_t kind) {
            return kind == ItemKind::Pictures ? ItemKind::Home + 0.5 : double(kind);
        };
        if (left.first().kind != right.first().kind)
            result = rank(left.first().kind) < rank(right.first().kind) ? -1 : 1;
        else
            result =
                std::clamp(NaturalOrder().compare(left.first().name, right.first().name), -1, 1);
    }
    if (result != 0 || (left.size() == 1 && right.size() == 1))
        return result;
    if (left.size() == 1 || right.size() == 1)
        return left.size() < right.size() ? -1 : 1;
    // The same first item: compare the rest inside it.
    const std::unique_ptr<ShellFolder> child = shell_.BindFolder(
        ShellNamespace::Concat(list_, ShellNamespace::Terminated(FirstShellItem(a))));
    if (!child)
        return 0;
    const qsizetype restA = ShellNamespace::Next(a, 0);
    const qsizetype restB = ShellNamespace::Next(b, 0);
    return child->CompareIDs(a.mid(restA), b.mid(restB));
}
