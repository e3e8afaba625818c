// SPDX-License-Identifier: MIT
#pragma once

#include "browse/FolderListing.h"
#include "browse/OpenWith.h"

#include <QElapsedTimer>
#include <QSet>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <memory>
#include <optional>

class AddressBar;
class AppSettings;
class CTessaryDoc;
class FileListModel;
class QFileSystemWatcher;
class SortHeaderCtrl;

// The list of the current folder's sub-folders and pictures: the place to
// move through folders, pick the picture to preview and mark pictures for
// the batch commands. Kept in step with the address bar both ways, and
// with the folder on disk: files added, removed or renamed show without a
// Refresh, the marks, the selection and the rows in view kept. Going to
// another folder empties the preview; the folders visited can be gone
// through again, back and forward.
class CFileListView : public QTreeView {
    Q_OBJECT
public:
    CFileListView(AppSettings& settings, const ShellNamespace& shell, QWidget* parent = nullptr);
    ~CFileListView() override;

    // Columns, widths, sort, the first folder; registers with the document.
    void OnInitialUpdate(CTessaryDoc& document);
    void SetAddressBar(AddressBar* bar) { addressBar_ = bar; }

    // Shows a folder (null: the Desktop) without sorting or telling the bar.
    void FillFolder(const IdList& itemIds);
    // Reads the folder shown again, keeping the marks, the selection and the
    // rows in view; what its watch on disk does after a burst of changes.
    void FollowFolder();
    // FillFolder, then the address bar follows, then the rows are sorted.
    void NavigateTo(const IdList& itemIds);
    void RefreshList();
    void OpenRow(int index);
    // Shows the row's picture in the preview (a folder's row clears it),
    // with its neighbours decoded ahead.
    void Preview(int index, bool repaintAgain);
    // A left click on a row, in either view: a folder's mark clears, the
    // picture is previewed.
    void OnRowPressed(int index);
    // The PictureList from the marked pictures; false when there are no rows.
    bool MarkedToPictureList();
    // The address bar's WM_NAVIGATE_PIDL: show this folder and sort.
    void NavigatePidl(const IdList& itemIds);
    // Files opened with Tessary: their folder, the picture previewed and the
    // given ones marked.
    void ShowGiven(const OpenWithPlan& plan);

    const QByteArray& CurrentFolder() const { return currentFolder_; }
    const FolderListing& Listing() const { return *listing_; }
    // Moves to another picture of the folder and previews it: delta
    // pictures on from the current one (1 the next, -1 the one before),
    // stopping at the first and the last, or going round when wrap; 0
    // stays on the current row's picture, or takes the first. Its path,
    // empty when the folder has none.
    QString MoveToPicture(int delta, bool wrap);
    FileListModel& Model() const { return *model_; }
    SortHeaderCtrl& Header() const { return *header_; }
    // Sorts by the header's column and direction.
    void SortRows();
    // What a click on a header column does: the same column turns the
    // direction, another sorts it ascending.
    void OnColumnClick(int column);
    // Copies the column widths into the settings, which the frame writes
    // as it closes.
    void StoreColumnWidths();

    // The commands on the folder shown and on the marked pictures.
    void OnMark();
    void OnSelectAll();
    void OnRefresh();
    void OnUpFolder();
    void OnBack();
    void OnForward();
    bool CanGoBack() const { return !back_.isEmpty(); }
    bool CanGoForward() const { return !forward_.isEmpty(); }
    // View > Hidden Files: lists or leaves out the names starting with a dot.
    void SetShowHidden(bool show);
    // The grid, a second view of these rows, whose rows in view a re-read
    // keeps too.
    void SetSecondView(QAbstractItemView* view) { secondView_ = view; }
    void OnResize();
    void OnMailTo();
    void OnCopyTo();
    void OnOption();
    void OnMoveTo();
    bool AnyMarked() const;
    // Where Copy To and Move To ask for the destination: the folder chooser,
    // opening at the last one; nothing when the user cancels. Tests put
    // their own choice here.
    std::function<std::optional<QString>(const QString& start)> chooseDestination;

    // What the list and the grid do alike with a key: Space marks, the zoom
    // keys zoom the preview. False for any other key.
    bool OnViewKey(QKeyEvent* event);

Q_SIGNALS:
    // Another folder is shown; the history's ends may have moved.
    void FolderShown();
    // The folder shown was read again after it changed on disk, or after
    // Hidden Files changed.
    void FolderFollowed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // What a re-read or a sort keeps of the rows, by their id lists.
    struct RowState {
        QSet<QByteArray> marked;
        QSet<QByteArray> selected;
        QByteArray current;
        QByteArray topRow[2]; // the first row in view in the list and the grid
    };
    // inView: also the first row in view of each view shown.
    RowState KeepRowState(bool inView) const;
    void RestoreRowState(const RowState& state);
    void FitColumnsToFont();
    void CopyOrMove(int operation);
    int LastSelectedRow() const;
    // Back or forward: the last folder of `from` still there, the one shown
    // going onto `to`.
    void GoThroughHistory(QList<QByteArray>& from, QList<QByteArray>& to);
    // After going up or back: the row of the folder left, when it is here.
    void SelectRowOf(const QByteArray& itemIds);
    // Watches the folder shown, for FollowFolder.
    void Watch();
    void OnFolderChanged();
    // The previewed picture gone from disk goes from the preview too.
    void ClearGonePreview();

    AppSettings& settings_;
    const ShellNamespace& shell_;
    FileListModel* model_;
    SortHeaderCtrl* header_;
    std::unique_ptr<FolderListing> listing_;
    QByteArray currentFolder_;
    CTessaryDoc* document_ = nullptr;
    AddressBar* addressBar_ = nullptr;
    QAbstractItemView* secondView_ = nullptr;
    QList<QByteArray> back_;
    QList<QByteArray> forward_;
    bool recordVisit_ = true; // false while going through the history itself
    QFileSystemWatcher* watcher_;
    QTimer follow_;           // a burst of changes is read once, after it
    QElapsedTimer burst_;     // since the burst's first change
    qint64 lastFollowMs_ = 0; // how long the last re-read took
};
