// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class AppSettings;
class CDlgOptionMailPage;
class CDlgOptionMenuContextPage;
class QPushButton;
class QTabWidget;

// The options: the mail texts and the file managers' menu items, on two
// pages. Apply copies the shown pages into the settings at once; the
// caller stores them only when the sheet ends with OK. No Help button.
class CDlgOptionSheet : public QDialog {
    Q_OBJECT
public:
    explicit CDlgOptionSheet(AppSettings& settings, QWidget* parent = nullptr);

    CDlgOptionMailPage* mailPage;
    CDlgOptionMenuContextPage* menuPage;
    QTabWidget* Tabs() const { return tabs_; }
    QPushButton* ApplyButton() const { return apply_; }

    void accept() override;

private:
    void ApplyShownPages();

    QTabWidget* tabs_;
    QPushButton* apply_;
};

// Runs the options sheet; on OK stores the mail texts and menu choices and
// writes the file managers' menu items again, so the choice shows at once.
void RunOptionSheet(AppSettings& settings, QWidget* parent);
