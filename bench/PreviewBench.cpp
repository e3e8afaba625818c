// SPDX-License-Identifier: MIT
// How long a click on a photo takes to show in the preview pane: from
// SetPicturePath and LoadPicture to the end of the first paint, in a pane
// 800 pixels wide, beside the time libvips needs to decode the same file in
// full. Both are the median of several runs with the file in the page cache.
#include "preview/ScrollPictureView.h"
#include "resize/Image.h"

#include <QApplication>
#include <QElapsedTimer>
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
    return 0;
}
