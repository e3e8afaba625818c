// SPDX-License-Identifier: MIT
#include "platform/FileOperationWindow.h"
#include "platform/UiText.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <limits>

namespace {
constexpr int kShowAfterMs = 500; // short copies need no window
constexpr int kSteps = 1000;
const QString kTitle = QStringLiteral("Tessary");
} // namespace

FileOperationWindow::FileOperationWindow(int operation, QWidget* owner)
    : owner_(owner)
    , verb_(operation == FileOperation::Move ? TrText("FileOperation", "Moving")
                                             : TrText("FileOperation", "Copying"))
    , progress_(std::make_unique<QProgressDialog>(owner)) {
    progress_->setWindowTitle(verb_ + QStringLiteral("..."));
    progress_->setRange(0, kSteps);
    // Shown by Progress() alone, never by the dialog's own timer: that would
    // open it over a question waiting for the user, and take its clicks.
    progress_->setMinimumDuration(std::numeric_limits<int>::max());
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumWidth(420);
    progress_->setValue(0);
    clock_.start();
}

QWidget* FileOperationWindow::QuestionParent() const {
    return progress_->isVisible() ? progress_.get() : owner_;
}

FileOperationWindow::~FileOperationWindow() = default;

FileOperationPrompt::Replace FileOperationWindow::AskReplace(const QString& source,
                                                             const QString& target) {
    QMessageBox box(QMessageBox::Question, kTitle,
                    TrText("FileOperation", "This folder already holds a file named \"%1\".\n\n"
                                            "Replace it with the one you are moving or copying?")
                        .arg(QFileInfo(target).fileName()),
                    QMessageBox::NoButton, QuestionParent());
    box.setInformativeText(TrText("FileOperation", "From: %1\nTo: %2").arg(source, target));
    QPushButton* yes = box.addButton(TrText("FileOperation", "&Yes"), QMessageBox::YesRole);
    QPushButton* yesToAll =
        box.addButton(TrText("FileOperation", "Yes to &all"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(TrText("FileOperation", "&No"), QMessageBox::NoRole);
    QPushButton* noToAll =
        box.addButton(TrText("FileOperation", "N&o to all"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(no);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked == yes)
        return Replace::Yes;
    if (clicked == yesToAll)
        return Replace::YesToAll;
    if (clicked == no)
        return Replace::No;
    if (clicked == noToAll)
        return Replace::NoToAll;
    Q_UNUSED(cancel);
    return Replace::Cancel;
}

bool FileOperationWindow::AskCreateFolder(const QString& folder) {
    return QMessageBox::question(
               QuestionParent(), kTitle,
               TrText("FileOperation", "The folder \"%1\" does not exist.\n\nCreate it?")
                   .arg(folder)) == QMessageBox::Yes;
}

bool FileOperationWindow::Progress(int64_t done, int64_t total, const QString& current) {
    progress_->setLabelText(verb_ + QLatin1Char(' ') + QFileInfo(current).fileName());
    if (!progress_->isVisible() && clock_.elapsed() >= kShowAfterMs)
        progress_->show();
    progress_->setValue(total > 0 ? int(done * kSteps / total) : kSteps);
    QApplication::processEvents();
    return !progress_->wasCanceled();
}
