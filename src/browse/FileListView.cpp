// SPDX-License-Identifier: MIT
#include "browse/FileListView.h"

#include "browse/LocaleFormats.h"

#include "browse/AddressBar.h"
#include "browse/FileListModel.h"
#include "browse/SortHeaderCtrl.h"
#include "platform/FileName.h"
#include "preview/ScrollPictureView.h"
#include "preview/TessaryDoc.h"
#include "resize/FolderBrowseDialog.h"
#include "resize/ResizeIds.h"
#include "settings/AppSettings.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace {
// A stored width of -2: the last column fills what the header has left.
constexpr int kFillWidth = -2;
// A burst of changes in the folder shown (a copy of many pictures) is read
// once it has been quiet this long, and at the latest after the longest
// wait; never more often than every other re-read's time, so a folder that
// never stops changing leaves the list time to be used.
constexpr int kFollowQuietMs = 200;
constexpr qint64 kFollowLongestMs = 2000;
// Folders remembered for Back and Forward.
constexpr int kHistoryLength = 100;
} // namespace

CFileListView::CFileListView(AppSettings& settings, const ShellNamespace& shell, QWidget* parent)
    : QTreeView(parent)
    , settings_(settings)
    , shell_(shell)
    , model_(new FileListModel(this))
    , header_(new SortHeaderCtrl(this))
    , listing_(std::make_unique<FolderListing>(shell, GetLocaleFormats()))
    , watcher_(new QFileSystemWatcher(this)) {
    setHeader(header_);
    setModel(model_);
    header_->setSectionsClickable(true); // the tree view turns it off when it takes the header
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true); // thousands of rows lay out at once
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(header_, &QHeaderView::sectionClicked, this, &CFileListView::OnColumnClick);
    follow_.setSingleShot(true);
    connect(&follow_, &QTimer::timeout, this, &CFileListView::FollowFolder);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &CFileListView::OnFolderChanged);
    chooseDestination = [this](const QString& start) -> std::optional<QString> {
        FolderBrowseDialog browse(this, ResizeDialogText::SelectDestination, start);
        if (!browse.DoModal())
            return std::nullopt;
        return browse.path;
    };
}

CFileListView::~CFileListView() = default;

void CFileListView::OnInitialUpdate(CTessaryDoc& document) {
    if (!settings_.columnWidthsStored)
        FitColumnsToFont();
    for (int column = 0; column < FileColumn::Count; ++column) {
        const int width = int(int16_t(settings_.columnWidth[size_t(column)] & 0xFFFF));
        if (width == kFillWidth || column == FileColumn::Count - 1)
            header_->setStretchLastSection(width == kFillWidth);
        if (width > 0)
            setColumnWidth(column, width);
    }
    header_->SetSortIndicator(FileColumn::Name, true);
    FillFolder(shell_.FirstFolder(settings_.LastBrowsePIDL));
    SortRows();
    document.fileListView = this;
    document_ = &document;
}

// Widths for a first start: the widest size, type and time a row can
// show, and a column's title beside the sort arrow, fit in this font; the
// name takes what the pane has left, and the time column fills the rest.
void CFileListView::FitColumnsToFont() {
    const QFontMetrics metrics(font());
    const QFontMetrics titles(header_->font());
    const int padding =
        2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + metrics.averageCharWidth();
    const int arrow = style()->pixelMetric(QStyle::PM_HeaderMarkSize);
    const auto fit = [&](const QString& widest, int column) {
        const QString title =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        return std::max(metrics.horizontalAdvance(widest),
                        titles.horizontalAdvance(title) + arrow) +
               padding;
    };
    settings_.columnWidth[FileColumn::Size] =
        fit(QLocale().toString(99999) + QStringLiteral(" KB"), FileColumn::Size);
    settings_.columnWidth[FileColumn::Type] =
        fit(QStringLiteral("JPEG XL image"), FileColumn::Type);
    // The longest month and hour the locale writes.
    const QString time = GetLocaleFormats().FormatFileTime(
        ToFileTime(QDateTime(QDate(2026, 12, 28), QTime(22, 58, 58))));
    const int timeWidth = fit(time, FileColumn::Time);
    // A camera's long names, "Fujifilm_FinePix_E500.jpg", stay whole.
    const int leastNameWidth = metrics.horizontalAdvance(QStringLiteral("Fujifilm_FinePix_E5"));
    settings_.columnWidth[FileColumn::Name] =
        std::max(leastNameWidth, settings_.curcol - settings_.columnWidth[FileColumn::Size] -
                                     settings_.columnWidth[FileColumn::Type] - timeWidth);
}

void CFileListView::FillFolder(const IdList& itemIds) {
    const QByteArray folder = itemIds ? ShellNamespace::Terminated(*itemIds) : shell_.DesktopList();
    const bool another = folder != currentFolder_;
    if (another && recordVisit_ && !currentFolder_.isEmpty()) {
        back_ << currentFolder_;
        if (back_.size() > kHistoryLength)
            back_.removeFirst();
        forward_.clear();
    }
    currentFolder_ = folder;
    model_->SetRows(listing_->List(currentFolder_, settings_.showHidden));
    if (CScrollPictureView* preview = document_ ? document_->pictureView : nullptr) {
        // Pictures decoded ahead belong to the folder left, and so does the
        // picture shown.
        preview->PrefetchPictures({});
        if (another) {
            preview->SetPicturePath(QString());
            preview->ClearPicture();
        }
    }
    if (model_->rowCount() > 0)
        setCurrentIndex(model_->index(0, 0));
    Watch();
    if (another)
        Q_EMIT FolderShown();
}

void CFileListView::Watch() {
    follow_.stop();
    const QStringList watched = watcher_->directories();
    const QString path = shell_.FileSystemPath(currentFolder_);
    if (watched == QStringList{path})
        return;
    if (!watched.isEmpty())
        watcher_->removePaths(watched);
    if (!path.isEmpty())
        watcher_->addPath(path);
}

void CFileListView::OnFolderChanged() {
    if (!follow_.isActive())
        burst_.start();
    if (burst_.elapsed() < kFollowLongestMs)
        follow_.start(int(std::max<qint64>(kFollowQuietMs, 2 * lastFollowMs_)));
}

void CFileListView::FollowFolder() {
    // The folder itself gone: the nearest one still there, as Refresh goes.
    if (!shell_.BindFolder(currentFolder_)) {
        RefreshList();
        Q_EMIT FolderFollowed();
        return;
    }
    QElapsedTimer took;
    took.start();
    const RowState state = KeepRowState(true);
    QList<FileItem> rows = listing_->List(currentFolder_, settings_.showHidden);
    listing_->Sort(rows, header_->sortColumn, header_->ascending, currentFolder_);
    model_->SetRows(rows);
    RestoreRowState(state);
    Watch();
    ClearGonePreview();
    lastFollowMs_ = took.elapsed();
    Q_EMIT FolderFollowed();
}

void CFileListView::SetShowHidden(bool show) {
    if (settings_.showHidden == show)
        return;
    settings_.showHidden = show;
    FollowFolder();
}

CFileListView::RowState CFileListView::KeepRowState(bool inView) const {
    RowState state;
    const QList<FileItem>& rows = model_->Rows();
    for (int i = 0; i < rows.size(); ++i) {
        if (model_->IsMarked(i))
            state.marked.insert(rows[i].itemIds);
        if (selectionModel()->isRowSelected(i))
            state.selected.insert(rows[i].itemIds);
    }
    if (const FileItem* current = model_->Row(currentIndex().row()))
        state.current = current->itemIds;
    const QAbstractItemView* views[] = {this, secondView_};
    for (int v = 0; v < 2 && inView; ++v) {
        const QAbstractItemView* view = views[v];
        if (!view || !view->isVisible())
            continue;
        // The first row whose cell reaches into the view's top edge.
        for (int y = 0; y < view->viewport()->height() / 2 && state.topRow[v].isEmpty(); y += 4)
            for (int x = 0; x < view->viewport()->width() && state.topRow[v].isEmpty(); x += 8)
                if (const FileItem* top = model_->Row(view->indexAt(QPoint(x, y)).row()))
                    state.topRow[v] = top->itemIds;
    }
    return state;
}

void CFileListView::RestoreRowState(const RowState& state) {
    // The marks, the selection and the current row go with their rows, so
    // Mark and the arrow keys go on where they were.
    const QList<FileItem>& rows = model_->Rows();
    QItemSelection selection;
    QModelIndex tops[2];
    for (int i = 0; i < rows.size(); ++i) {
        const QByteArray& ids = rows[i].itemIds;
        if (state.marked.contains(ids))
            model_->SetMarked(i, true);
        if (state.selected.contains(ids))
            selection.select(model_->index(i, 0), model_->index(i, model_->columnCount() - 1));
        if (!state.current.isEmpty() && ids == state.current)
            selectionModel()->setCurrentIndex(model_->index(i, 0), QItemSelectionModel::NoUpdate);
        for (int v = 0; v < 2; ++v)
            if (!state.topRow[v].isEmpty() && ids == state.topRow[v])
                tops[v] = model_->index(i, 0);
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    QAbstractItemView* views[] = {this, secondView_};
    for (int v = 0; v < 2; ++v)
        if (tops[v].isValid())
            views[v]->scrollTo(tops[v], QAbstractItemView::PositionAtTop);
}

void CFileListView::SortRows() {
    const RowState state = KeepRowState(false);
    QList<FileItem> rows = model_->Rows();
    listing_->Sort(rows, header_->sortColumn, header_->ascending, currentFolder_);
    model_->SetRows(rows);
    RestoreRowState(state);
}

void CFileListView::NavigateTo(const IdList& itemIds) {
    FillFolder(itemIds);
    if (addressBar_)
        addressBar_->SelectFolder(itemIds);
    SortRows();
}

void CFileListView::RefreshList() {
    // A folder deleted meanwhile gives way to the nearest one still there.
    const int depth = ShellNamespace::Count(currentFolder_);
    int count = depth;
    IdList folder = currentFolder_;
    while (count > 0 && !shell_.BindFolder(folder))
        folder = --count > 0 ? ShellNamespace::CopyFirstItems(currentFolder_, count) : IdList();
    if (count == depth) {
        FillFolder(currentFolder_);
        SortRows();
    } else {
        NavigateTo(folder);
    }
    ClearGonePreview();
}

void CFileListView::ClearGonePreview() {
    // A picture deleted meanwhile leaves the preview with its row.
    CScrollPictureView* preview = document_ ? document_->pictureView : nullptr;
    if (preview && !preview->picturePath.isEmpty() && !FileNameExists(preview->picturePath)) {
        preview->SetPicturePath(QString());
        preview->ClearPicture();
    }
}

void CFileListView::OnBack() {
    GoThroughHistory(back_, forward_);
}

void CFileListView::OnForward() {
    GoThroughHistory(forward_, back_);
}

void CFileListView::GoThroughHistory(QList<QByteArray>& from, QList<QByteArray>& to) {
    // A folder gone since is passed over.
    while (!from.isEmpty()) {
        const QByteArray folder = from.takeLast();
        if (folder == currentFolder_ || !shell_.BindFolder(folder))
            continue;
        const QByteArray left = currentFolder_;
        to << left;
        {
            const QScopedValueRollback quiet(recordVisit_, false);
            NavigateTo(folder);
        }
        SelectRowOf(left);
        return;
    }
    Q_EMIT FolderShown(); // the passed-over folders are gone from the history
}

void CFileListView::SelectRowOf(const QByteArray& itemIds) {
    for (int i = 0; i < model_->rowCount(); ++i)
        if (!model_->Row(i)->isParent && model_->Row(i)->itemIds == itemIds) {
            setCurrentIndex(model_->index(i, 0));
            scrollTo(currentIndex());
            return;
        }
}

void CFileListView::NavigatePidl(const IdList& itemIds) {
    FillFolder(itemIds);
    SortRows();
}

void CFileListView::ShowGiven(const OpenWithPlan& plan) {
    IdList folder;
    if (plan.folder.isEmpty() || !shell_.ParsePath(plan.folder, folder))
        return;
    NavigateTo(folder);
    // Rows by name: the list spells its folder its own way.
    QSet<QString> marked;
    for (const QString& path : plan.marked)
        marked.insert(QFileInfo(path).fileName());
    const QString selected = QFileInfo(plan.selected).fileName();
    for (int i = 0; i < model_->rowCount(); ++i) {
        const FileItem* row = model_->Row(i);
        if (row->isFolder)
            continue;
        if (marked.contains(row->name))
            model_->SetMarked(i, true);
        if (!selected.isEmpty() && row->name == selected) {
            setCurrentIndex(model_->index(i, 0));
            scrollTo(currentIndex());
            Preview(i, true);
        }
    }
}

void CFileListView::OpenRow(int index) {
    const FileItem* row = model_->Row(index);
    if (!row)
        return;
    if (row->isParent) {
        const int count = ShellNamespace::Count(row->itemIds);
        const QByteArray left = row->itemIds;
        NavigateTo(count <= 1 ? IdList() : ShellNamespace::CopyFirstItems(row->itemIds, count - 1));
        SelectRowOf(left);
    } else if (row->isFolder) {
        NavigateTo(ShellNamespace::Copy(row->itemIds));
    }
}

bool CFileListView::MarkedToPictureList() {
    settings_.PictureList.clear();
    if (model_->rowCount() == 0)
        return false;
    for (int i = 0; i < model_->rowCount(); ++i) {
        const FileItem* row = model_->Row(i);
        QString parsing;
        if (model_->IsMarked(i) && !row->isFolder && shell_.GetDisplayNameOf(row->itemIds, parsing))
            settings_.PictureList << parsing;
    }
    return true;
}

void CFileListView::OnColumnClick(int column) {
    const bool descending = column == header_->sortColumn && header_->ascending;
    header_->SetSortIndicator(column, !descending);
    SortRows();
}

void CFileListView::StoreColumnWidths() {
    for (int column = 0; column < FileColumn::Count; ++column) {
        const bool fills = column == FileColumn::Count - 1 && header_->stretchLastSection();
        settings_.columnWidth[size_t(column)] = fills ? kFillWidth : columnWidth(column);
    }
}

void CFileListView::Preview(int index, bool repaintAgain) {
    CScrollPictureView* preview = document_ ? document_->pictureView : nullptr;
    const FileItem* row = model_->Row(index);
    if (!preview || !row)
        return;
    if (row->isFolder) {
        preview->SetPicturePath(QString());
        preview->ClearPicture();
        return;
    }
    preview->SetPicturePath(row->path);
    preview->LoadPicture();
    if (repaintAgain)
        preview->viewport()->update();
    // The arrow keys go to a neighbour next: have both ready.
    QStringList around;
    for (const int near : {index + 1, index - 1})
        if (const FileItem* neighbour = model_->Row(near); neighbour && !neighbour->isFolder)
            around << neighbour->path;
    preview->PrefetchPictures(around);
}

QString CFileListView::MoveToPicture(int delta, bool wrap) {
    QList<int> pictures;
    for (int i = 0; i < model_->rowCount(); ++i)
        if (!model_->Row(i)->isFolder)
            pictures << i;
    if (pictures.isEmpty())
        return {};
    const qsizetype at = pictures.indexOf(currentIndex().row());
    qsizetype target = 0;
    if (at >= 0 && wrap)
        target = ((at + delta) % pictures.size() + pictures.size()) % pictures.size();
    else if (at >= 0)
        target = std::clamp<qsizetype>(at + delta, 0, pictures.size() - 1);
    const int row = pictures[target];
    setCurrentIndex(model_->index(row, 0));
    scrollTo(currentIndex());
    Preview(row, true);
    return model_->Row(row)->path;
}

int CFileListView::LastSelectedRow() const {
    int last = -1;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        last = std::max(last, index.row());
    return last;
}

bool CFileListView::OnViewKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        OnMark();
        return true;
    }
    CScrollPictureView* preview = document_ ? document_->pictureView : nullptr;
    return preview && preview->ZoomKey(event);
}

void CFileListView::keyPressEvent(QKeyEvent* event) {
    if (OnViewKey(event))
        return;
    const int row = LastSelectedRow();
    const int before = currentIndex().row();
    if (row >= 0) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OpenRow(row);
            return;
        case Qt::Key_Up:
            Preview(std::max(row - 1, 0), false);
            break;
        case Qt::Key_Down: {
            const int below = std::min(row + 1, model_->rowCount() - 1);
            // Down onto a folder leaves the preview as it is.
            if (const FileItem* next = model_->Row(below); next && !next->isFolder)
                Preview(below, true);
            break;
        }
        default:
            break;
        }
    }
    QTreeView::keyPressEvent(event);
    // Home, End and the page keys: onto a picture shows it, as in the grid.
    const int after = currentIndex().row();
    if (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down && after != before)
        if (const FileItem* moved = model_->Row(after); moved && !moved->isFolder)
            Preview(after, true);
}

void CFileListView::mousePressEvent(QMouseEvent* event) {
    QTreeView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton)
        OnRowPressed(index.row());
}

void CFileListView::OnRowPressed(int index) {
    const FileItem* row = model_->Row(index);
    if (row && row->isFolder)
        model_->SetMarked(index, false);
    Preview(index, false);
}

void CFileListView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        OpenRow(index.row());
    else
        QTreeView::mouseDoubleClickEvent(event);
}
