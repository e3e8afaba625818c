// SPDX-License-Identifier: MIT
// The commands of the file list that act on the folder shown or on the
// marked pictures.
#include "browse/AddressBar.h"
#include "browse/BrowseIds.h"
#include "browse/FileListModel.h"
#include "browse/FileListView.h"
#include "mail/DlgOptionSheet.h"
#include "platform/FileOperationWindow.h"
#include "platform/UiText.h"
#include "resize/BatchRun.h"
#include "resize/ResizeDialog.h"
#include "settings/AppSettings.h"

#include <QMessageBox>

namespace {

void TellToMark(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Tessary"), text, QMessageBox::Ok);
}

} // namespace

bool CFileListView::AnyMarked() const {
    for (int i = 0; i < model_->rowCount(); ++i)
        if (model_->IsMarked(i))
            return true;
    return false;
}

void CFileListView::OnMark() {
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        const FileItem* row = model_->Row(index.row());
        if (row && !row->isFolder)
            model_->SetMarked(index.row(), !model_->IsMarked(index.row()));
    }
}

void CFileListView::OnSelectAll() {
    selectAll();
}

void CFileListView::OnRefresh() {
    RefreshList();
}

void CFileListView::OnUpFolder() {
    if (!addressBar_)
        return;
    const IdList selected = addressBar_->GetSelectedFolder();
    if (!selected)
        return;
    const int count = ShellNamespace::Count(selected);
    if (count == 0)
        return;
    const IdList target =
        count == 1 ? IdList() : ShellNamespace::CopyFirstItems(selected, count - 1);
    const QByteArray left = currentFolder_;
    FillFolder(target);
    addressBar_->SelectFolder(target);
    SortRows();
    SelectRowOf(left);
}

void CFileListView::OnResize() {
    if (!AnyMarked()) {
        TellToMark(this, BrowseText::MarkBeforeResize);
        return;
    }
    // New pictures in the folder shown appear in the list.
    if (MarkedToPictureList() && ResizeDialog::ScanThenShow(settings_, this))
        RefreshList();
}

void CFileListView::OnMailTo() {
    if (!AnyMarked()) {
        TellToMark(this, BrowseText::MarkBeforeMail);
        return;
    }
    MarkedToPictureList();
    settings_.MailTempList = settings_.PictureList; // the marked pictures themselves go
    BatchRun(settings_, this).MailPictures();
}

void CFileListView::OnCopyTo() {
    CopyOrMove(FileOperation::Copy);
}

void CFileListView::OnMoveTo() {
    CopyOrMove(FileOperation::Move);
}

void CFileListView::CopyOrMove(int operation) {
    const bool move = operation == FileOperation::Move;
    if (!AnyMarked()) {
        TellToMark(this, move ? BrowseText::MarkBeforeMove : BrowseText::MarkBeforeCopy);
        return;
    }
    if (!MarkedToPictureList())
        return;
    const std::optional<QString> chosen = chooseDestination(settings_.cmto);
    // A cancelled choice ends the command: nothing goes anywhere.
    if (!chosen)
        return;
    settings_.cmto = *chosen;
    FileOperationResult result;
    {
        // The progress window goes before the warning, which must take clicks.
        FileOperationWindow window(operation, this);
        result = SHFileOperation(operation, settings_.PictureList, settings_.cmto, window);
    }
    // Nothing done is ever silent: the user learns which pictures stayed and why.
    const QString done = move ? TrText("Browse", "moved") : TrText("Browse", "copied");
    QStringList reasons;
    if (!result.alreadyThere.isEmpty())
        reasons << BrowseText::AlreadyThere.arg(settings_.cmto, done,
                                                result.alreadyThere.join(QLatin1Char('\n')));
    if (!result.failures.isEmpty())
        reasons << BrowseText::NotTransferred.arg(done, result.failures.join(QLatin1Char('\n')));
    if (!reasons.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Tessary"), reasons.join(QStringLiteral("\n\n")));
    if (move)
        RefreshList();
}

void CFileListView::OnOption() {
    RunOptionSheet(settings_, this);
}
