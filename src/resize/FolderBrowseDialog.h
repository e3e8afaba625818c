// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// The folder chooser of "Browse..." and of "Copy To" / "Move To": a
// directory dialog owned by `owner`, opening at startFolder.
class FolderBrowseDialog {
public:
    FolderBrowseDialog(QWidget* owner, const QString& title, const QString& startFolder);
    // True when the user chose a folder; its path is then in path.
    bool DoModal();
    QString path;

private:
    QWidget* owner_;
    QString title_;
    QString start_;
};
