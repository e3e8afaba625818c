// SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>

// The folder chooser of "Browse..." and of "Copy To" / "Move To": a
// directory dialog owned by `owner`, opening at startFolder. A typed folder
// that is not there yet is chosen like any other: Copy To and Move To then
// offer to create it, and a batch creates its destination.
class FolderBrowseDialog : public QFileDialog {
public:
    FolderBrowseDialog(QWidget* owner, const QString& title, const QString& startFolder);
    // True when the user chose a folder; its path is then in path.
    bool DoModal();
    QString path;

protected:
    void accept() override;

private:
    QString Chosen() const;
};
