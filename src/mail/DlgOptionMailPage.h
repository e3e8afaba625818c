// SPDX-License-Identifier: MIT
#pragma once

#include "mail/OptionPage.h"

class AppSettings;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The mail texts that every new message starts with. The subject holds at
// most 199 bytes and the body 4999 (UTF-8, never cutting a character), as
// their stored buffers do; the page names every text it had to cut. In the
// body Enter is the sheet's OK and Ctrl+Enter starts a new line.
class CDlgOptionMailPage : public OptionPage {
    Q_OBJECT
public:
    explicit CDlgOptionMailPage(AppSettings& settings, QWidget* parent = nullptr);

    QString body;
    QString subject;

protected:
    void OnInitDialog() override;
    void OnApply() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepWithinBytes();
    void ShowRefused(const QString& what, int bytes);

    AppSettings& settings_;
    QLineEdit* subjectEdit_;
    QPlainTextEdit* bodyEdit_;
    QLabel* refused_; // says what did not fit
    bool filling_ = false;
};
