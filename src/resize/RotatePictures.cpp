// SPDX-License-Identifier: MIT
#include "resize/RotatePictures.h"

#include "resize/ResizeIds.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kWidth = 56;
constexpr int kHeight = 40;

// A little photo: sky, sun and hills, upright or turned.
void DrawPhoto(QPainter& p, const QRectF& r) {
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0x6f, 0xb4, 0xf0));
    sky.setColorAt(1, QColor(0xc9, 0xe6, 0xff));
    p.setPen(QPen(QColor(0x44, 0x55, 0x66), 1));
    p.setBrush(sky);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xc8, 0x3d));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.72, r.top() + r.height() * 0.3), r.width() * 0.1,
                  r.width() * 0.1);
    QPainterPath hills;
    hills.moveTo(r.left() + 1, r.bottom() - 1);
    hills.lineTo(r.left() + 1, r.top() + r.height() * 0.7);
    hills.quadTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.35,
                 r.left() + r.width() * 0.55, r.top() + r.height() * 0.72);
    hills.quadTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.55, r.right() - 1,
                 r.top() + r.height() * 0.68);
    hills.lineTo(r.right() - 1, r.bottom() - 1);
    hills.closeSubpath();
    p.setBrush(QColor(0x3f, 0x9b, 0x4f));
    p.drawPath(hills);
}

void DrawArrowHead(QPainter& p, QPointF tip, qreal angleDegrees) {
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    QPainterPath head;
    head.moveTo(0, 0);
    head.lineTo(-6, -4);
    head.lineTo(-6, 4);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
    p.restore();
}

} // namespace

QPixmap RotatePicture(int bitmapId, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(kWidth, kHeight) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor arrow(0xd0, 0x3a, 0x2f);
    p.setPen(QPen(arrow, 2.2, Qt::SolidLine, Qt::RoundCap));

    if (bitmapId == ResizeDialogId::FlipBitmap) {
        // The photo and its mirror image below a dashed axis.
        DrawPhoto(p, QRectF(14, 2, 28, 16));
        p.save();
        p.translate(0, 40);
        p.scale(1, -1);
        p.setOpacity(0.55);
        DrawPhoto(p, QRectF(14, 2, 28, 16));
        p.restore();
        p.setPen(QPen(QColor(0x44, 0x55, 0x66), 1, Qt::DashLine));
        p.drawLine(QPointF(8, 20), QPointF(48, 20));
        p.setPen(QPen(arrow, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(50, 8), QPointF(50, 32));
        DrawArrowHead(p, QPointF(50, 34), 90);
        DrawArrowHead(p, QPointF(50, 6), -90);
        return pixmap;
    }

    const bool left = bitmapId == ResizeDialogId::RotateLeftBitmap;
    // A portrait photo: the landscape turned a quarter.
    p.save();
    p.translate(left ? 36 : 20, 20);
    p.rotate(left ? -90 : 90);
    DrawPhoto(p, QRectF(-14, -9, 28, 18));
    p.restore();
    // A quarter-circle arrow over the photo, in the direction of the turn.
    QPainterPath arc;
    const QRectF circle = left ? QRectF(4, 6, 28, 28) : QRectF(24, 6, 28, 28);
    arc.arcMoveTo(circle, left ? 20 : 160);
    arc.arcTo(circle, left ? 20 : 160, left ? 110 : -110);
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    DrawArrowHead(p, arc.currentPosition(), left ? 200 : -20);
    return pixmap;
}
