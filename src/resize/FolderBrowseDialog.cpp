// SPDX-License-Identifier: MIT
#include "resize/FolderBrowseDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

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
    return exec() == QDialog::Accepted && !path.isEmpty();
}

QString FolderBrowseDialog::Chosen() const {
    // The name field holds what the user typed, or the folder clicked last.
    // The list's selection is no guide: while the folder is still loading
    // it may hold the start folder, which would replace what was typed.
    const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QString typed = edit ? edit->text() : QString();
    if (typed.isEmpty())
        return selectedFiles().value(0);
    if (typed == u'~' || typed.startsWith(QStringLiteral("~/")))
        typed.replace(0, 1, QDir::homePath());
    return QDir::cleanPath(directory().absoluteFilePath(typed));
}

void FolderBrowseDialog::accept() {
    const QString chosen = Chosen();
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    // A name nothing holds yet is a new folder to make; a file's name is
    // no folder and leaves the chooser open.
    if (info.exists() && !info.isDir())
        return;
    path = QDir::toNativeSeparators(chosen);
    QDialog::accept();
}
