// SPDX-License-Identifier: MIT
#include "browse/FileListModel.h"

#include "browse/BrowseIds.h"
#include "browse/LocaleFormats.h"
#include "browse/SystemImageList.h"
#include "browse/ThumbnailCache.h"
#include "platform/FileName.h"

#include <QPainter>

void FileListModel::SetRows(QList<FileItem> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    // A refreshed folder may hold new thumbnails, and files changed since.
    thumbnails_.clear();
    marked_ = QList<bool>(rows_.size(), false);
    endResetModel();
}

QIcon FileListModel::Icon(const FileItem& row) const {
    if (row.isFolder || row.path.isEmpty() || row.time == 0)
        return SystemIcon(row.icon);
    auto known = thumbnails_.constFind(row.path);
    if (known == thumbnails_.constEnd()) {
        const QImage thumbnail =
            ThumbnailCache::Find(row.path, FromFileTime(row.time).toSecsSinceEpoch());
        QIcon icon;
        if (!thumbnail.isNull()) {
            // Square, so that every name starts where the others do.
            const int side = std::max(thumbnail.width(), thumbnail.height());
            QPixmap square(side, side);
            square.fill(Qt::transparent);
            QPainter(&square).drawImage((side - thumbnail.width()) / 2,
                                        (side - thumbnail.height()) / 2, thumbnail);
            icon = QIcon(square);
        }
        known = thumbnails_.insert(row.path, icon);
    }
    return known->isNull() ? SystemIcon(row.icon) : *known;
}

const FileItem* FileListModel::Row(int index) const {
    return index >= 0 && index < rows_.size() ? &rows_[index] : nullptr;
}

bool FileListModel::IsMarked(int index) const {
    return marked_.value(index, false);
}

void FileListModel::SetMarked(int index, bool marked) {
    if (index < 0 || index >= rows_.size())
        return;
    // A folder cannot be marked: the click that sets its box clears it again.
    marked_[index] = marked && !rows_[index].isFolder;
    const QModelIndex cell = this->index(index, FileColumn::Name);
    Q_EMIT dataChanged(cell, cell, {Qt::CheckStateRole});
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FileColumn::Count;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    const FileItem* row = Row(index.row());
    if (!row)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case FileColumn::Name:
            return ShownFileName(row->name);
        case FileColumn::Size:
            return row->sizeText;
        case FileColumn::Type:
            return row->typeName;
        case FileColumn::Time:
            return row->timeText;
        default:
            return {};
        }
    case Qt::DecorationRole:
        return column == FileColumn::Name && row->icon >= 0 ? QVariant(Icon(*row)) : QVariant();
    case Qt::CheckStateRole:
        if (column == FileColumn::Name)
            return marked_.value(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return int((column == FileColumn::Size ? Qt::AlignRight : Qt::AlignLeft) |
                   Qt::AlignVCenter);
    default:
        return {};
    }
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != FileColumn::Name || !Row(index.row()))
        return false;
    SetMarked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == FileColumn::Name)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int((section == FileColumn::Size ? Qt::AlignRight : Qt::AlignLeft) |
                   Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case FileColumn::Name:
        return BrowseText::ColumnName;
    case FileColumn::Size:
        return BrowseText::ColumnSize;
    case FileColumn::Type:
        return BrowseText::ColumnType;
    case FileColumn::Time:
        return BrowseText::ColumnTime;
    default:
        return {};
    }
}
