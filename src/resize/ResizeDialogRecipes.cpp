// SPDX-License-Identifier: MIT
// The resize dialog's recipes: the name template and further outputs it
// checks, the presets it fills itself from and stores, and the estimate
// of the batch it asks for.
#include "batch/EncodeResult.h"
#include "batch/NameTemplate.h"
#include "menus/ContextMenuItems.h"
#include "menus/FileManagerMenus.h"
#include "platform/DesktopMetrics.h"
#include "platform/FixedText.h"
#include "resize/EstimateLabel.h"
#include "resize/FurtherOutputList.h"
#include "resize/ResizeDialog.h"
#include "resize/ResizeIds.h"
#include "settings/AppSettings.h"
#include "settings/PresetStore.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>

namespace {
namespace Text = ResizeDialogText;
} // namespace

void ResizeDialog::RequestEstimate() {
    if (loading_ || !opened_)
        return;
    if (settings_.PictureList.isEmpty()) {
        estimate_->clear();
        return;
    }
    estimate_->Request(ShownOptions(), settings_.PictureList,
                       PrimaryDesktopSize().value_or(DesktopSize{}));
}

// The name template and the further outputs: refused when they could not
// be stored or used, with the reason and the tab that holds them.
bool ResizeDialog::ReadRecipe(bool prompt) {
    if (!prompt)
        return true;
    const QString nameTemplate = nameTemplateEdit_->text();
    QString why = NameTemplateError(nameTemplate);
    if (!FitsFixedText(nameTemplate, kPathTextBytes))
        why = Text::NameTemplateTooLong.arg(kPathTextBytes - 1);
    if (!why.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), why);
        moreTabs_->setCurrentWidget(nameTemplateEdit_->parentWidget());
        nameTemplateEdit_->setFocus();
        return false;
    }
    if (const QString bad = PadColourError(padColourEdit_->text().trimmed()); !bad.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), bad);
        moreTabs_->setCurrentWidget(padColourEdit_->parentWidget());
        padColourEdit_->setFocus();
        return false;
    }
    const QString also = JoinFurtherOutputs(outputList_->Outputs());
    if (!FitsFixedText(also, kAlsoTextBytes)) {
        QMessageBox::warning(this, windowTitle(), Text::OutputsTooMany.arg(kAlsoTextBytes - 1));
        moreTabs_->setCurrentWidget(outputList_);
        return false;
    }
    return true;
}

// The presets' names, current chosen when it is one of them.
void ResizeDialog::FillPresets(const QString& current) {
    presetBox_->clear();
    presetBox_->addItem(Text::NoPreset);
    const PresetStore presets;
    presetBox_->addItems(presets.Names());
    presetBox_->setToolTip(presets.Problem());
    presetBox_->setCurrentIndex(std::max(presetBox_->findText(current), 0));
    deletePreset_->setEnabled(presetBox_->currentIndex() > 0);
}

// The file managers' preset items follow the presets.
void ResizeDialog::RefreshMenus() {
    const QStringList errors = FileManagerMenus::Refresh(ContextMenuItems(settings_));
    if (!errors.isEmpty())
        QMessageBox::warning(this, windowTitle(), errors.join(QLatin1Char('\n')));
}

// A preset fills every control; nothing is stored until "Set as default".
void ResizeDialog::OnPresetChosen() {
    ResizeSettings preset;
    if (presetBox_->currentIndex() <= 0 || !PresetStore().Load(presetBox_->currentText(), preset)) {
        deletePreset_->setEnabled(false);
        return;
    }
    static_cast<ResizeSettings&>(settings_) = preset;
    Open();
}

void ResizeDialog::OnSavePreset() {
    if (!ReadControls(true))
        return;
    bool ok = false;
    const QString name =
        QInputDialog::getText(
            this, windowTitle(), Text::PresetName, QLineEdit::Normal,
            presetBox_->currentIndex() > 0 ? presetBox_->currentText() : QString(), &ok)
            .trimmed();
    if (!ok)
        return;
    ResizeSettings options = settings_;
    WriteTo(options);
    QString error;
    if (!PresetStore().Save(name, options, error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return;
    }
    RefreshMenus();
    FillPresets(name);
}

void ResizeDialog::OnDeletePreset() {
    const QString name = presetBox_->currentText();
    if (presetBox_->currentIndex() <= 0 ||
        QMessageBox::question(this, windowTitle(), Text::DeleteQuestion.arg(name)) !=
            QMessageBox::Yes)
        return;
    if (QString error; !PresetStore().Remove(name, error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return;
    }
    RefreshMenus();
    FillPresets({});
}
