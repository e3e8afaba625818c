// SPDX-License-Identifier: MIT
#pragma once

#include "browse/FolderListing.h"
#include "browse/OpenWith.h"

#include <QTreeView>

#include <functional>
#include <memory>
#include <optional>

class AddressBar;
class AppSettings;
class CTessaryDoc;
class FileListModel;
class SortHeaderCtrl;

// The list of the current folder's sub-folders and pictures: the place to
// move through folders, pick the picture to preview and mark pictures for
// the batch commands. Kept in step with the address bar both ways.
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
    FileListModel& Model() const { return *model_; }
    SortHeaderCtrl& Header() const { return *header_; }
    // Sorts by the header's column and direction.
    void SortRows();
    // What a click on a header column does: the same column turns the
    // direction, another sorts it ascending.
    void OnColumnClick(int column);
    // Stores the column widths (the view's OnDestroy).
    void StoreColumnWidths();

    // The commands on the folder shown and on the marked pictures.
    void OnMark();
    void OnSelectAll();
    void OnRefresh();
    void OnUpFolder();
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

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FitColumnsToFont();
    void CopyOrMove(int operation);
    int LastSelectedRow() const;

    AppSettings& settings_;
    const ShellNamespace& shell_;
    FileListModel* model_;
    SortHeaderCtrl* header_;
    std::unique_ptr<FolderListing> listing_;
    QByteArray currentFolder_;
    CTessaryDoc* document_ = nullptr;
    AddressBar* addressBar_ = nullptr;
};
