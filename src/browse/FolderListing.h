// SPDX-License-Identifier: MIT
#pragma once

#include "browse/LocaleFormats.h"
#include "browse/ShellNamespace.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// One row of the file list.
struct FileItem {
    bool isParent = false; // the ".." row
    bool isFolder = false; // the ".." row and every folder row
    QString path;          // the full parsing name; empty for volumes and virtual folders
    QString name;          // what the "File Name" column shows
    uint64_t size = 0;     // bytes; 0 for folders
    QString typeName;
    FileTime time = 0;  // last write; 0 when the lookup failed
    QByteArray itemIds; // absolute; for ".." the shown folder's list
    QString sizeText;   // "1,500 KB"; empty for folders
    QString timeText;
    int icon = -1;        // index into the process-wide icon list
    QByteArray nameBytes; // UTF-8, for the byte-wise name order
    QByteArray typeBytes;
};

// The file list's columns.
namespace FileColumn {
constexpr int Name = 0;
constexpr int Size = 1;
constexpr int Type = 2;
constexpr int Time = 3;
constexpr int Count = 4;
} // namespace FileColumn

// The rows of one folder, as the file list shows them: its sub-folders and
// its pictures (by extension only: no file is opened), and a ".." row first
// for a folder that has a parent below a volume. A folder that cannot be
// read gives just its ".." row. Sizes and times come from one lookup per
// row, in the user's regional format. Hidden items (names starting with a
// dot) are listed only when asked for.
class FolderListing {
public:
    FolderListing(const ShellNamespace& shell, const LocaleFormats& formats);

    // folder null or empty: the Desktop.
    QList<FileItem> List(const IdList& folder, bool withHidden = false) const;
    // Sorts in place: ".." first; in the drives folder the namespace's own
    // order; folders before pictures; then by the column, byte-wise for
    // texts, and reversed when descending.
    void Sort(QList<FileItem>& rows, int column, bool ascending, const IdList& folder) const;
    // The order of two rows that are not "..", as Sort uses it.
    static int CompareRows(const FileItem& a, const FileItem& b, int column, bool ascending);

    // "1 KB" up to 1024 bytes, else kilobytes rounded up, grouped.
    QString SizeText(uint64_t size) const;
    // What the status bar says of a folder: "1,514 pictures, 3 marked,
    // 12.4 MB", the size being the marked pictures' own.
    QString SummaryText(int pictures, int marked, uint64_t markedBytes) const;
    // The texts of one row, a tab between them, as tessary-batch --list prints them.
    static QString RowText(const FileItem& row);

private:
    void LookUp(FileItem& row, const QString& path, const struct stat* known) const;

    const ShellNamespace& shell_;
    const LocaleFormats& formats_;
    QString folderTypeName_;
};
