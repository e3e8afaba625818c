// SPDX-License-Identifier: MIT
// How long a click on a photo takes to show in the preview pane: from
// SetPicturePath and LoadPicture to the end of the first paint, in a pane
// 800 pixels wide, beside the time libvips needs to decode the same file in
// full; and how long an arrow key in the file list takes onto a row whose
// picture was decoded ahead, until it is painted. All are the median of
// several runs with the file in the page cache.
#include "browse/AddressBar.h"
#include "browse/FileListModel.h"
#include "browse/FileListView.h"
#include "browse/ShellNamespace.h"
#include "codec/Image.h"
#include "preview/ScrollPictureView.h"
#include "preview/TessaryDoc.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <vips/vips8>

#include <algorithm>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr int kPaneWidth = 800;
constexpr int kPaneHeight = 1000;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double FullDecodeMs(const QByteArray& path) {
    QElapsedTimer timer;
    timer.start();
    vips::VImage picture = vips::VImage::new_from_file(path.constData()).copy_memory();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    return picture.width() > 0 ? ms : -1;
}

double PreviewMs(CScrollPictureView& view, const QString& path) {
    view.SetPicturePath(QString());
    view.ClearPicture();
    QElapsedTimer timer;
    timer.start();
    view.SetPicturePath(path);
    view.LoadPicture();
    view.viewport()->repaint();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The list and the pane wired as the main window wires them, on a folder
// of two copies of the photo: each key press goes to the other copy once
// the worker has decoded it.
double ArrowKeyMs(const QString& photo) {
    QTemporaryDir dir;
    for (const char* name : {"a.jpg", "b.jpg"})
        QFile::copy(photo, dir.filePath(QLatin1String(name)));
    AppSettings settings;
    settings.LastBrowsePIDL = dir.path();
    CTessaryDoc document;
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    const ShellNamespace shell;
    auto* bar = new AddressBar(settings, shell);
    auto* list = new CFileListView(settings, shell);
    auto* view = new CScrollPictureView;
    for (QWidget* w : std::initializer_list<QWidget*>{bar, list, view})
        layout->addWidget(w);
    view->OnInitialUpdate(document);
    list->SetAddressBar(bar);
    QObject::connect(bar, &AddressBar::FolderChosen, list, &CFileListView::NavigatePidl);
    bar->InitAddressBar();
    list->OnInitialUpdate(document);
    window.resize(kPaneWidth * 2, kPaneHeight);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return -1;
    const int first = list->Model().rowCount() - 2;
    list->setCurrentIndex(list->Model().index(first, 0));
    view->SetPicturePath(list->Model().Row(first)->path);
    view->LoadPicture();
    view->PrefetchPictures({list->Model().Row(first + 1)->path});
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const int target = first + (i % 2 == 0 ? 1 : 0);
        const QString next = list->Model().Row(target)->path;
        QElapsedTimer wait;
        wait.start();
        while (!view->IsPrefetched(next) && wait.elapsed() < 10000)
            QTest::qWait(5);
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(list, i % 2 == 0 ? Qt::Key_Down : Qt::Key_Up);
        view->viewport()->repaint();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (view->picturePath != next)
            return -1;
    }
    return Median(times);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "Usage: tessary-bench-preview PHOTO\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    CScrollPictureView view;
    view.resize(kPaneWidth, kPaneHeight);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return 1;
    std::vector<double> decode;
    std::vector<double> preview;
    FullDecodeMs(path.toLocal8Bit()); // warms the page cache and libvips
    PreviewMs(view, path);
    for (int i = 0; i < kRuns; ++i) {
        decode.push_back(FullDecodeMs(path.toLocal8Bit()));
        preview.push_back(PreviewMs(view, path));
    }
    const double decodeMs = Median(decode);
    const double previewMs = Median(preview);
    QTextStream out(stdout);
    out << "photo: " << path << " (" << view.picture->GetXImage()->GetWidth() << "x"
        << view.picture->GetXImage()->GetHeight() << "), pane " << view.viewport()->width()
        << " pixels wide, median of " << kRuns << "\n";
    out << QString::asprintf("click to painted:     %8.1f ms\n", previewMs);
    out << QString::asprintf("libvips full decode:  %8.1f ms\n", decodeMs);
    out << QString::asprintf("ratio:                %8.2f (preview / full decode)\n",
                             previewMs / decodeMs);
    const double arrowMs = ArrowKeyMs(path);
    out << QString::asprintf("arrow key to painted: %8.1f ms (the next row decoded ahead)\n",
                             arrowMs);
    out << QString::asprintf("ratio:                %8.2f (arrow key / full decode)\n",
                             arrowMs / decodeMs);
    return 0;
}
