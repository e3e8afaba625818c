// SPDX-License-Identifier: MIT
#pragma once

#include "browse/FolderListing.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QList>

// The file list's rows for the view: four columns, a check box on every
// row (a folder's clears itself at once), icons by the namespace's index,
// or a picture's own thumbnail where the desktop's thumbnail cache has a
// valid one (looked up when the row is first painted). Thousands of rows
// cost no widgets.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(QList<FileItem> rows);
    const QList<FileItem>& Rows() const { return rows_; }
    const FileItem* Row(int index) const;
    bool IsMarked(int index) const;
    void SetMarked(int index, bool marked);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QIcon Icon(const FileItem& row) const;

    QList<FileItem> rows_;
    mutable QHash<QString, QIcon> thumbnails_; // by path; a null icon: none cached
    QList<bool> marked_;
};
