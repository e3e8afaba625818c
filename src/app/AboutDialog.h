// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class AppSettings;

// Who made the program, which version runs and under which licence.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const AppSettings& settings, QWidget* parent = nullptr);
};

// The product name's font: the label's own family, 1.5 times its size
// (cut to a whole number) and bold.
QFont ProductNameFont(const QFont& base);
