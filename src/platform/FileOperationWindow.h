// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ShellFileOperation.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

// A copy or move as the user sees it: a progress window when it takes a
// while, with Cancel; the replace question (Yes, Yes to all, No, No to all,
// Cancel) and the offer to create a missing folder.
class FileOperationWindow : public FileOperationPrompt {
public:
    FileOperationWindow(int operation, QWidget* owner);
    ~FileOperationWindow() override;

    Replace AskReplace(const QString& source, const QString& target) override;
    bool AskCreateFolder(const QString& folder) override;
    bool Progress(int64_t done, int64_t total, const QString& current) override;

private:
    // Questions stand over the progress window once it is shown.
    QWidget* QuestionParent() const;

    QWidget* owner_;
    QElapsedTimer clock_;
    QString verb_; // "Copying" or "Moving"
    std::unique_ptr<QProgressDialog> progress_;
};
