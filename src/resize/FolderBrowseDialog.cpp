// SPDX-License-Identifier: MIT
#include "resize/FolderBrowseDialog.h"

#include <QDir>
#include <QFileDialog>

FolderBrowseDialog::FolderBrowseDialog(QWidget* owner, const QString& title,
                                       const QString& startFolder)
    : owner_(owner)
    , title_(title)
    , start_(startFolder) {}

bool FolderBrowseDialog::DoModal() {
    QFileDialog dialog(owner_, title_);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const QString start = start_.isEmpty() ? QDir::homePath() : start_;
    dialog.setDirectory(start);
    dialog.selectFile(start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = QDir::toNativeSeparators(dialog.selectedFiles().first());
    return true;
}
