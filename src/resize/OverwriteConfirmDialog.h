// SPDX-License-Identifier: MIT
#pragma once

#include "batch/ConfirmationPrompt.h"

#include <QDialog>

class QLabel;

// The Yes / Yes to all / No / No to all question about one file. "Yes" is
// the default button and has the focus; Escape or the close box leave the
// answer at AnswerAsk.
class OverwriteConfirmDialog : public QDialog {
    Q_OBJECT
public:
    OverwriteConfirmDialog(const QString& path, QWidget* parent);

    // Set by the caller after construction, before the dialog is shown.
    void SetQuestion(const QString& question);

    int answer = AnswerAsk;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* question_;
};
