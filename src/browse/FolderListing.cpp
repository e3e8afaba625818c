// SPDX-License-Identifier: MIT
#include "browse/FolderListing.h"

#include "browse/BrowseIds.h"

#include "codec/PictureTypeTable.h"
#include "platform/FileName.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

#include <sys/stat.h>

namespace {

const QString kParentName = QStringLiteral("..");
const QString kFolderTypeKey = QStringLiteral("inode/directory");
const QString kImageTypes = QStringLiteral("image/");
// Its icon is a picture's, drawn by us where the theme has none.
const QString kPictureTypeKey = QStringLiteral("image/x-picture");
constexpr uint64_t kKilobyte = 1024;

int Order(int result) {
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int CompareBytes(const QByteArray& a, const QByteArray& b) {
    // QByteArray compares as unsigned bytes.
    return Order(a.compare(b));
}

// Type names by key, as a folder holds many pictures of few types.
QString TypeName(const QString& key) {
    static QHash<QString, QString> names;
    auto known = names.constFind(key);
    if (known == names.constEnd())
        known = names.insert(key, ShellNamespace::TypeName(key));
    return *known;
}

// A picture's type key by its extension, which is all that tells pictures
// apart: a folder of thousands of photos asks the MIME database once.
QString PictureTypeKey(const QString& name) {
    static QHash<QString, QString> keys;
    const QString extension = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
    auto known = keys.constFind(extension);
    if (known == keys.constEnd())
        known = keys.insert(extension,
                            ShellNamespace::FileTypeKey(QStringLiteral("picture.") + extension));
    return *known;
}

template <typename T> int CompareNumbers(T a, T b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

FolderListing::FolderListing(const ShellNamespace& shell, const LocaleFormats& formats)
    : shell_(shell)
    , formats_(formats)
    , folderTypeName_(ShellNamespace::TypeName(kFolderTypeKey)) {}

QString FolderListing::SizeText(uint64_t size) const {
    const uint64_t kilobytes =
        size <= kKilobyte ? 1 : size / kKilobyte + (size % kKilobyte ? 1 : 0);
    QString text = QString::number(kilobytes);
    formats_.GroupThousands(text);
    return text + QStringLiteral(" KB");
}

QString FolderListing::RowText(const FileItem& row) {
    return row.name + QLatin1Char('\t') + row.sizeText + QLatin1Char('\t') + row.typeName +
           QLatin1Char('\t') + row.timeText;
}

void FolderListing::LookUp(FileItem& row, const QString& path, const struct stat* known) const {
    row.path = path;
    // One stat per row at most: a folder of thousands of pictures lists
    // quickly.
    struct stat entry {};
    if (known)
        entry = *known;
    else if (::stat(EncodeFileName(path).constData(), &entry) != 0)
        return;
    if (!S_ISDIR(entry.st_mode)) {
        row.size = uint64_t(std::max<off_t>(entry.st_size, 0));
        row.sizeText = SizeText(row.size);
    }
    // Every stat has a last-write time; 1970-01-01 00:00:00 is one too.
    const int64_t ms = int64_t(entry.st_mtim.tv_sec) * 1000 + entry.st_mtim.tv_nsec / 1000000;
    row.time = ToFileTime(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
    row.timeText = formats_.FormatFileTime(row.time);
}

QString FolderListing::SummaryText(int pictures, int marked, uint64_t markedBytes) const {
    const auto grouped = [this](int number) {
        QString text = QString::number(number);
        formats_.GroupThousands(text);
        return text;
    };
    QString text =
        (pictures == 1 ? BrowseText::OnePicture : BrowseText::Pictures).arg(grouped(pictures));
    if (marked > 0)
        text += BrowseText::Marked.arg(grouped(marked), formats_.FormatByteSize(markedBytes));
    return text;
}

QList<FileItem> FolderListing::List(const IdList& folder, bool withHidden) const {
    const QByteArray current = folder ? ShellNamespace::Terminated(*folder) : shell_.DesktopList();
    QList<FileItem> rows;
    // A folder below a volume, Home, the pictures folder and the desktop's
    // folders have a parent; a volume (a drive root) and the virtual
    // folders have none.
    const uint8_t kind = shell_.KindOf(current);
    if (kind == ItemKind::FileSystem || kind == ItemKind::DesktopFile || kind == ItemKind::Home ||
        kind == ItemKind::Pictures) {
        FileItem parent;
        parent.isParent = parent.isFolder = true;
        parent.name = kParentName;
        parent.typeName = folderTypeName_;
        parent.itemIds = current;
        parent.icon = shell_.GetIconIndex(current);
        parent.nameBytes = parent.name.toUtf8();
        parent.typeBytes = parent.typeName.toUtf8();
        rows << parent;
    }
    const std::unique_ptr<ShellFolder> bound = shell_.BindFolder(current);
    const std::optional<ShellNamespace::Resolved> here = shell_.Resolve(current);
    if (!bound || !here)
        return rows;
    const uint32_t flags =
        ShellFlag::Folders | ShellFlag::NonFolders | (withHidden ? ShellFlag::IncludeHidden : 0);
    const QList<QByteArray> children = bound->EnumObjects(flags);
    rows.reserve(children.size() + rows.size());
    for (const QByteArray& child : children) {
        FileItem row;
        row.itemIds = *ShellNamespace::Concat(current, child);
        const std::optional<ShellNamespace::Resolved> item = shell_.ResolveChild(*here, child);
        if (!item)
            continue;
        const uint32_t attributes = bound->GetAttributesOf(child);
        if (attributes & (ShellFlag::AttrFolder | ShellFlag::AttrHasSubfolder)) {
            if (ShellNamespace::CompareBytes(row.itemIds, shell_.ControlsList()) == 0)
                continue;
            row.isFolder = true;
        } else if (!PictureTypeTable::IsPictureFileName(item->name)) {
            continue;
        }
        // A volume (a drive root) or a virtual folder has no entry of its
        // own to look up.
        if (item->kind == ItemKind::FileSystem || item->kind == ItemKind::DesktopFile ||
            item->kind == ItemKind::Home || item->kind == ItemKind::Pictures)
            LookUp(row, item->path, bound->EnumeratedStat(child));
        row.name = item->name;
        // By the name alone: no file is opened to list it.
        QString typeKey = row.isFolder ? shell_.TypeKey(row.itemIds) : PictureTypeKey(row.name);
        // An extension the MIME database does not know ("x.jpgx") is still a
        // picture's, by the list's own rule.
        const bool unknownPicture = !row.isFolder && !typeKey.startsWith(kImageTypes);
        if (unknownPicture)
            typeKey = kPictureTypeKey;
        row.typeName =
            unknownPicture
                ? BrowseText::UnknownPicture.arg(row.name.section(QLatin1Char('.'), -1).toUpper())
                : TypeName(typeKey);
        row.icon = ShellNamespace::IconIndexForKey(typeKey);
        row.nameBytes = row.name.toUtf8();
        row.typeBytes = row.typeName.toUtf8();
        rows << row;
    }
    return rows;
}

int FolderListing::CompareRows(const FileItem& a, const FileItem& b, int column, bool ascending) {
    if (a.isFolder != b.isFolder)
        return a.isFolder ? -1 : 1;
    int result = 0;
    switch (column) {
    case FileColumn::Name:
        result = CompareBytes(a.nameBytes, b.nameBytes);
        break;
    case FileColumn::Size:
        result = CompareNumbers(a.size, b.size);
        break;
    case FileColumn::Type:
        result = CompareBytes(a.typeBytes, b.typeBytes);
        break;
    case FileColumn::Time:
        result = CompareNumbers(a.time, b.time);
        break;
    default:
        break;
    }
    return ascending ? result : -result;
}

void FolderListing::Sort(QList<FileItem>& rows, int column, bool ascending,
                         const IdList& folder) const {
    const auto parent = std::stable_partition(rows.begin(), rows.end(),
                                              [](const FileItem& row) { return row.isParent; });
    const bool inDrives = folder && ShellNamespace::CompareBytes(*folder, shell_.DrivesList()) == 0;
    std::stable_sort(parent, rows.end(), [&](const FileItem& a, const FileItem& b) {
        if (inDrives)
            return shell_.CompareItems(a.itemIds, b.itemIds) < 0;
        return CompareRows(a, b, column, ascending) < 0;
    });
}
