// SPDX-License-Identifier: MIT
#include "preview/PictureCanvas.h"

#include <QPainter>
#include <QPixmap>

namespace {
constexpr int kCheckerSquare = 8;
} // namespace

QImage ToImage(const DecodedPixels& pixels) {
    return QImage(pixels.rgba.data(), pixels.width, pixels.height, pixels.width * 4,
                  QImage::Format_RGBA8888)
        .copy();
}

bool HasTransparency(const DecodedPixels& pixels) {
    for (size_t alpha = 3; alpha < pixels.rgba.size(); alpha += 4)
        if (pixels.rgba[alpha] != 0xff)
            return true;
    return false;
}

const QBrush& Checkerboard() {
    static const QBrush brush = [] {
        QPixmap tile(2 * kCheckerSquare, 2 * kCheckerSquare);
        tile.fill(Qt::white);
        QPainter painter(&tile);
        const QColor grey(0xcc, 0xcc, 0xcc);
        painter.fillRect(0, 0, kCheckerSquare, kCheckerSquare, grey);
        painter.fillRect(kCheckerSquare, kCheckerSquare, kCheckerSquare, kCheckerSquare, grey);
        return QBrush(tile);
    }();
    return brush;
}
