// SPDX-License-Identifier: MIT
#include "resize/GuiConfirmationPrompt.h"

#include <QMetaObject>
#include <QThread>
#include <QWidget>

GuiConfirmationPrompt::GuiConfirmationPrompt(QWidget* owner)
    : owner_(owner) {}

int GuiConfirmationPrompt::Ask(const QString& question, const QString& path) {
    int answer = AnswerNoToAll;
    auto ask = [&] {
        if (cancelled_)
            return;
        OverwriteConfirmDialog dialog(path, owner_);
        dialog.SetQuestion(question);
        asking_ = &dialog;
        dialog.exec();
        answer = dialog.answer;
    };
    if (QThread::currentThread() == owner_->thread())
        ask();
    else if (!cancelled_)
        QMetaObject::invokeMethod(owner_, ask, Qt::BlockingQueuedConnection);
    return cancelled_ ? AnswerNoToAll : answer;
}

void GuiConfirmationPrompt::Cancel() {
    cancelled_ = true;
    if (asking_)
        asking_->reject();
}
