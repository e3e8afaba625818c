// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A page of the options sheet: it fills its controls the first time it is
// shown, tells the sheet when the user changed something, and copies its
// controls into the settings when the sheet applies.
class OptionPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    bool Shown() const { return shown_; }
    bool Modified() const { return modified_; }
    // Copies the controls into the settings; the page is then unmodified.
    void Apply();

Q_SIGNALS:
    void ModifiedChanged();

protected:
    void SetModified(bool modified = true);
    virtual void OnInitDialog() = 0;
    virtual void OnApply() = 0;
    void showEvent(QShowEvent* event) override;

private:
    bool shown_ = false;
    bool modified_ = false;
};
