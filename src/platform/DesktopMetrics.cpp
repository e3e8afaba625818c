// SPDX-License-Identifier: MIT
#include "platform/DesktopMetrics.h"

#include <QGuiApplication>
#include <QScreen>

std::optional<DesktopSize> PrimaryDesktopSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    const QSize size = screen->size() * screen->devicePixelRatio();
    if (size.isEmpty())
        return std::nullopt;
    return DesktopSize{size.width(), size.height()};
}
