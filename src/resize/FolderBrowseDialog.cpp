// SPDX-License-Identifier: MIT
#include "resize/FolderBrowseDialog.h"

#include <QDir>
#include <QFileInfo>

FolderBrowseDialog::FolderBrowseDialog(QWidget* owner, const QString& title,
                                       const QString& startFolder)
    : QFileDialog(owner, title) {
    setFileMode(QFileDialog::Directory);
    // The desktop's own chooser would refuse a folder that is not there
    // yet, before the program can offer to create it.
    setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    const QString start = startFolder.isEmpty() ? QDir::homePath() : startFolder;
    setDirectory(start);
    selectFile(start);
}

bool FolderBrowseDialog::DoModal() {
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return false;
    path = QDir::toNativeSeparators(selectedFiles().first());
    return true;
}

void FolderBrowseDialog::accept() {
    const QStringList chosen = selectedFiles();
    // QFileDialog turns a missing folder away with "Directory not found";
    // a name nothing holds yet is a new folder to make. A file's name is
    // still refused by QFileDialog itself.
    if (chosen.size() == 1 && !chosen.first().isEmpty() && !QFileInfo::exists(chosen.first())) {
        QDialog::accept();
        return;
    }
    QFileDialog::accept();
}
