// SPDX-License-Identifier: MIT
#include "browse/SortHeaderCtrl.h"

#include <QGuiApplication>
#include <QPainter>

namespace {
constexpr int kArrowRoom = 3; // the sort column gives up this many insets for the arrow
} // namespace

SortHeaderCtrl::SortHeaderCtrl(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
}

void SortHeaderCtrl::SetSortIndicator(int column, bool up) {
    sortColumn = column;
    ascending = up;
    viewport()->update();
}

void SortHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    const QPalette& colours = palette();
    painter->fillRect(rect, colours.color(QPalette::Button));
    painter->setPen(colours.color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());

    const int inset = 2 * fontMetrics().horizontalAdvance(QLatin1Char(' '));
    QRect text = rect.adjusted(inset, 0, -inset, 0);
    const bool sorted = logicalIndex == sortColumn;
    if (sorted)
        text.setRight(text.right() - kArrowRoom * inset);
    const bool pressed = (QGuiApplication::mouseButtons() & Qt::LeftButton) &&
                         logicalIndexAt(mapFromGlobal(QCursor::pos())) == logicalIndex &&
                         underMouse();
    if (pressed)
        text.translate(1, 2);
    if (text.width() > 0) {
        const QString label =
            model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
        const int alignment =
            model()
                ? model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole).toInt()
                : 0;
        const Qt::Alignment horizontal = (alignment & Qt::AlignHCenter) ? Qt::AlignHCenter
                                         : (alignment & Qt::AlignRight) ? Qt::AlignRight
                                                                        : Qt::AlignLeft;
        painter->setPen(colours.color(QPalette::ButtonText));
        painter->setClipRect(rect);
        painter->drawText(text, int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine,
                          fontMetrics().elidedText(label, Qt::ElideRight, text.width()));
    }
    if (sorted) {
        // A small triangle, lit from the top left as the header is; on a
        // light header the lit side takes the darker pen of the two, or it
        // would not show at all.
        const int left = rect.right() - inset - inset;
        const int middle = rect.center().y();
        const int half = inset / 2;
        const QPoint top(left + half, middle - half);
        const QPoint bottomLeft(left, middle + half);
        const QPoint bottomRight(left + inset, middle + half);
        const QPoint upper(left, middle - half);
        const QPoint upperRight(left + inset, middle - half);
        const QPoint bottom(left + half, middle + half);
        const QPen light(colours.color(QPalette::Dark));
        const QPen shadow(colours.color(QPalette::Shadow));
        if (ascending) {
            painter->setPen(shadow);
            painter->drawLine(bottomLeft, top);
            painter->setPen(light);
            painter->drawLine(top, bottomRight);
            painter->drawLine(bottomRight, bottomLeft);
        } else {
            painter->setPen(shadow);
            painter->drawLine(upperRight, upper);
            painter->drawLine(upper, bottom);
            painter->setPen(light);
            painter->drawLine(bottom, upperRight);
        }
    }
    painter->restore();
}
