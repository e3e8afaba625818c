// SPDX-License-Identifier: MIT
#include "preview/FullScreenView.h"

#include "codec/Image.h"
#include "platform/FileName.h"
#include "preview/PictureCanvas.h"
#include "preview/PreviewTexts.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr int kWheelNotch = 120;
constexpr int kMsPerSecond = 1000;
} // namespace

CFullScreenView::CFullScreenView(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(PreviewText::FullScreenTitle);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(&slideshow_, &QTimer::timeout, this, [this] { Q_EMIT StepRequested(Next, true); });
}

void CFullScreenView::ShowPicture(const QString& path) {
    path_ = path;
    setWindowTitle(PreviewText::FullScreenTitle + QStringLiteral(" - ") +
                   ShownFileName(QFileInfo(path).fileName()));
    Decode();
    update();
}

void CFullScreenView::Decode() {
    shown_ = QImage();
    why_.clear();
    if (path_.isEmpty())
        return;
    // The whole screen's pixels, no more: a photo of any size decodes quickly.
    CxImage image;
    DecodedPixels pixels;
    const qreal ratio = devicePixelRatioF();
    if (!image.Load(path_) ||
        !image.DecodeToFit(int(width() * ratio), int(height() * ratio), pixels, true)) {
        why_ = PreviewText::CannotShow.arg(ShownFileName(QFileInfo(path_).fileName()),
                                           image.GetLastError());
        return;
    }
    shown_ = ToImage(pixels);
    shown_.setDevicePixelRatio(ratio);
    transparent_ = HasTransparency(pixels);
}

void CFullScreenView::SetSlideshow(bool on, int paceSeconds) {
    paceSeconds_ = paceSeconds;
    if (on)
        slideshow_.start(paceSeconds * kMsPerSecond);
    else
        slideshow_.stop();
    Q_EMIT SlideshowToggled(on);
}

void CFullScreenView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (shown_.isNull()) {
        painter.setPen(Qt::lightGray);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, why_);
        return;
    }
    // Centred, fitted to the screen, never larger than decoded: a JPEG
    // decodes at its decoder's scale, a little larger than the screen.
    QSize size = shown_.deviceIndependentSize().toSize();
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    if (transparent_) {
        painter.setBrushOrigin(target.topLeft());
        painter.fillRect(target, Checkerboard());
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, shown_);
}

void CFullScreenView::keyPressEvent(QKeyEvent* event) {
    if (!slideshowKey_.isEmpty() && QKeySequence(event->keyCombination()) == slideshowKey_) {
        SetSlideshow(!SlideshowRunning(), paceSeconds_);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_F11:
        close();
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        Q_EMIT StepRequested(Next, false);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Backspace:
        Q_EMIT StepRequested(Previous, false);
        return;
    case Qt::Key_Home:
        Q_EMIT StepRequested(First, false);
        return;
    case Qt::Key_End:
        Q_EMIT StepRequested(Last, false);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CFullScreenView::wheelEvent(QWheelEvent* event) {
    wheel_ += event->angleDelta().y();
    while (std::abs(wheel_) >= kWheelNotch) {
        const bool down = wheel_ < 0;
        wheel_ += down ? kWheelNotch : -kWheelNotch;
        Q_EMIT StepRequested(down ? Next : Previous, false);
    }
    event->accept();
}

void CFullScreenView::mouseDoubleClickEvent(QMouseEvent*) {
    close();
}

void CFullScreenView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Decode();
}

void CFullScreenView::closeEvent(QCloseEvent* event) {
    slideshow_.stop();
    Q_EMIT Left();
    QWidget::closeEvent(event);
}
