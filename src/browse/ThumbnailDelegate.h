// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

// Draws a cell of the thumbnail grid: the picture centred in its square,
// the name under it, and the mark's box in the top left corner, where a
// photo's own colours cannot hide it. Folders have no box: they cannot be
// marked.
class ThumbnailDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    static bool Markable(const QModelIndex& index);
    QRect CheckRect(const QStyleOptionViewItem& option) const;
};
