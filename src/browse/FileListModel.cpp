// SPDX-License-Identifier: MIT
#include "browse/FileListModel.h"

#include "browse/BrowseIds.h"
#include "browse/LocaleFormats.h"
#include "browse/SystemImageList.h"
#include "browse/ThumbnailLoader.h"
#include "platform/FileName.h"

#include <QPainter>

namespace {
// Thumbnails held in memory, in KB: some two thousand of the grid's size,
// whatever the size of the folder.
constexpr int kHeldThumbnailsKb = 96 * 1024;
} // namespace

FileListModel::FileListModel(QObject* parent)
    : QAbstractTableModel(parent)
    , loader_(new ThumbnailLoader(this))
    , thumbnails_(kHeldThumbnailsKb) {
    connect(loader_, &ThumbnailLoader::Ready, this, &FileListModel::OnThumbnail);
}

void FileListModel::SetRows(QList<FileItem> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    rowOf_.clear();
    for (int i = 0; i < rows_.size(); ++i)
        if (!rows_[i].isFolder && !rows_[i].path.isEmpty())
            rowOf_.insert(rows_[i].path, i);
    // A refreshed folder may hold new thumbnails; rows no longer shown wait
    // for nothing. Thumbnails held stay, for files that have not changed.
    loader_->Clear();
    asked_.clear();
    none_.clear();
    marked_ = QList<bool>(rows_.size(), false);
    pictureCount_ = int(std::count_if(rows_.cbegin(), rows_.cend(),
                                      [](const FileItem& row) { return !row.isFolder; }));
    markedCount_ = 0;
    markedBytes_ = 0;
    endResetModel();
}

void FileListModel::SetMakeThumbnails(bool make, int side) {
    makeThumbnails_ = make;
    thumbnailSide_ = side;
    // Rows without a thumbnail are asked again, now to be made.
    if (make && !none_.isEmpty()) {
        none_.clear();
        if (!rows_.isEmpty())
            Q_EMIT dataChanged(index(0, 0), index(int(rows_.size()) - 1, 0), {Qt::DecorationRole});
    }
}

QIcon FileListModel::Icon(const FileItem& row) const {
    if (row.isFolder || row.path.isEmpty() || row.time == 0)
        return SystemIcon(row.icon);
    if (const Thumbnail* known = thumbnails_.object(row.path); known && known->time == row.time)
        return known->icon;
    // Asked before only to read, it is asked again once thumbnails are made.
    const auto asked = asked_.constFind(row.path);
    if (!none_.contains(row.path) && (asked == asked_.constEnd() || (makeThumbnails_ && !*asked))) {
        asked_.insert(row.path, makeThumbnails_);
        loader_->Request(row.path, FromFileTime(row.time).toSecsSinceEpoch(), makeThumbnails_,
                         thumbnailSide_);
    }
    return SystemIcon(row.icon);
}

void FileListModel::OnThumbnail(const QString& path, const QImage& thumbnail, bool made) {
    if (asked_.value(path, !made) == made)
        asked_.remove(path);
    const int row = rowOf_.value(path, -1);
    if (row < 0)
        return;
    const QModelIndex cell = index(row, FileColumn::Name);
    if (thumbnail.isNull()) {
        // Asked only to read before the grid came: painted again, it is
        // asked to make one.
        if (made || !makeThumbnails_)
            none_.insert(path);
        else if (!asked_.contains(path))
            Q_EMIT dataChanged(cell, cell, {Qt::DecorationRole});
        return;
    }
    // Square, so that every name starts where the others do.
    const int side = std::max(thumbnail.width(), thumbnail.height());
    QPixmap square(side, side);
    square.fill(Qt::transparent);
    QPainter(&square).drawImage((side - thumbnail.width()) / 2, (side - thumbnail.height()) / 2,
                                thumbnail);
    thumbnails_.insert(path, new Thumbnail{QIcon(square), rows_[row].time},
                       std::max<qsizetype>(1, qsizetype(side) * side * 4 / 1024));
    Q_EMIT dataChanged(cell, cell, {Qt::DecorationRole});
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
    const bool now = marked && !rows_[index].isFolder;
    if (now != marked_[index]) {
        markedCount_ += now ? 1 : -1;
        markedBytes_ = now ? markedBytes_ + rows_[index].size : markedBytes_ - rows_[index].size;
    }
    marked_[index] = now;
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
        return BrowseText::ColumnName.toString();
    case FileColumn::Size:
        return BrowseText::ColumnSize.toString();
    case FileColumn::Type:
        return BrowseText::ColumnType.toString();
    case FileColumn::Time:
        return BrowseText::ColumnTime.toString();
    default:
        return {};
    }
}
