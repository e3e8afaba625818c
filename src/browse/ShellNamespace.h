// SPDX-License-Identifier: MIT
#pragma once

#include "browse/ShellFolder.h"
#include "browse/Volumes.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

struct ShellItem;

// An item identifier list in the shell's byte format: items that each begin
// with a 16-bit little-endian byte count (the count included), ended by a
// 16-bit zero. The Desktop is the empty list; nullopt is the null list.
// Our items carry a kind byte and a name, as its raw bytes: a file name
// need not be UTF-8.
using IdList = std::optional<QByteArray>;

namespace ItemKind {
constexpr uint8_t Home = 1;
constexpr uint8_t Computer = 2;
constexpr uint8_t Volume = 3;      // name: the mount path
constexpr uint8_t FileSystem = 4;  // name: one path component
constexpr uint8_t DesktopFile = 5; // name: a file or folder of the XDG desktop folder
constexpr uint8_t Controls = 6;    // listed by no folder
constexpr uint8_t Pictures = 7;    // the user's pictures folder, on the desktop after Home
} // namespace ItemKind

// The shell's flags, by their Windows values.
namespace ShellFlag {
constexpr uint32_t Folders = 0x20;       // enumeration: folders
constexpr uint32_t NonFolders = 0x40;    // enumeration: files
constexpr uint32_t IncludeHidden = 0x80; // enumeration: names starting with a dot
constexpr uint32_t AttrFolder = 0x20000000;
constexpr uint32_t AttrHasSubfolder = 0x80000000;
constexpr uint32_t NameInFolder = 0x1;
constexpr uint32_t NameForParsing = 0x8000;
} // namespace ShellFlag

// All work on item identifier lists: sizes, copies, joins, comparisons,
// names, icons, parsing typed paths and binding to folders, for the folders
// of a Linux desktop (Desktop, Home, Computer with its volumes, file-system
// folders). Malformed lists (a count running past the end, a zero-length
// item) are read as ending before the bad item: nothing reads out of bounds.
// User-interface thread.
class ShellNamespace {
public:
    explicit ShellNamespace(std::shared_ptr<const VolumeSource> volumes = {});

    static qsizetype Size(const IdList& list);
    // The offset of the item after the one at `offset`; -1 at the end.
    static qsizetype Next(const QByteArray& list, qsizetype offset);
    static int Count(const IdList& list);
    static IdList Copy(const IdList& list);
    static IdList Concat(const IdList& a, const IdList& b);
    static IdList CopyItemAt(const IdList& list, int n);
    static IdList CopyFirstItems(const IdList& list, int n);
    static int CompareBytes(const IdList& a, const IdList& b);
    // In `folder` (the Desktop by default), lists relative to it.
    int CompareItems(const IdList& a, const IdList& b, const ShellFolder* folder = nullptr) const;

    // An index into the process-wide icon list (SystemIconKey gives its key).
    int GetIconIndex(const IdList& list) const;
    QString GetDisplayName(const IdList& list) const;
    // Relative to `folder` (the Desktop, that is absolute, by default);
    // false when there is no such item.
    bool GetDisplayNameOf(const IdList& list, QString& text, const ShellFolder* folder = nullptr,
                          uint32_t flags = ShellFlag::NameForParsing) const;
    // An absolute path (a leading ~ expanded) of an existing file or folder,
    // "::Computer", or "" for the Desktop.
    bool ParsePath(const QString& text, IdList& list) const;
    // The folder of an absolute list (the Desktop for null or empty); null
    // when the list names no folder.
    std::unique_ptr<ShellFolder> BindFolder(const IdList& list) const;

    // The MIME type name (or a folder's key) of an item, for its type name
    // and icon; and the type's description.
    QString TypeKey(const IdList& list) const;
    static QString TypeName(const QString& typeKey);
    // A file's type by its name alone: nothing is read from it.
    static QString FileTypeKey(const QString& fileName);
    // The kind of a list's last item (ItemKind), 0 for the Desktop and for
    // a list that names nothing.
    uint8_t KindOf(const IdList& list) const;
    // The file-system path of an item; empty for virtual items.
    QString FileSystemPath(const IdList& list) const;

    static QByteArray MakeItem(uint8_t kind, const QString& name);
    // With the name's bytes as the file system holds them, valid UTF-8 or not.
    static QByteArray MakeItemFromBytes(uint8_t kind, const QByteArray& name);
    static QByteArray Terminated(const QByteArray& items);

    // The special folders: Desktop, Computer (the drives folder), Controls,
    // and the personal documents folder (XDG documents, else $HOME).
    QByteArray DesktopList() const;
    QByteArray DrivesList() const;
    QByteArray ControlsList() const;
    QByteArray PersonalList() const;
    // Where browsing starts: the folder shown last (a parsable text) while
    // it is there, the Desktop when there was none, else the personal folder.
    QByteArray FirstFolder(const QString& lastBrowsed) const;

    // The volumes, read again when the last reading is more than a moment
    // old: a list of thousands of rows asks for them once per row.
    QList<Volume> Volumes() const;
    // The icon index of a type key (TypeKey).
    static int IconIndexForKey(const QString& typeKey);

    // What a list names: its kind (0 the Desktop), file-system path (empty
    // for virtual items), display name and parsing name.
    struct Resolved {
        uint8_t kind = 0;
        QString path;
        QString name;
        QString parsing;
    };
    std::optional<Resolved> Resolve(const QByteArray& list) const;
    // Resolve of a folder's list with child's items after it, from the
    // folder's own resolution: a listing resolves its folder once, not once
    // a row.
    std::optional<Resolved> ResolveChild(const Resolved& folder, const QByteArray& child) const;

private:
    // Where one more item leads from `at`; nothing when it cannot stand there.
    std::optional<Resolved> Step(Resolved at, const ShellItem& item) const;

    std::shared_ptr<const VolumeSource> volumes_;
    mutable QList<Volume> cachedVolumes_;
    mutable QElapsedTimer volumesAge_;
};

// The key of an icon index: a theme icon name or a MIME type name.
QString SystemIconKey(int index);
