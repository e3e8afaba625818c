// SPDX-License-Identifier: MIT
#include "browse/ShellNamespace.h"

#include "browse/ShellItems.h"
#include "platform/FileName.h"
#include "platform/UiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr qsizetype kCountBytes = 2;
const QString kRoot = QStringLiteral("/");
const QString kComputerParsing = QStringLiteral("::Computer");
const QString kControlsParsing = QStringLiteral("::Controls");
const QString kFolderKey = QStringLiteral("inode/directory");

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

bool SafeComponent(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".") &&
           name != QLatin1String("..") && !name.contains(QChar(0));
}

QString JoinPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
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

QList<ShellItem> ShellItems(const QByteArray& list) {
    QList<ShellItem> items;
    qsizetype offset = 0;
    for (qsizetype next; (next = ShellNamespace::Next(list, offset)) >= 0; offset = next) {
        const QByteArray payload = list.mid(offset + kCountBytes, next - offset - kCountBytes);
        items << ShellItem{payload.isEmpty() ? uint8_t(0) : uint8_t(payload[0]),
                           DecodeFileName(payload.mid(1))};
    }
    return items;
}

QByteArray FirstShellItem(const QByteArray& list) {
    const qsizetype next = ShellNamespace::Next(list, 0);
    return next < 0 ? QByteArray() : list.left(next);
}

QString PicturesFolderPath() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty() || QDir(pictures) == QDir(QDir::homePath()) || !IsFolder(pictures))
        return {};
    return pictures;
}

QString DesktopFolderPath() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty() || QDir(desktop) == QDir(QDir::homePath()) || !IsFolder(desktop))
        return {};
    return desktop;
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
    return list ? int(ShellItems(*list).size()) : 0;
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

std::optional<ShellNamespace::Resolved> ShellNamespace::Step(Resolved at,
                                                             const ShellItem& item) const {
    const bool top = at.kind == 0;
    switch (item.kind) {
    case ItemKind::Home:
        if (!top)
            return std::nullopt;
        at = {ItemKind::Home, QDir::homePath(), TrText("Shell", "Home"), QDir::homePath()};
        break;
    case ItemKind::Computer:
        if (!top)
            return std::nullopt;
        at = {ItemKind::Computer, {}, TrText("Shell", "Computer"), kComputerParsing};
        break;
    case ItemKind::Pictures: {
        const QString pictures = PicturesFolderPath();
        if (!top || pictures.isEmpty())
            return std::nullopt;
        at = {ItemKind::Pictures, pictures, QFileInfo(pictures).fileName(), pictures};
        break;
    }
    case ItemKind::Controls:
        if (!top)
            return std::nullopt;
        at = {ItemKind::Controls, {}, TrText("Shell", "Control Panel"), kControlsParsing};
        break;
    case ItemKind::Volume: {
        if (at.kind != ItemKind::Computer || !item.name.startsWith(kRoot))
            return std::nullopt;
        QString label;
        for (const Volume& volume : Volumes())
            if (volume.mountPath == item.name)
                label = volume.label;
        if (label.isEmpty())
            label = item.name == kRoot ? TrText("Shell", "File System")
                                       : QFileInfo(item.name).fileName();
        at = {ItemKind::Volume, item.name, label, item.name};
        break;
    }
    case ItemKind::DesktopFile: {
        const QString desktop = DesktopFolderPath();
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
    return at;
}

std::optional<ShellNamespace::Resolved> ShellNamespace::Resolve(const QByteArray& list) const {
    std::optional<Resolved> at = ResolveChild({0, {}, TrText("Shell", "Desktop"), {}}, list);
    if (at && at->kind == 0)
        at->parsing.clear();
    return at;
}

std::optional<ShellNamespace::Resolved>
ShellNamespace::ResolveChild(const Resolved& folder, const QByteArray& child) const {
    std::optional<Resolved> at = folder;
    for (const ShellItem& item : ShellItems(child))
        if (!(at = Step(*at, item)))
            return std::nullopt;
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
    case ItemKind::Pictures:
        return QStringLiteral("folder-pictures");
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
    static constexpr std::pair<const char*, UiText> kVirtual[] = {
        {"user-desktop", TrText("Shell", "Desktop")},
        {"user-home", TrText("Shell", "Home Folder")},
        {"folder-pictures", TrText("Shell", "Pictures Folder")},
        {"computer", TrText("Shell", "System Folder")},
        {"drive-harddisk", TrText("Shell", "Volume")},
        {"preferences-system", TrText("Shell", "System Folder")}};
    for (const auto& [key, name] : kVirtual)
        if (typeKey == QLatin1String(key))
            return name;
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
