// SPDX-License-Identifier: MIT
#pragma once

#include "browse/FolderListing.h"

#include <QAbstractTableModel>
#include <QCache>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QSet>

class ThumbnailLoader;

// The file list's rows for the view: four columns, a check box on every
// row (a folder's clears itself at once), icons by the namespace's index,
// or a picture's own thumbnail where the desktop's thumbnail cache has a
// valid one, looked up on a worker when the row is first painted, and made
// there too while thumbnails are shown large. Thousands of rows cost no
// widgets, and the thumbnails held are the last ones shown, to a limit.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FileListModel(QObject* parent = nullptr);

    void SetRows(QList<FileItem> rows);
    const QList<FileItem>& Rows() const { return rows_; }
    const FileItem* Row(int index) const;
    bool IsMarked(int index) const;
    void SetMarked(int index, bool marked);
    // The pictures' rows, the marked ones and their bytes, kept as the rows
    // and marks change: the status bar asks at every mark.
    int PictureCount() const { return pictureCount_; }
    int MarkedCount() const { return markedCount_; }
    uint64_t MarkedBytes() const { return markedBytes_; }
    // Whether thumbnails missing from the cache are made, not only read, and
    // their side in the screen's pixels.
    void SetMakeThumbnails(bool make, int side);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Thumbnail {
        QIcon icon;
        FileTime time = 0; // the file's, when the thumbnail was read
    };
    QIcon Icon(const FileItem& row) const;
    void OnThumbnail(const QString& path, const QImage& thumbnail, bool made);

    QList<FileItem> rows_;
    QHash<QString, int> rowOf_; // by path
    QList<bool> marked_;
    int pictureCount_ = 0;
    int markedCount_ = 0;
    uint64_t markedBytes_ = 0;
    ThumbnailLoader* loader_;
    bool makeThumbnails_ = false;
    int thumbnailSide_ = 0;
    mutable QCache<QString, Thumbnail> thumbnails_; // by path; costs in KB
    mutable QHash<QString, bool> asked_;            // requests under way: to make?
    QSet<QString> none_;                            // paths known to have none
};
