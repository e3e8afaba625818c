// SPDX-License-Identifier: MIT
#include "resize/FurtherOutputList.h"

#include "batch/Recipe.h"
#include "resize/FurtherOutputDialog.h"
#include "resize/ResizeIds.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
namespace Id = ResizeDialogId;
namespace Text = ResizeDialogText;
} // namespace

FurtherOutputList::FurtherOutputList(std::function<ResizeSettings()> mainOptions, QWidget* parent)
    : QWidget(parent)
    , mainOptions_(std::move(mainOptions)) {
    list_ = new QListWidget(this);
    list_->setObjectName(QString::number(Id::FurtherOutputs));
    auto* add = new QPushButton(Text::AddOutput, this);
    add->setObjectName(QString::number(Id::AddOutput));
    edit_ = new QPushButton(Text::EditOutput, this);
    edit_->setObjectName(QString::number(Id::EditOutput));
    remove_ = new QPushButton(Text::RemoveOutput, this);
    remove_->setObjectName(QString::number(Id::RemoveOutput));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {add, edit_, remove_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text::OutputsHint, this));
    layout->addLayout(row, 1);

    connect(add, &QPushButton::clicked, this, [this] { Edit(-1); });
    connect(edit_, &QPushButton::clicked, this, [this] { Edit(list_->currentRow()); });
    connect(list_, &QListWidget::itemActivated, this, [this] { Edit(list_->currentRow()); });
    connect(remove_, &QPushButton::clicked, this, [this] {
        if (list_->currentRow() >= 0)
            outputs_.removeAt(list_->currentRow());
        Refresh();
        Q_EMIT Changed();
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int current) {
        edit_->setEnabled(current >= 0);
        remove_->setEnabled(current >= 0);
    });
    // The main options are asked for only once there are outputs: while
    // the dialog is built there are none to ask.
    edit_->setEnabled(false);
    remove_->setEnabled(false);
}

void FurtherOutputList::SetOutputs(const QStringList& outputs) {
    outputs_ = outputs;
    Refresh();
}

void FurtherOutputList::SetPictureSize(int width, int height) {
    pictureWidth_ = width;
    pictureHeight_ = height;
}

void FurtherOutputList::Refresh() {
    const int row = list_->currentRow();
    const ResizeSettings main = mainOptions_();
    list_->clear();
    for (const QString& changes : outputs_) {
        QString error;
        const ResizeSettings output = FurtherOutput(main, changes, error);
        auto* item = new QListWidgetItem(
            error.isEmpty() ? DescribeOutput(output, pictureWidth_, pictureHeight_) : error, list_);
        item->setToolTip(changes);
    }
    list_->setCurrentRow(std::min(row, int(outputs_.size()) - 1));
    edit_->setEnabled(list_->currentRow() >= 0);
    remove_->setEnabled(list_->currentRow() >= 0);
}

// row -1 adds a new output.
void FurtherOutputList::Edit(int row) {
    FurtherOutputDialog dialog(mainOptions_(), row >= 0 ? outputs_[row] : QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (row >= 0)
        outputs_[row] = dialog.Changes();
    else
        outputs_ << dialog.Changes();
    Refresh();
    list_->setCurrentRow(row >= 0 ? row : int(outputs_.size()) - 1);
    Q_EMIT Changed();
}
