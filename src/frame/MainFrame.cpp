// SPDX-License-Identifier: MIT
#include "frame/MainFrame.h"

#include "browse/AddressBar.h"
#include "browse/BrowseIds.h"
#include "browse/FileListModel.h"
#include "browse/FileListView.h"
#include "browse/OpenWith.h"
#include "browse/ThumbnailCache.h"
#include "browse/ThumbnailView.h"
#include "frame/FrameIds.h"
#include "frame/HelpLinks.h"
#include "platform/KeyboardLocks.h"
#include "platform/UiText.h"
#include "preview/FullScreenView.h"
#include "preview/ScrollPictureView.h"
#include "resize/UndoLastBatch.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"
#include "settings/Placement.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {
constexpr int kDefaultWidth = 1100;
constexpr int kDefaultHeight = 760;
constexpr int kLockPollMs = 500;
constexpr int kButtonMinWidth = 50; // the toolbars' button width limits
constexpr int kButtonMaxWidth = 150;

// The bars stay where the frame puts them: no dragging, no floating.
void FixInPlace(QToolBar* bar) {
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setAllowedAreas(Qt::TopToolBarArea);
}

bool HasTooltip(int id) {
    return std::any_of(
        std::begin(kCommandPrompts), std::end(kCommandPrompts),
        [id](const CommandPrompt& p) { return p.id == id && !p.tooltip.english().isEmpty(); });
}
} // namespace

CMainFrame::CMainFrame(AppSettings& settings, CTessaryDoc& document, const ShellNamespace& shell,
                       QWidget* parent)
    : QMainWindow(parent)
    , settings_(settings)
    , shell_(shell)
    , document_(document) {
    setObjectName(QString::number(FrameId::MainTemplate));
    setWindowTitle(AppText::MainTitle);
    resize(kDefaultWidth, kDefaultHeight);
    BuildMenu();
    OnCreateClient();
}

void CMainFrame::BuildMenu() {
    QMenu* menu = nullptr;
    for (const MenuEntry& entry : kMainMenu) {
        const QString title = entry.menu.toString();
        if (!menu || menu->title() != title)
            menu = menuBar()->addMenu(title);
        const QStringList parts = entry.text.toString().split(QLatin1Char('\t'));
        QAction* action = menu->addAction(parts.first());
        action->setObjectName(QString::number(entry.id));
        if (parts.size() > 1)
            action->setShortcut(QKeySequence(parts[1]));
        for (const CommandPrompt& prompt : kCommandPrompts)
            if (prompt.id == entry.id) {
                action->setStatusTip(prompt.prompt);
                action->setToolTip(prompt.tooltip);
            }
        if (entry.separatorAfter)
            menu->addSeparator();
    }
    connect(Action(CommandId::Exit), &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::ConnectCommands() {
    const std::pair<int, void (CFileListView::*)()> listCommands[] = {
        {CommandId::Mark, &CFileListView::OnMark},
        {CommandId::SelectAll, &CFileListView::OnSelectAll},
        {CommandId::Refresh, &CFileListView::OnRefresh},
        {CommandId::UpFolder, &CFileListView::OnUpFolder},
        {CommandId::Back, &CFileListView::OnBack},
        {CommandId::Forward, &CFileListView::OnForward},
        {CommandId::Resize, &CFileListView::OnResize},
        {CommandId::MailTo, &CFileListView::OnMailTo},
        {CommandId::CopyTo, &CFileListView::OnCopyTo},
        {CommandId::MoveTo, &CFileListView::OnMoveTo},
        {CommandId::Option, &CFileListView::OnOption},
    };
    for (const auto& [id, handler] : listCommands)
        connect(Action(id), &QAction::triggered, fileList_, handler);
    for (int column = 0; column < FileColumn::Count; ++column)
        connect(Action(CommandId::SortByName + column), &QAction::triggered, fileList_,
                [this, column] { fileList_->OnColumnClick(column); });
    auto* views = new QActionGroup(this);
    for (const auto& [id, mode] : {std::pair(CommandId::ViewDetails, ViewMode::Details),
                                   std::pair(CommandId::ViewThumbnails, ViewMode::Thumbnails)}) {
        QAction* action = Action(id);
        action->setCheckable(true);
        views->addAction(action);
        connect(action, &QAction::triggered, this, [this, m = mode] { SetViewMode(m); });
    }
    // Enabled while there is a batch to undo, as the menu opens.
    QAction* undo = Action(CommandId::UndoLastBatch);
    undo->setEnabled(CanUndoLastBatch());
    for (QObject* menu : undo->associatedObjects())
        if (auto* file = qobject_cast<QMenu*>(menu))
            connect(file, &QMenu::aboutToShow, undo,
                    [undo] { undo->setEnabled(CanUndoLastBatch()); });
    connect(undo, &QAction::triggered, this, [this] {
        if (UndoLastBatch(this))
            fileList_->OnRefresh();
    });
    for (const int id : {CommandId::VisitMyWeb, CommandId::CheckNewVersion, CommandId::MailToMe,
                         CommandId::BugReport})
        connect(Action(id), &QAction::triggered, this, [this, id] { OnHelpCommand(id); });

    QAction* up = Action(CommandId::UpFolder);
    up->setShortcuts({up->shortcut(), QKeySequence(QLatin1String(kUpFolderKey))});
    const auto historyEnds = [this] {
        Action(CommandId::Back)->setEnabled(fileList_->CanGoBack());
        Action(CommandId::Forward)->setEnabled(fileList_->CanGoForward());
    };
    connect(fileList_, &CFileListView::FolderShown, this, historyEnds);
    historyEnds();
    QAction* hidden = Action(CommandId::ViewHidden);
    hidden->setCheckable(true);
    hidden->setChecked(settings_.showHidden);
    connect(hidden, &QAction::toggled, fileList_, &CFileListView::SetShowHidden);
    connect(Action(CommandId::FullScreen), &QAction::triggered, this,
            [this] { OnFullScreen(false); });
    connect(Action(CommandId::Slideshow), &QAction::triggered, this,
            [this] { OnFullScreen(true); });
    AddSlideshowPaces();
}

void CMainFrame::AddSlideshowPaces() {
    QAction* slideshow = Action(CommandId::Slideshow);
    auto* menu = new QMenu(FrameText::SlideshowPace, this);
    auto* paces = new QActionGroup(menu);
    for (const int seconds : kSlideshowPaces) {
        QAction* pace = menu->addAction(FrameText::Seconds.arg(seconds));
        pace->setCheckable(true);
        pace->setChecked(seconds == settings_.slideshowPace);
        paces->addAction(pace);
        connect(pace, &QAction::triggered, this, [this, seconds] {
            settings_.slideshowPace = seconds;
            if (fullScreen_ && fullScreen_->SlideshowRunning())
                fullScreen_->SetSlideshow(true, seconds);
        });
    }
    // After the slideshow's own item.
    QMenu* view = qobject_cast<QMenu*>(slideshow->parent());
    const QList<QAction*> items = view->actions();
    const qsizetype at = items.indexOf(slideshow) + 1;
    view->insertMenu(at < items.size() ? items[at] : nullptr, menu);
}

CFullScreenView* CMainFrame::FullScreen() const {
    return fullScreen_;
}

void CMainFrame::OnFullScreen(bool slideshow) {
    if (fullScreen_) {
        if (slideshow)
            fullScreen_->SetSlideshow(!fullScreen_->SlideshowRunning(), settings_.slideshowPace);
        return;
    }
    const QString path = fileList_->MoveToPicture(0, false);
    if (path.isEmpty()) {
        statusBar()->showMessage(FrameText::NoPictureHere);
        return;
    }
    fullScreen_ = new CFullScreenView(this);
    fullScreen_->SetSlideshowKey(Action(CommandId::Slideshow)->shortcut());
    connect(fullScreen_, &CFullScreenView::StepRequested, this, &CMainFrame::OnFullScreenStep);
    connect(fullScreen_, &CFullScreenView::Left, this, [this] {
        fullScreen_.clear(); // deleted later: it is gone now
        activateWindow();
        listPane_->currentWidget()->setFocus();
    });
    // On this window's screen, whole even where no window manager makes
    // it so.
    if (QScreen* here = screen())
        fullScreen_->setGeometry(here->geometry());
    fullScreen_->showFullScreen();
    fullScreen_->ShowPicture(path);
    if (slideshow)
        fullScreen_->SetSlideshow(true, settings_.slideshowPace);
}

void CMainFrame::OnFullScreenStep(int step, bool slideshow) {
    if (!fullScreen_)
        return;
    // First and Last go as far as there are rows; a slideshow starts again
    // after the last picture.
    const int rows = fileList_->Model().rowCount();
    const int delta = step == CFullScreenView::First  ? -rows
                      : step == CFullScreenView::Last ? rows
                                                      : step;
    const QString path = fileList_->MoveToPicture(delta, slideshow);
    if (path.isEmpty())
        fullScreen_->close(); // the folder has no picture left
    else if (path != fullScreen_->PicturePath())
        fullScreen_->ShowPicture(path);
}

QAction* CMainFrame::Action(int id) const {
    return findChild<QAction*>(QString::number(id));
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::CreateToolBars() {
    const auto toolBar = [this](const QString& name, QSize imageSize,
                                std::initializer_list<std::pair<int, const char*>> buttons) {
        auto* bar = addToolBar(name);
        bar->setObjectName(name);
        FixInPlace(bar);
        bar->setIconSize(imageSize);
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        for (const auto& [id, picture] : buttons) {
            QAction* action = Action(id);
            // Drawn from SVG, so the pictures are sharp at any scale.
            action->setIcon(
                QIcon(QStringLiteral(":/tessary/toolbar/%1.svg").arg(QLatin1String(picture))));
            bar->addAction(action);
            if (QWidget* button = bar->widgetForAction(action)) {
                button->setMinimumWidth(kButtonMinWidth);
                button->setMaximumWidth(kButtonMaxWidth);
                // Qt would show the command's name where it has no tooltip.
                if (!HasTooltip(id))
                    button->installEventFilter(this);
            }
        }
        return bar;
    };
    mainToolBar_ = toolBar(QStringLiteral("MainToolBar"), QSize(64, 60),
                           {{CommandId::Mark, "mark"},
                            {CommandId::Resize, "resize"},
                            {CommandId::CopyTo, "copy"},
                            {CommandId::MoveTo, "move"},
                            {CommandId::MailTo, "mail"},
                            {CommandId::About, "about"}});
    addToolBarBreak();
    navigationToolBar_ = toolBar(QStringLiteral("NavigationToolBar"), QSize(22, 20),
                                 {{CommandId::UpFolder, "up-folder"},
                                  {CommandId::Refresh, "refresh"},
                                  {CommandId::ViewDetails, "details"},
                                  {CommandId::ViewThumbnails, "thumbnails"}});

    // The View items show and hide the bars; their check marks follow.
    QAction* viewToolbar = Action(CommandId::ViewToolbar);
    viewToolbar->setCheckable(true);
    viewToolbar->setChecked(true);
    connect(viewToolbar, &QAction::triggered, mainToolBar_, &QWidget::setVisible);
    connect(mainToolBar_, &QToolBar::visibilityChanged, viewToolbar, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    summary_ = new QLabel(bar);
    bar->addWidget(summary_, 1);
    const FileListModel& model = fileList_->Model();
    connect(&model, &QAbstractItemModel::modelReset, this, &CMainFrame::ShowFolderSummary);
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(Qt::CheckStateRole))
                    ShowFolderSummary();
            });
    ShowFolderSummary();
    int i = 0;
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        lockLabels_[i] = new QLabel(QString::fromLatin1(indicator), bar);
        lockLabels_[i]->setFrameShape(QFrame::StyledPanel);
        lockLabels_[i]->setAlignment(Qt::AlignCenter);
        lockLabels_[i]->setMinimumWidth(
            lockLabels_[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(lockLabels_[i]);
        ++i;
    }
    QAction* viewStatusBar = Action(CommandId::ViewStatusBar);
    viewStatusBar->setCheckable(true);
    viewStatusBar->setChecked(true);
    connect(viewStatusBar, &QAction::triggered, bar, &QWidget::setVisible);
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &CMainFrame::ShowLockStates);
    poll->start(kLockPollMs);
    ShowLockStates();
}

void CMainFrame::ShowFolderSummary() {
    const FileListModel& model = fileList_->Model();
    summary_->setText(fileList_->Listing().SummaryText(model.PictureCount(), model.MarkedCount(),
                                                       model.MarkedBytes()));
}

void CMainFrame::ShowLockStates() {
    // Unlit where the system does not tell the keyboard's lights.
    const LockStates states = ReadLockStates().value_or(LockStates{});
    const bool on[] = {states.caps, states.num, states.scroll};
    for (int i = 0; i < 3; ++i)
        lockLabels_[i]->setEnabled(on[i]);
}

void CMainFrame::OpenWith(const QStringList& files) {
    const OpenWithPlan plan = PlanOpenWith(files);
    fileList_->ShowGiven(plan);
    const QString status = OpenWithStatus(plan);
    if (!status.isEmpty())
        statusBar()->showMessage(status);
}

void CMainFrame::OnHelpCommand(int id) {
    QDesktopServices::openUrl(HelpLink(id, settings_.versionText));
}

void CMainFrame::OnCreateClient() {
    CreateToolBars();
    auto* band = addToolBar(QStringLiteral("Address"));
    band->setObjectName(QStringLiteral("AddressBand"));
    FixInPlace(band);
    band->addWidget(new QLabel(TrText("Frame", " Address "), band));
    address_ = new AddressBar(settings_, shell_, band);
    // The band takes what is left of its row, so long paths stay readable.
    address_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    band->addWidget(address_);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    listPane_ = new QStackedWidget(splitter_);
    fileList_ = new CFileListView(settings_, shell_, listPane_);
    thumbnails_ = new CThumbnailView(*fileList_, listPane_);
    listPane_->addWidget(fileList_);
    listPane_->addWidget(thumbnails_);
    preview_ = new CScrollPictureView(splitter_);
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({settings_.curcol, std::max(1, width() - settings_.curcol)});
    setCentralWidget(splitter_);

    // Both panes are views of the one document; the list and the bar keep
    // each other in step.
    preview_->OnInitialUpdate(document_);
    fileList_->SetAddressBar(address_);
    connect(address_, &AddressBar::FolderChosen, fileList_, &CFileListView::NavigatePidl);
    address_->InitAddressBar();
    fileList_->OnInitialUpdate(document_);
    ConnectCommands();
    SetViewMode(settings_.viewMode);
    CreateStatusBar();
    // Why a picture cannot be shown stays until another picture is.
    const auto tell = [this](const QString& message) {
        previewMessage_ = message;
        statusBar()->showMessage(message);
    };
    connect(preview_, &CScrollPictureView::PictureNotShown, this, tell);
    connect(preview_, &CScrollPictureView::PictureShownInPart, this, tell);
    connect(preview_, &CScrollPictureView::PictureShown, this, [this] {
        if (!previewMessage_.isEmpty() && statusBar()->currentMessage() == previewMessage_)
            statusBar()->clearMessage();
        previewMessage_.clear();
    });
}

void CMainFrame::SetViewMode(int mode) {
    const bool grid = mode == ViewMode::Thumbnails;
    settings_.viewMode = grid ? ViewMode::Thumbnails : ViewMode::Details;
    // As many of the screen's pixels as the grid's points cover.
    fileList_->Model().SetMakeThumbnails(
        grid, int(std::ceil(ThumbnailCache::kSide * thumbnails_->devicePixelRatioF())));
    QAbstractItemView* shown = grid ? static_cast<QAbstractItemView*>(thumbnails_) : fileList_;
    const bool hadFocus = listPane_->currentWidget() && listPane_->currentWidget()->hasFocus();
    listPane_->setCurrentWidget(shown);
    Action(grid ? CommandId::ViewThumbnails : CommandId::ViewDetails)->setChecked(true);
    if (shown->currentIndex().isValid())
        shown->scrollTo(shown->currentIndex());
    if (hadFocus)
        shown->setFocus();
}

void CMainFrame::ApplyPlacement() {
    if (!settings_.hasWindowPlacement)
        return;
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const std::optional<QRect> geometry = PlacementGeometry(settings_.windowPlacement, screens);
    if (geometry)
        setGeometry(*geometry);
    if (settings_.windowPlacement.showCmd == ShowCommand::Maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The frame's edges are known once the window is shown.
    if (!event->spontaneous())
        QMetaObject::invokeMethod(this, &CMainFrame::KeepOnScreen, Qt::QueuedConnection);
}

void CMainFrame::KeepOnScreen() {
    if (!screen() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    // The whole window, its title bar and its status bar, on its screen.
    const QRect frame = frameGeometry();
    const QRect inside = geometry();
    const QMargins edges(inside.left() - frame.left(), inside.top() - frame.top(),
                         frame.right() - inside.right(), frame.bottom() - inside.bottom());
    const std::optional<QRect> kept = PlacementGeometry(
        MakePlacement(inside, false), {screen()->availableGeometry().marginsRemoved(edges)});
    if (kept && *kept != inside)
        setGeometry(*kept);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    DestroyWindow();
    event->accept();
}

void CMainFrame::DestroyWindow() {
    settings_.windowPlacement = MakePlacement(normalGeometry(), isMaximized());
    settings_.hasWindowPlacement = true;
    settings_.curcol = splitter_->sizes().value(0, settings_.curcol);
    fileList_->StoreColumnWidths();
    // The view mode with it.
    if (const QString why = settings_.SaveLayoutSettings(); !why.isEmpty())
        QMessageBox::warning(this, windowTitle(), FrameText::LayoutNotKept.arg(why));
}
