// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>

class CFileListView;

// The folder as a grid of thumbnails with names and check boxes: a second
// view of the file list's own rows, marks and selection, so every command,
// the sort and the preview work the same in both. Thumbnails missing from
// the shared cache are made while the grid is shown.
class CThumbnailView : public QListView {
    Q_OBJECT
public:
    explicit CThumbnailView(CFileListView& list, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    CFileListView& list_;
};
