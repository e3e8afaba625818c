// SPDX-License-Identifier: MIT
#include "browse/ThumbnailDelegate.h"

#include "browse/FileListModel.h"
#include "browse/ThumbnailCache.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kPadding = 6; // around the picture and the name
constexpr int kCorner = 4;
} // namespace

bool ThumbnailDelegate::Markable(const QModelIndex& index) {
    const auto* model = qobject_cast<const FileListModel*>(index.model());
    const FileItem* row = model ? model->Row(index.row()) : nullptr;
    return row && !row->isFolder;
}

QRect ThumbnailDelegate::CheckRect(const QStyleOptionViewItem& option) const {
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int side = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, option.widget);
    return {option.rect.left() + kPadding, option.rect.top() + kPadding, side, side};
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    const int text = option.fontMetrics.height();
    return {ThumbnailCache::kSide + 2 * kPadding + 2 * option.fontMetrics.averageCharWidth(),
            ThumbnailCache::kSide + 3 * kPadding + text};
}

void ThumbnailDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        opt.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF cell = QRectF(opt.rect).adjusted(1, 1, -1, -1);
    if (selected || opt.state & QStyle::State_MouseOver) {
        QColor fill = opt.palette.color(group, QPalette::Highlight);
        fill.setAlpha(selected ? 70 : 25);
        QPainterPath rounded;
        rounded.addRoundedRect(cell, kCorner, kCorner);
        painter->fillPath(rounded, fill);
    }
    const int side = ThumbnailCache::kSide;
    const QRect picture(opt.rect.left() + (opt.rect.width() - side) / 2, opt.rect.top() + kPadding,
                        side, side);
    opt.icon.paint(painter, picture, Qt::AlignCenter);

    // The name, middle cut, on the highlight when selected.
    const QRect text(opt.rect.left() + kPadding, picture.bottom() + kPadding,
                     opt.rect.width() - 2 * kPadding, opt.fontMetrics.height());
    const QString name = opt.fontMetrics.elidedText(opt.text, Qt::ElideMiddle, text.width());
    if (selected) {
        const int width = opt.fontMetrics.horizontalAdvance(name) + kPadding;
        const QRect behind(text.center().x() - width / 2, text.top(), width, text.height());
        QPainterPath rounded;
        rounded.addRoundedRect(behind, kCorner, kCorner);
        painter->fillPath(rounded, opt.palette.color(group, QPalette::Highlight));
    }
    painter->setPen(
        opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(text, Qt::AlignHCenter | Qt::AlignVCenter, name);

    if (Markable(index)) {
        QStyleOptionViewItem box = opt;
        box.rect = CheckRect(opt);
        box.state = (box.state & ~QStyle::State_HasFocus) |
                    (opt.checkState == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
        // A light ground, so the box stands out on a dark photo.
        painter->setBrush(opt.palette.color(QPalette::Base));
        painter->setPen(Qt::NoPen);
        painter->drawRoundedRect(QRectF(box.rect).adjusted(-2, -2, 2, 2), 3, 3);
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, opt.widget);
    }
    painter->restore();
}

bool ThumbnailDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                    const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (!Markable(index))
        return false;
    bool toggle = false;
    if (event->type() == QEvent::MouseButtonRelease ||
        event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton ||
            !CheckRect(option).adjusted(-2, -2, 2, 2).contains(mouse->position().toPoint()))
            return false;
        toggle = event->type() == QEvent::MouseButtonRelease;
        if (!toggle)
            return true; // a quick second click on the box is not a double-click on the row
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select)
            return false;
        toggle = true;
    }
    if (!toggle)
        return false;
    const bool marked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, marked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}
