// SPDX-License-Identifier: MIT
#pragma once

#include <QHeaderView>

// The file list's header: it keeps the sort column and direction and draws
// the sort column with a small arrow at its right, up for ascending.
class SortHeaderCtrl : public QHeaderView {
    Q_OBJECT
public:
    explicit SortHeaderCtrl(QWidget* parent = nullptr);

    void SetSortIndicator(int column, bool ascending);
    int sortColumn = 0;
    bool ascending = true;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
