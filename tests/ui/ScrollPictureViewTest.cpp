// SPDX-License-Identifier: MIT
#include "Controls.h"
#include "TestSupport.h"

#include "codec/Image.h"
#include "preview/ScrollPictureView.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>

#include <cstdio>

namespace {

// The pane as a user sees it, at a given size.
class ScrollPictureViewTest : public testing::Test {
protected:
    void SetUp() override {
        view_.resize(420, 500);
        view_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view_));
    }
    void Show(const QString& path) {
        view_.SetPicturePath(path);
        view_.LoadPicture();
    }
    QImage Grab() { return view_.viewport()->grab().toImage(); }
    // True when the pane shows its background and nothing else.
    bool Blank() {
        const QImage image = Grab();
        const QRgb background = view_.palette().color(QPalette::Button).rgb();
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                if (image.pixel(x, y) != background)
                    return false;
        return true;
    }
    bool Shown() const {
        CxImage* image = view_.picture->GetXImage();
        return image->IsValid() && image->GetWidth() > 0;
    }

    CScrollPictureView view_;
    QTemporaryDir dir_;
};

TEST_F(ScrollPictureViewTest, DecodesOnlyWhatThePaneShowsAndDrawsPictureAndPanel) {
    Show(TestData(u"hdr/iphone_hdr_NO.jpg"_s));
    ASSERT_TRUE(Shown());
    EXPECT_EQ(view_.picture->GetXImage()->GetWidth(), 3264) << "the picture's own size";
    const int paneWidth = view_.viewport()->width();
    // The decoder's nearest scale not smaller than the pane: 1/4 here.
    EXPECT_EQ(view_.DecodedSize(), QSize(816, 612));
    EXPECT_LT(view_.DecodedSize().width(), 2 * paneWidth * view_.devicePixelRatioF());
    EXPECT_EQ(view_.hasExif, 1);
    const QImage image = Grab();
    const QRgb background = view_.palette().color(QPalette::Button).rgb();
    EXPECT_NE(image.pixel(paneWidth / 2, 100), background) << "the picture";
    // Under the picture (its bottom 2 + S * 2448 / 3264), 20 pixels down,
    const int panelTop = 2 + (paneWidth - 4) * 2448 / 3264 + 20;
    // the white panel from x 2, with its frames 5 and 10 pixels in.
    EXPECT_EQ(image.pixel(3, panelTop + 2), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(7, panelTop + 40), qRgb(0, 0, 0)) << "the outer frame";
    EXPECT_EQ(image.pixel(9, panelTop + 40), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(12, panelTop + 40), qRgb(0, 0, 0)) << "the inner frame";
}

// The picture zooms from the fit to 100 % and back, decoding as many
// pixels as it shows; Ctrl with the wheel keeps the spot under the pointer
// in place; a drag pans; the zoom stays for the next picture.
TEST_F(ScrollPictureViewTest, ZoomsBetweenTheFitAnd100PercentKeepingTheSpotUnderThePointer) {
    Show(TestData(u"hdr/iphone_hdr_NO.jpg"_s));
    ASSERT_TRUE(Shown());
    const QSize fitted = view_.DecodedSize();
    QTest::keyClick(&view_, Qt::Key_1);
    ASSERT_TRUE(WaitUntil(
        [&] {
            QCoreApplication::processEvents();
            return view_.DecodedSize() == QSize(3264, 2448);
        },
        20000));
    EXPECT_EQ(view_.Zoom(), 1.0);
    EXPECT_GE(view_.horizontalScrollBar()->maximum(), 3264 - view_.viewport()->width());
    // One notch out with the pointer over a spot: the spot stays put.
    const QPoint pointer(100, 120);
    const auto spotUnder = [&] {
        const double scale = view_.Zoom();
        const int left = std::max(2, (view_.viewport()->width() - int(3264 * scale)) / 2);
        return QPointF((pointer.x() + view_.horizontalScrollBar()->value() - left) / scale,
                       (pointer.y() + view_.verticalScrollBar()->value() - 2) / scale);
    };
    view_.horizontalScrollBar()->setValue(1000);
    view_.verticalScrollBar()->setValue(700);
    const QPointF before = spotUnder();
    QWheelEvent notch(pointer, view_.viewport()->mapToGlobal(pointer), {}, {0, -120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view_.viewport(), &notch);
    EXPECT_NEAR(view_.Zoom(), 0.8, 1e-9);
    const QPointF after = spotUnder();
    EXPECT_NEAR(after.x(), before.x(), 2.0);
    EXPECT_NEAR(after.y(), before.y(), 2.0);
    // A drag to the left shows more of the right.
    const int x = view_.horizontalScrollBar()->value();
    QTest::mousePress(view_.viewport(), Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseMove(view_.viewport(), QPoint(250, 200));
    QTest::mouseRelease(view_.viewport(), Qt::LeftButton, {}, QPoint(250, 200));
    EXPECT_EQ(view_.horizontalScrollBar()->value(), x + 50);
    // The next picture keeps the zoom; "0" fits it again.
    Show(TestData(u"hdr/canon_hdr_NO.jpg"_s));
    EXPECT_NEAR(view_.Zoom(), 0.8, 1e-9);
    QTest::keyClick(&view_, Qt::Key_0);
    EXPECT_EQ(view_.Zoom(), 0.0);
    Show(TestData(u"hdr/iphone_hdr_NO.jpg"_s));
    EXPECT_LE(view_.DecodedSize().width(), fitted.width());
    EXPECT_EQ(view_.horizontalScrollBar()->maximum(), 0)
        << "a fitted picture needs no room sideways";
}

// A folder, and a picture that does not decode, leave the pane blank.
TEST_F(ScrollPictureViewTest, AFolderOrABadPictureClearsThePane) {
    Show(TestData(u"jpg/Canon_40D.jpg"_s));
    view_.SetPicturePath(QString());
    view_.ClearPicture();
    EXPECT_FALSE(Shown());
    EXPECT_TRUE(Blank());
    // A pane short enough for the camera's panel to scroll.
    view_.resize(300, 250);
    const QByteArray camera = ReadFile(TestData(u"jpg/Canon_40D.jpg"_s));
    QSignalSpy told(&view_, &CScrollPictureView::PictureNotShown);
    for (const QString& path :
         {TestData(u"invalid/corrupted.jpg"_s),
          WriteFile(dir_.filePath(u"cut.jpg"_s), camera.left(camera.size() / 2)), dir_.path()}) {
        Show(TestData(u"jpg/Canon_40D.jpg"_s));
        Grab();
        ASSERT_GT(view_.verticalScrollBar()->maximum(), 0);
        Show(path);
        EXPECT_FALSE(Shown()) << qPrintable(path);
        EXPECT_TRUE(Blank()) << qPrintable(path);
        EXPECT_EQ(view_.verticalScrollBar()->maximum(), 0) << "a scroll bar over an empty pane";
    }
    // Why, for the status bar.
    ASSERT_EQ(told.size(), 3);
    EXPECT_TRUE(told[0][0].toString().startsWith(u"Cannot show corrupted.jpg: Corrupt JPEG"_s))
        << qPrintable(told[0][0].toString());
}

// Scrolled down a zoomed photo, the next picture still opens at its top.
TEST_F(ScrollPictureViewTest, ANewlyChosenPictureStartsAtItsTop) {
    Show(TestData(u"hdr/iphone_hdr_NO.jpg"_s));
    QTest::keyClick(&view_, Qt::Key_1);
    for (QScrollBar* bar : {view_.horizontalScrollBar(), view_.verticalScrollBar()})
        bar->setValue(bar->maximum());
    ASSERT_GT(view_.verticalScrollBar()->value(), 100);
    const QString small = dir_.filePath(u"small.png"_s);
    DrawPicture(small, 300, 200, u"xc:blue"_s);
    Show(small);
    Grab();
    EXPECT_EQ(view_.verticalScrollBar()->value(), 0);
    EXPECT_EQ(view_.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(QColor(Grab().pixel(view_.viewport()->width() / 2, 4)), QColor(Qt::blue))
        << "the picture's top row";
}

// An animated GIF or WebP plays its frames; what is transparent shows a
// checkerboard, not the pane.
TEST_F(ScrollPictureViewTest, AnimationsPlayAndTransparencyShowsACheckerboard) {
    const QString gif = dir_.filePath(u"frames.gif"_s);
    Oracle(u"convert"_s, {u"-delay"_s, u"5"_s, u"-size"_s, u"64x48"_s, u"xc:red"_s, u"xc:lime"_s,
                          u"xc:blue"_s, u"-loop"_s, u"0"_s, gif});
    const QString webp = dir_.filePath(u"frames.webp"_s);
    Oracle(u"vips"_s, {u"copy"_s, gif + u"[n=-1]"_s, webp + u"[lossless]"_s});
    const auto centre = [&] {
        return QColor(Grab().pixel(view_.viewport()->width() / 2, 30));
    };
    for (const QString& path : {gif, webp}) {
        Show(path);
        EXPECT_EQ(view_.FrameCount(), 3) << qPrintable(path);
        for (const QColor colour : {QColor(Qt::green), QColor(Qt::blue), QColor(Qt::red)})
            EXPECT_TRUE(QTest::qWaitFor([&] { return centre() == colour; }))
                << qPrintable(path) << " " << qPrintable(colour.name());
    }

    const QString half = dir_.filePath(u"half.png"_s);
    Oracle(u"convert"_s, {u"-size"_s, u"64x48"_s, u"xc:none"_s, u"-fill"_s, u"red"_s, u"-draw"_s,
                          u"rectangle 0,0 31,47"_s, half});
    Show(half);
    EXPECT_EQ(view_.FrameCount(), 0);
    const QImage image = Grab();
    const int left =
        (view_.viewport()->width() - 4) / 2 + 1 - 32; // the picture's own size, centred
    const QRgb background = view_.palette().color(QPalette::Button).rgb();
    EXPECT_EQ(QColor(image.pixel(left + 10, 10)), QColor(Qt::red));
    const QRgb square = image.pixel(left + 36, 4);
    const QRgb next = image.pixel(left + 44, 4);
    EXPECT_NE(square, background);
    EXPECT_NE(square, next) << "a checkerboard";
}

// Changed on disk, in place or by a new file renamed over it, the picture
// shown is shown again as it now is.
TEST_F(ScrollPictureViewTest, APictureChangedOnDiskIsShownAsItNowIs) {
    const QString path = dir_.filePath(u"changing.png"_s);
    DrawPicture(path, 64, 48, u"xc:red"_s);
    Show(path);
    const auto centre = [&] {
        return QColor(Grab().pixel(view_.viewport()->width() / 2, 20));
    };
    ASSERT_EQ(centre(), QColor(Qt::red));
    DrawPicture(path, 64, 48, u"xc:lime"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return centre() == QColor(Qt::green); }));
    const QString other = dir_.filePath(u"other.png"_s);
    DrawPicture(other, 64, 48, u"xc:blue"_s);
    ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()),
              0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return centre() == QColor(Qt::blue); }));
}

TEST_F(ScrollPictureViewTest, TheScrollRangeGrowsForALongPanelAndNeverShrinksBack) {
    view_.resize(300, 250);
    Show(TestData(u"jpg/Canon_40D.jpg"_s));
    Grab();
    const QSize tall = view_.TotalSize();
    EXPECT_GT(tall.height(), 250);
    EXPECT_GT(view_.verticalScrollBar()->maximum(), 0);

    const QString plain = dir_.filePath(u"plain.png"_s);
    DrawPicture(plain, 64, 48);
    Show(plain);
    EXPECT_EQ(view_.hasExif, 0);
    Grab();
    EXPECT_EQ(view_.TotalSize(), tall);
}

// Without EXIF the two size rows' numbers stand flush right, one under the
// other, however many digits each has.
TEST_F(ScrollPictureViewTest, TheSizeRowsNumbersLineUp) {
    view_.resize(420, 700);
    const QString tall = dir_.filePath(u"tall.png"_s);
    DrawPicture(tall, 8, 1200);
    Show(tall);
    const QImage image = Grab();
    // The rightmost dark pixel of each line of text under the title, inside
    // the frames (which are the only lines dark all across).
    QList<int> rightEdges;
    int right = -1;
    for (int y = 440; y < image.height() - 12; ++y) {
        int dark = 0, rightmost = -1;
        for (int x = 14; x < image.width() - 14; ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ++dark;
                rightmost = x;
            }
        if (dark > image.width() / 2)
            continue;
        if (rightmost >= 0) {
            right = std::max(right, rightmost);
        } else if (right >= 0) {
            rightEdges << right;
            right = -1;
        }
    }
    ASSERT_GE(rightEdges.size(), 3) << "the title and the two rows";
    EXPECT_NEAR(rightEdges[rightEdges.size() - 1], rightEdges[rightEdges.size() - 2], 1);
}

TEST_F(ScrollPictureViewTest, PhotosAreShownUprightWhateverTheirExifOrientation) {
    for (int orientation = 1; orientation <= 8; ++orientation) {
        Show(TestData(u"orientation/landscape_%1.jpg"_s.arg(orientation)));
        ASSERT_TRUE(Shown());
        EXPECT_GT(view_.DecodedSize().width(), view_.DecodedSize().height()) << orientation;
        EXPECT_GT(view_.picture->GetXImage()->GetWidth(), view_.picture->GetXImage()->GetHeight());
    }
}

// A picture decoded ahead is painted only while it is still what its file
// holds and was decoded for this pane: the pane always shows the current
// picture, however quickly it changes.
TEST_F(ScrollPictureViewTest, APictureDecodedAheadIsPaintedOnlyWhileItIsStillTheFiles) {
    QStringList paths;
    for (const char* colour : {"red", "lime", "blue"}) {
        paths << dir_.filePath(QLatin1String(colour) + u".png"_s);
        DrawPicture(paths.last(), 64, 48, u"xc:"_s + QLatin1String(colour));
    }
    const auto painted = [&](const QString& path) {
        Show(path);
        return QColor(Grab().pixel(view_.viewport()->width() / 2, 40));
    };
    EXPECT_EQ(painted(paths[0]), QColor(Qt::red));
    view_.PrefetchPictures({paths[1], paths[2]});
    ASSERT_TRUE(
        WaitUntil([&] { return view_.IsPrefetched(paths[1]) && view_.IsPrefetched(paths[2]); }));
    DrawPicture(paths[2], 64, 48, u"xc:yellow"_s); // changed since
    EXPECT_EQ(painted(paths[1]), QColor(Qt::green));
    EXPECT_EQ(painted(paths[2]), QColor(Qt::yellow));

    view_.PrefetchPictures({paths[0]});
    ASSERT_TRUE(WaitUntil([&] { return view_.IsPrefetched(paths[0]); }));
    view_.resize(300, 500);
    EXPECT_FALSE(view_.IsPrefetched(paths[0])) << "decoded for the old width";

    const QColor colours[] = {Qt::red, Qt::green, Qt::yellow};
    for (int i = 0; i < 12; ++i) {
        view_.PrefetchPictures({paths[(i + 1) % 3], paths[(i + 2) % 3]});
        EXPECT_EQ(painted(paths[i % 3]), colours[i % 3]) << i;
    }
}

} // namespace
