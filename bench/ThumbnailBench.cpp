// SPDX-License-Identifier: MIT
// How long the thumbnail grid takes from opening a folder until every
// thumbnail in view is painted, and the longest the window's event loop
// was kept waiting meanwhile. With --scroll, then pages through the whole
// folder and reports the peak memory.
#include "browse/FileListModel.h"
#include "browse/FileListView.h"
#include "browse/ShellNamespace.h"
#include "browse/ThumbnailCache.h"
#include "browse/ThumbnailView.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

namespace {

// Rows whose cell shows in the grid's viewport.
QSet<int> RowsInView(const CThumbnailView& grid, const FileListModel& model) {
    QSet<int> rows;
    for (int i = 0; i < model.rowCount(); ++i) {
        const FileItem* row = model.Row(i);
        if (row && !row->isFolder &&
            grid.visualRect(model.index(i, 0)).intersects(grid.viewport()->rect()))
            rows.insert(i);
    }
    return rows;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "Usage: tessary-bench-thumbnails FOLDER [--scroll]\n";
        return 2;
    }
    const bool scroll = argc > 2 && QByteArray(argv[2]) == "--scroll";
    AppSettings settings;
    const ShellNamespace shell;
    IdList folder;
    if (!shell.ParsePath(QString::fromLocal8Bit(argv[1]), folder))
        return 1;
    CFileListView list(settings, shell);
    CThumbnailView grid(list);
    list.Model().SetMakeThumbnails(true, ThumbnailCache::kSide);
    grid.resize(800, 700);
    grid.show();
    if (!QTest::qWaitForWindowExposed(&grid))
        return 1;

    QSet<int> painted;
    QObject::connect(&list.Model(), &QAbstractItemModel::dataChanged, &grid,
                     [&painted](const QModelIndex& from, const QModelIndex& to) {
                         for (int i = from.row(); i <= to.row(); ++i)
                             painted.insert(i);
                     });
    // The event loop's longest wait: a timer that should fire every 5 ms.
    QElapsedTimer sinceTick;
    qint64 longestWait = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longestWait = std::max(longestWait, sinceTick.restart()); });
    QElapsedTimer timer;
    timer.start();
    list.NavigateTo(folder);
    sinceTick.start();
    tick.start(5);
    QCoreApplication::processEvents(); // the grid lays out its first cells
    const QSet<int> inView = RowsInView(grid, list.Model());
    while (!painted.contains(inView) && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    QTextStream(stdout) << QString::asprintf("%d rows, %lld pictures in view: painted in %.3f s; "
                                             "longest wait of the event loop %lld ms\n",
                                             int(list.Model().rowCount()), qlonglong(inView.size()),
                                             seconds, qlonglong(longestWait));
    if (!scroll)
        return 0;
    // Page by page to the end, each page's thumbnails painted before the next.
    QScrollBar* bar = grid.verticalScrollBar();
    longestWait = 0;
    timer.restart();
    while (bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + bar->pageStep());
        const QSet<int> page = RowsInView(grid, list.Model());
        while (!painted.contains(page) && timer.elapsed() < 600000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    QTextStream(stdout) << QString::asprintf(
        "scrolled through every page in %.1f s; longest wait %lld ms; peak memory %ld MB\n",
        double(timer.nsecsElapsed()) / 1e9, qlonglong(longestWait), usage.ru_maxrss / 1024);
    return 0;
}
