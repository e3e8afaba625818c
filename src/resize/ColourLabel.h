// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A static text whose colour changes at run time. Each setter
// repaints at once and returns the label, so calls chain:
//   label.SetTextColour(Qt::red).SetText(warning);
// Unconfigured, it draws in the window-text colour with the default GUI
// font on the dialog's face colour.
class ColourLabel : public QLabel {
    Q_OBJECT
public:
    explicit ColourLabel(QWidget* parent = nullptr);

    ColourLabel& SetText(const QString& text);
    ColourLabel& SetTextColour(const QColor& colour);

    QColor TextColour() const { return textColour_; }

private:
    void Repaint();
    QColor textColour_;
};
