// SPDX-License-Identifier: MIT
#pragma once

#include "mail/OptionPage.h"

#include <cstdint>

class AppSettings;
class QCheckBox;
class QRadioButton;

// Which items the file managers' menus show for pictures. Unchecking the
// main item disables the others, which keep their own state.
class CDlgOptionMenuContextPage : public OptionPage {
    Q_OBJECT
public:
    explicit CDlgOptionMenuContextPage(AppSettings& settings, QWidget* parent = nullptr);

    uint32_t defaultAndMail = 1;
    uint32_t resize = 1;
    uint32_t resizeAndMail = 1;
    uint32_t mainItem = 1;
    uint32_t resizeAsDefault = 1;
    uint32_t presets = 1;

protected:
    void OnInitDialog() override;
    void OnApply() override;

private:
    void ReadControls();
    void MainItemRule();
    void MailRule();

    AppSettings& settings_;
    QCheckBox* mainItem_;
    QCheckBox* resize_;
    QCheckBox* resizeAsDefault_;
    QCheckBox* resizeAndMail_;
    QRadioButton* defaultAndMail_;
    QRadioButton* dialogThenMail_;
    QCheckBox* presets_;
};
