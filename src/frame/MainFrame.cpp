// SPDX-License-Identifier: MIT
#include "frame/MainFrame.h"

#include "app/AppIds.h"
#include "app/AppSettings.h"
#include "app/Placement.h"
#include "browse/AddressBar.h"
#include "browse/FileListView.h"
#include "frame/FrameIds.h"
#include "preview/ScrollPictureView.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>

namespace {
constexpr int kDefaultWidth = 1100;
constexpr int kDefaultHeight = 760;
} // namespace

CMainFrame::CMainFrame(AppSettings& settings, CTessaryDoc& document, QWidget* parent)
    : QMainWindow(parent)
    , settings_(settings)
    , document_(document) {
    setObjectName(QString::number(AppResourceId::MainTemplate));
    setWindowTitle(AppText::MainTitle);
    resize(kDefaultWidth, kDefaultHeight);
    BuildMenu();
    OnCreateClient();
}

void CMainFrame::BuildMenu() {
    QMenu* menu = nullptr;
    for (const MenuEntry& entry : kMainMenu) {
        const QString title = QString::fromLatin1(entry.menu);
        if (!menu || menu->title() != title)
            menu = menuBar()->addMenu(title);
        const QStringList parts = QString::fromLatin1(entry.text).split(QLatin1Char('\t'));
        QAction* action = menu->addAction(parts.first());
        action->setObjectName(QString::number(entry.id));
        if (parts.size() > 1)
            action->setShortcut(QKeySequence(parts[1]));
        // The commands come to life as their windows are built; until then
        // an item that does nothing is shown as such.
        action->setEnabled(entry.id == CommandId::Exit || entry.id == CommandId::About);
        if (entry.separatorAfter)
            menu->addSeparator();
    }
    connect(Action(CommandId::Exit), &QAction::triggered, this, &QWidget::close);
}

QAction* CMainFrame::Action(int id) const {
    return findChild<QAction*>(QString::number(id));
}

void CMainFrame::OnCreateClient() {
    auto* band = addToolBar(QStringLiteral("Address"));
    band->setObjectName(QStringLiteral("AddressBand"));
    band->addWidget(new QLabel(QStringLiteral(" Address "), band));
    address_ = new AddressBar(settings_, band);
    band->addWidget(address_);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    fileList_ = new CFileListView(settings_, splitter_);
    preview_ = new CScrollPictureView(splitter_);
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({settings_.curcol, std::max(1, width() - settings_.curcol)});
    setCentralWidget(splitter_);

    // Both panes are views of the one document; the list and the bar keep
    // each other in step.
    preview_->OnInitialUpdate(document_);
    fileList_->SetAddressBar(address_);
    address_->SetListView(fileList_);
    address_->InitAddressBar();
    fileList_->OnInitialUpdate(document_);
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

void CMainFrame::closeEvent(QCloseEvent* event) {
    DestroyWindow();
    event->accept();
}

void CMainFrame::DestroyWindow() {
    settings_.windowPlacement = MakePlacement(normalGeometry(), isMaximized());
    settings_.hasWindowPlacement = true;
    settings_.curcol = splitter_->sizes().value(0, settings_.curcol);
    settings_.SaveLayoutSettings();
}
