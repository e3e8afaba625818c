// SPDX-License-Identifier: MIT
#include "preview/ScrollPictureView.h"

#include "codec/Image.h"
#include "platform/FileName.h"
#include "preview/ExifReader.h"
#include "preview/PanelLayout.h"
#include "preview/PictureCanvas.h"
#include "preview/PreviewTexts.h"
#include "preview/TessaryDoc.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr int kFrameInset = 5; // the outer frame; the inner one is twice as far in
constexpr int kRedecodeDelayMs = 150;
constexpr int kStepPixels = 20;
constexpr double kZoomStep = 1.25; // one notch of the wheel, or one "+"
constexpr int kWheelNotch = 120;
constexpr int kPictureInset = 2; // where PlacePicture sets the picture's square
// An animation's frames held at most, in bytes: a long one plays at a
// lower resolution rather than taking the memory of hundreds of pictures.
constexpr int64_t kAnimationBytes = int64_t(64) << 20;
// What browsers show a frame for whose delay is near nothing.
constexpr int kShortestDelayMs = 20;
constexpr int kPlainDelayMs = 100;
// A file being written changes many times: it is read again once quiet.
constexpr int kReloadQuietMs = 200;
} // namespace

CScrollPictureView::CScrollPictureView(QWidget* parent)
    : QAbstractScrollArea(parent)
    , picture(std::make_unique<IImage>())
    , exifReader(std::make_unique<ExifReader>())
    , fileWatch_(new QFileSystemWatcher(this)) {
    viewport()->setBackgroundRole(QPalette::Button);
    animation_.setSingleShot(true);
    connect(&animation_, &QTimer::timeout, this, &CScrollPictureView::NextFrame);
    reload_.setSingleShot(true);
    reload_.setInterval(kReloadQuietMs);
    connect(fileWatch_, &QFileSystemWatcher::fileChanged, &reload_, qOverload<>(&QTimer::start));
    connect(&reload_, &QTimer::timeout, this, &CScrollPictureView::ReloadWhenChanged);
    redecode_.setSingleShot(true);
    redecode_.setInterval(kRedecodeDelayMs);
    connect(&redecode_, &QTimer::timeout, this, [this] {
        if (IsPictureShown() && !DecodeForPane())
            picture->GetXImage()->Destroy();
        else if (!frames_.empty())
            StartAnimation();
        InvalidateAll();
    });
    verticalScrollBar()->setSingleStep(kStepPixels);
    horizontalScrollBar()->setSingleStep(kStepPixels);
    SetScrollSizes(totalSize_);
}

CScrollPictureView::~CScrollPictureView() = default;

void CScrollPictureView::SetPicturePath(QString path) {
    picturePath = std::move(path);
}

int CScrollPictureView::LoadPicture() {
    if (picturePath.isEmpty() || !FileNameExists(picturePath))
        return -1;
    StopAnimation();
    // Another picture starts at its top, whatever was scrolled to before.
    if (picturePath != shownPath_) {
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }
    shownPath_ = picturePath;
    inPart_ = false;
    if (!fileWatch_->files().isEmpty())
        fileWatch_->removePaths(fileWatch_->files());
    if (std::unique_ptr<PrefetchedPicture> ahead =
            prefetch_.Take(picturePath, viewport()->width(), devicePixelRatioF())) {
        picture = std::move(ahead->picture);
        exifReader = std::move(ahead->exif);
        hasExif = ahead->hasExif;
        shownStamp_ = ahead->stamp;
        fileWatch_->addPath(picturePath);
        ShowPixels(ahead->pixels);
        // Decoded ahead for the fit: a zoomed pane needs more.
        if (zoom_ > 0 && !DecodeForPane())
            ShowPixels(ahead->pixels);
        StartAnimation();
        InvalidateAll();
        Q_EMIT PictureShown();
        return 0;
    }
    shownStamp_ = PreviewPrefetch::Stamp(picturePath);
    fileWatch_->addPath(picturePath);
    hasExif = exifReader->Load(picturePath);
    CxImage* image = picture->GetXImage();
    const QString name = ShownFileName(QFileInfo(picturePath).fileName());
    // A picture that does not decode is shown as nothing at all; one whose
    // data ends early shows what there is. The status bar says why.
    const bool loaded = image->Load(picturePath);
    if (loaded && DecodeForPane()) {
        StartAnimation();
        Q_EMIT PictureShown();
        InvalidateAll();
        return 0;
    }
    const QString why = image->GetLastError();
    inPart_ = loaded;
    if (inPart_ && DecodeForPane()) {
        Q_EMIT PictureShown();
        Q_EMIT PictureShownInPart(PreviewText::ShownInPart.arg(name, why));
    } else {
        image->Destroy();
        inPart_ = false;
        SetScrollSizes(kEmptyPane);
        Q_EMIT PictureNotShown(PreviewText::CannotShow.arg(name, why));
    }
    InvalidateAll();
    return 0;
}

void CScrollPictureView::ReloadWhenChanged() {
    // Gone, it leaves with its row in the list; unchanged, nothing to do.
    if (picturePath == shownPath_ && FileNameExists(picturePath) &&
        PreviewPrefetch::Stamp(picturePath) != shownStamp_)
        LoadPicture();
}

void CScrollPictureView::StartAnimation() {
    StopAnimation();
    CxImage* image = picture->GetXImage();
    if (!IsPictureShown() || image->PageCount() < 2)
        return;
    const Edges place = PicturePlace();
    const qreal ratio = devicePixelRatioF();
    if (!image->DecodeFramesToFit(int(std::max(1, place.width()) * ratio),
                                  int(std::max(1, place.height()) * ratio), kAnimationBytes,
                                  frames_))
        return;
    frame_ = 0;
    ShowPixels(frames_.front());
    const int delay = frames_.front().delayMs;
    animation_.start(delay < kShortestDelayMs ? kPlainDelayMs : delay);
}

void CScrollPictureView::StopAnimation() {
    animation_.stop();
    frames_.clear();
}

void CScrollPictureView::NextFrame() {
    if (frames_.empty())
        return;
    frame_ = (frame_ + 1) % frames_.size();
    ShowPixels(frames_[frame_]);
    InvalidateAll();
    const int delay = frames_[frame_].delayMs;
    animation_.start(delay < kShortestDelayMs ? kPlainDelayMs : delay);
}

double CScrollPictureView::FitScale() const {
    CxImage* image = picture->GetXImage();
    const Edges fit = PlacePicture(viewport()->width(), image->GetWidth(), image->GetHeight());
    return image->GetWidth() > 0 ? double(fit.width()) / image->GetWidth() : 1.0;
}

Edges CScrollPictureView::PicturePlace() const {
    CxImage* image = picture->GetXImage();
    // A picture kept at a zoom it no longer needs (a smaller one) fits.
    if (zoom_ <= FitScale())
        return PlacePicture(viewport()->width(), image->GetWidth(), image->GetHeight());
    const int width = int(std::lround(image->GetWidth() * zoom_));
    const int height = int(std::lround(image->GetHeight() * zoom_));
    const int left = std::max(kPictureInset, (viewport()->width() - width) / 2);
    return {left, kPictureInset, left + width, kPictureInset + height};
}

void CScrollPictureView::SetZoom(double scale, QPoint anchor) {
    if (!IsPictureShown())
        return;
    const Edges before = PicturePlace();
    const double oldScale = double(before.width()) / picture->GetXImage()->GetWidth();
    const QPointF spot =
        (QPointF(anchor + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value())) -
         QPointF(before.left, before.top)) /
        oldScale;
    const double fit = FitScale();
    zoom_ = std::clamp(scale, fit, std::max(fit, 1.0));
    if (zoom_ <= fit * (1 + 1e-9))
        zoom_ = 0;
    const Edges after = PicturePlace();
    const double newScale = double(after.width()) / picture->GetXImage()->GetWidth();
    // The panel keeps its height under the picture's new bottom; a fitted
    // picture needs no room sideways.
    const int width = zoom_ > 0 ? std::max(totalSize_.width(), after.right + kPictureInset)
                                : std::min(totalSize_.width(), viewport()->width());
    SetScrollSizes(QSize(width, totalSize_.height() - before.bottom + after.bottom));
    const QPointF moved = QPointF(after.left, after.top) + spot * newScale - QPointF(anchor);
    horizontalScrollBar()->setValue(int(std::lround(moved.x())));
    verticalScrollBar()->setValue(int(std::lround(moved.y())));
    if (after.width() * devicePixelRatioF() > shown_.width())
        redecode_.start();
    InvalidateAll();
}

void CScrollPictureView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier) || !IsPictureShown()) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const double notches = event->angleDelta().y() / double(kWheelNotch);
    const double current = zoom_ > 0 ? zoom_ : FitScale();
    SetZoom(current * std::pow(kZoomStep, notches), event->position().toPoint());
    event->accept();
}

bool CScrollPictureView::ZoomKey(QKeyEvent* event) {
    // Shift gives "+" on many keyboards; the keypad's keys count too.
    if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    const QPoint middle = viewport()->rect().center();
    const double current = zoom_ > 0 ? zoom_ : FitScale();
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        SetZoom(current * kZoomStep, middle);
        return true;
    case Qt::Key_Minus:
        SetZoom(current / kZoomStep, middle);
        return true;
    case Qt::Key_1:
        SetZoom(1.0, middle);
        return true;
    case Qt::Key_0:
        SetZoom(0, middle);
        return true;
    default:
        return false;
    }
}

void CScrollPictureView::keyPressEvent(QKeyEvent* event) {
    if (!ZoomKey(event))
        QAbstractScrollArea::keyPressEvent(event);
}

void CScrollPictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && zoom_ > 0) {
        dragFrom_ = event->position().toPoint();
        scrollAtDrag_ = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
        viewport()->setCursor(Qt::ClosedHandCursor);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CScrollPictureView::mouseMoveEvent(QMouseEvent* event) {
    if (dragFrom_) {
        const QPoint moved = event->position().toPoint() - *dragFrom_;
        horizontalScrollBar()->setValue(scrollAtDrag_.x() - moved.x());
        verticalScrollBar()->setValue(scrollAtDrag_.y() - moved.y());
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CScrollPictureView::mouseReleaseEvent(QMouseEvent* event) {
    dragFrom_.reset();
    viewport()->unsetCursor();
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CScrollPictureView::ClearPicture() {
    shownPath_.clear();
    if (!fileWatch_->files().isEmpty())
        fileWatch_->removePaths(fileWatch_->files());
    CxImage* image = picture->GetXImage();
    if (!image->IsValid())
        return;
    StopAnimation();
    image->Destroy();
    shown_ = QImage();
    // An empty pane has nothing to scroll to.
    SetScrollSizes(kEmptyPane);
    InvalidateAll();
}

void CScrollPictureView::OnInitialUpdate(CTessaryDoc& document) {
    SetScrollSizes(kEmptyPane);
    document.pictureView = this;
}

bool CScrollPictureView::IsPictureShown() const {
    CxImage* image = picture->GetXImage();
    return image->IsValid() && image->GetWidth() != 0;
}

bool CScrollPictureView::DecodeForPane() {
    CxImage* image = picture->GetXImage();
    const Edges place = PicturePlace();
    const qreal ratio = devicePixelRatioF();
    DecodedPixels pixels;
    if (!image->DecodeToFit(int(std::max(1, place.width()) * ratio),
                            int(std::max(1, place.height()) * ratio), pixels, inPart_)) {
        shown_ = QImage();
        return false;
    }
    ShowPixels(pixels);
    return true;
}

void CScrollPictureView::ShowPixels(const DecodedPixels& pixels) {
    shown_ = ToImage(pixels);
    transparent_ = HasTransparency(pixels);
}

void CScrollPictureView::PrefetchPictures(const QStringList& paths) {
    prefetch_.Request(paths, viewport()->width(), devicePixelRatioF());
}

void CScrollPictureView::SetScrollSizes(QSize total) {
    totalSize_ = total;
    const QSize page = viewport()->size();
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setPageStep(page.height());
    horizontalScrollBar()->setRange(0, std::max(0, total.width() - page.width()));
    verticalScrollBar()->setRange(0, std::max(0, total.height() - page.height()));
}

void CScrollPictureView::InvalidateAll() {
    viewport()->update();
}

void CScrollPictureView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    // What was decoded ahead fits the old width only.
    if (event->size().width() != event->oldSize().width())
        prefetch_.Clear();
    SetScrollSizes(totalSize_);
    // A wider pane needs more pixels than were decoded.
    const Edges place = PicturePlace();
    if (IsPictureShown() && place.width() * devicePixelRatioF() > shown_.width() &&
        shown_.width() < picture->GetXImage()->GetWidth())
        redecode_.start();
}

void CScrollPictureView::scrollContentsBy(int, int) {
    InvalidateAll();
}

void CScrollPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    OnEraseBkgnd(painter);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    OnDraw(painter);
}

void CScrollPictureView::OnEraseBkgnd(QPainter& painter) {
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Button));
}

void CScrollPictureView::OnDraw(QPainter& painter) {
    if (!IsPictureShown() || shown_.isNull())
        return;
    const int paneWidth = viewport()->width();
    const Edges place = PicturePlace();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect target(place.left, place.top, place.width(), place.height());
    if (transparent_) {
        painter.setBrushOrigin(target.topLeft());
        painter.fillRect(target, Checkerboard());
        painter.setBrushOrigin(QPoint());
    }
    painter.drawImage(target, shown_);
    DrawProperties(painter, paneWidth, viewport()->height());
}

void CScrollPictureView::DrawProperties(QPainter& painter, int paneWidth, int paneHeight) {
    const QFontMetrics defaultMetrics(painter.font());
    const int lineHeight = defaultMetrics.height();
    CxImage* image = picture->GetXImage();
    const Edges place = PicturePlace();
    const QList<PanelRow> rows =
        PanelRows(*exifReader, hasExif != 0, image->GetWidth(), image->GetHeight());
    const PanelLayout layout = LayOutPanel(
        place, paneWidth, paneHeight, lineHeight, rows, hasExif != 0,
        [&defaultMetrics](const QString& text) { return defaultMetrics.horizontalAdvance(text); });
    // A zoomed picture wider than the pane scrolls sideways too.
    const QSize needed(std::max(layout.extent.width(), place.right + kPictureInset),
                       layout.extent.height());
    if ((layout.scrolls || needed.width() > paneWidth) && needed != totalSize_)
        SetScrollSizes(needed);

    const Edges& panel = layout.panel;
    painter.fillRect(QRect(panel.left, panel.top, panel.width(), panel.height()), Qt::white);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    for (const int inset : {kFrameInset, 2 * kFrameInset})
        painter.drawRect(panel.left + inset, panel.top + inset, panel.width() - 2 * inset - 1,
                         panel.height() - 2 * inset - 1);

    const QFont previous = painter.font();
    QFont titleFont = previous;
    titleFont.setFamily(PreviewText::PanelFontFamily);
    titleFont.setWeight(QFont::Bold);
    QFont rowFont = titleFont;
    rowFont.setWeight(QFont::Normal);

    // The title stands on an opaque white ground, interrupting the frames.
    painter.setFont(titleFont);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    const QFontMetrics titleMetrics(titleFont);
    const int titleLeft =
        paneWidth / 2 - titleMetrics.horizontalAdvance(PreviewText::PanelTitle) / 2;
    painter.drawText(QPoint(titleLeft, layout.titleTop + titleMetrics.ascent()),
                     PreviewText::PanelTitle);

    painter.setFont(rowFont);
    const QFontMetrics rowMetrics(rowFont);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int baseline = layout.rowTops[i] + rowMetrics.ascent();
        const QString title = rows[i].ShownTitle();
        const qsizetype gap = title.lastIndexOf(QLatin1Char(' '));
        if (hasExif || gap < 0) {
            painter.drawText(QPoint(layout.rowLeft, baseline), title);
            if (hasExif)
                painter.drawText(QPoint(layout.valueLeft, baseline), rows[i].ShownValue());
            continue;
        }
        // A size row's number is padded for a fixed-width font: in this one
        // the numbers are set flush right, one under the other.
        const QString number = title.mid(gap + 1);
        painter.drawText(QPoint(layout.rowLeft, baseline), title.left(gap).trimmed());
        painter.drawText(QPoint(layout.titleRight - rowMetrics.horizontalAdvance(number), baseline),
                         number);
    }
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(previous);
}
