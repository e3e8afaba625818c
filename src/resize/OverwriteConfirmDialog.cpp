// SPDX-License-Identifier: MIT
#include "resize/OverwriteConfirmDialog.h"

#include "resize/ResizeIds.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

OverwriteConfirmDialog::OverwriteConfirmDialog(const QString& path, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(ConfirmDialogText::Caption);
    setObjectName(QString::number(ConfirmDialogId::Template));

    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);

    question_ = new QLabel(this);
    question_->setObjectName(QString::number(ConfirmDialogId::Question));
    question_->setWordWrap(true);
    auto* pathLabel = new QLabel(path, this);
    pathLabel->setObjectName(QString::number(ConfirmDialogId::Path));
    pathLabel->setWordWrap(true);
    pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathLabel->setTextFormat(Qt::PlainText);

    auto* texts = new QVBoxLayout;
    texts->addWidget(question_);
    texts->addWidget(pathLabel);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const std::pair<int, QString> choices[] = {
        {AnswerYesToAll, ConfirmDialogText::YesToAll},
        {AnswerYes, ConfirmDialogText::Yes},
        {AnswerNo, ConfirmDialogText::No},
        {AnswerNoToAll, ConfirmDialogText::NoToAll},
    };
    const int ids[] = {ConfirmDialogId::YesToAll, ConfirmDialogId::Yes, ConfirmDialogId::No,
                       ConfirmDialogId::NoToAll};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(choices[i].second, this);
        button->setObjectName(QString::number(ids[i]));
        const int code = choices[i].first;
        connect(button, &QPushButton::clicked, this, [this, code] {
            answer = code;
            accept();
        });
        if (code == AnswerYes) {
            button->setDefault(true);
            button->setFocus();
        }
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void OverwriteConfirmDialog::SetQuestion(const QString& question) {
    question_->setText(question);
}

void OverwriteConfirmDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    findChild<QPushButton*>(QString::number(ConfirmDialogId::Yes))->setFocus();
    // Asked from a batch the user may have left running in the background.
    raise();
    activateWindow();
}
