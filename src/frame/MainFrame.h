// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>

class AddressBar;
class AppSettings;
class CFileListView;
class CScrollPictureView;
class CFullScreenView;
class CThumbnailView;
class CTessaryDoc;
class QAction;
class ShellNamespace;
class QLabel;
class QSplitter;
class QStackedWidget;
class QToolBar;

// The main window of a normal start: the menu of every picture command, the
// address bar, and the client area split between the file list and the
// preview, both views of the one document. When it closes it stores its
// placement and the list's width so the next start opens it the same way.
// Its status bar tells how many pictures the folder holds and which are
// marked; View > Full Screen and Slideshow show the folder's pictures on
// the whole screen.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The namespace is the application's, shared by the address bar and
    // the list.
    CMainFrame(AppSettings& settings, CTessaryDoc& document, const ShellNamespace& shell,
               QWidget* parent = nullptr);

    // The menu item with this command id; null for an unknown id.
    QAction* Action(int id) const;
    // Puts the window where it stood at the last close, if anything was stored.
    void ApplyPlacement();
    // Files opened with Tessary: their folder shown with the given pictures
    // marked; the status bar tells what could not be opened.
    void OpenWith(const QStringList& files);

    AddressBar* Address() const { return address_; }
    CFileListView* FileList() const { return fileList_; }
    CThumbnailView* Thumbnails() const { return thumbnails_; }
    // Shows the folder as details or as thumbnails (a ViewMode), the
    // current row in view and the keyboard's.
    void SetViewMode(int mode);
    CScrollPictureView* Preview() const { return preview_; }
    // The full-screen view while it is open.
    CFullScreenView* FullScreen() const;
    QLabel* FolderSummary() const { return summary_; }
    QToolBar* MainToolBar() const { return mainToolBar_; }
    QToolBar* NavigationToolBar() const { return navigationToolBar_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // No menu of the bars' names: View > Toolbar alone shows and hides one.
    QMenu* createPopupMenu() override { return nullptr; }
    // Keeps the tooltip away from buttons whose command has none.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenu();
    void OnCreateClient();
    void ConnectCommands();
    void CreateToolBars();
    void CreateStatusBar();
    void ShowLockStates();
    void OnHelpCommand(int id);
    void DestroyWindow();
    void ShowFolderSummary();
    // Makes the window no larger than its screen and moves it onto it.
    void KeepOnScreen();
    void AddSlideshowPaces();
    // View > Full Screen, or with the slideshow running.
    void OnFullScreen(bool slideshow);
    void OnFullScreenStep(int step, bool slideshow);

    AppSettings& settings_;
    const ShellNamespace& shell_;
    CTessaryDoc& document_;
    AddressBar* address_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QStackedWidget* listPane_ = nullptr; // the details or the thumbnails
    CFileListView* fileList_ = nullptr;
    CThumbnailView* thumbnails_ = nullptr;
    CScrollPictureView* preview_ = nullptr;
    QToolBar* mainToolBar_ = nullptr;
    QToolBar* navigationToolBar_ = nullptr;
    QLabel* lockLabels_[3] = {};
    QLabel* summary_ = nullptr;
    QPointer<CFullScreenView> fullScreen_;
    QString previewMessage_; // the status bar's message of a picture not shown
};
