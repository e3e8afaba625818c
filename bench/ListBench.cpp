// SPDX-License-Identifier: MIT
// How long the file list takes to fill, sort and paint a folder: from
// NavigateTo to the end of the first paint, median of several runs.
#include "browse/FileListModel.h"
#include "browse/FileListView.h"
#include "browse/ShellNamespace.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {
constexpr int kRuns = 5;
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "Usage: tessary-bench-list FOLDER\n";
        return 2;
    }
    AppSettings settings;
    const ShellNamespace shell;
    IdList folder;
    if (!shell.ParsePath(QString::fromLocal8Bit(argv[1]), folder))
        return 1;
    CFileListView list(settings, shell);
    list.resize(600, 800);
    list.show();
    if (!QTest::qWaitForWindowExposed(&list))
        return 1;
    std::vector<double> times;
    for (int i = 0; i <= kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        list.NavigateTo(folder);
        list.viewport()->repaint();
        if (i > 0) // the first run warms the caches
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    QTextStream(stdout) << QString::asprintf("%d rows filled, sorted and painted in %.1f ms\n",
                                             list.Model().rowCount(), times[times.size() / 2]);
    return 0;
}
