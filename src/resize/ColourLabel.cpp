// SPDX-License-Identifier: MIT
#include "resize/ColourLabel.h"

ColourLabel::ColourLabel(QWidget* parent)
    : QLabel(parent)
    , textColour_(palette().color(QPalette::WindowText)) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

ColourLabel& ColourLabel::SetText(const QString& text) {
    // Texts keep the "\r\n" line breaks they were written with.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(lines);
    Repaint();
    return *this;
}

ColourLabel& ColourLabel::SetTextColour(const QColor& colour) {
    textColour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
    Repaint();
    return *this;
}

void ColourLabel::Repaint() {
    repaint();
}
