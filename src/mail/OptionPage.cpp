// SPDX-License-Identifier: MIT
#include "mail/OptionPage.h"

void OptionPage::Apply() {
    OnApply();
    SetModified(false);
}

void OptionPage::SetModified(bool modified) {
    modified_ = modified;
    Q_EMIT ModifiedChanged();
}

void OptionPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        OnInitDialog();
    }
}
