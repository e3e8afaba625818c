// SPDX-License-Identifier: MIT
#include "browse/ThumbnailView.h"

#include "browse/FileListModel.h"
#include "browse/FileListView.h"
#include "browse/ThumbnailCache.h"
#include "browse/ThumbnailDelegate.h"

#include <QKeyEvent>
#include <QMouseEvent>

CThumbnailView::CThumbnailView(CFileListView& list, QWidget* parent)
    : QListView(parent)
    , list_(list) {
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setLayoutMode(QListView::Batched); // a large folder lays out without a pause
    // Every cell the same size: only the cells in view are asked for.
    setUniformItemSizes(true);
    setIconSize({ThumbnailCache::kSide, ThumbnailCache::kSide});
    setItemDelegate(new ThumbnailDelegate(this));
    setSpacing(2);
    setMouseTracking(true); // the cell under the pointer lights up
    // Whole rows, as the list selects them: its commands read selected rows.
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(&list.Model());
    setSelectionModel(list.selectionModel());
    list.SetSecondView(this);
}

void CThumbnailView::keyPressEvent(QKeyEvent* event) {
    if (list_.OnViewKey(event))
        return;
    const int before = currentIndex().row();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && before >= 0) {
        list_.OpenRow(before);
        return;
    }
    QListView::keyPressEvent(event);
    // Moving onto a picture shows it; onto a folder leaves the preview.
    const int after = currentIndex().row();
    if (after != before && after >= 0)
        if (const FileItem* row = list_.Model().Row(after); row && !row->isFolder)
            list_.Preview(after, true);
}

void CThumbnailView::mousePressEvent(QMouseEvent* event) {
    QListView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton)
        list_.OnRowPressed(index.row());
}

void CThumbnailView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        list_.OpenRow(index.row());
    else
        QListView::mouseDoubleClickEvent(event);
}
