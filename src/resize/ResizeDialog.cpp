// SPDX-License-Identifier: MIT
#include "resize/ResizeDialog.h"

#include "codec/PictureTypeTable.h"
#include "platform/DesktopMetrics.h"
#include "platform/FixedText.h"
#include "resize/BatchRun.h"
#include "resize/ColourLabel.h"
#include "resize/FolderBrowseDialog.h"
#include "resize/FurtherOutputList.h"
#include "resize/ProgressDialog.h"
#include "resize/ResizeDialogRules.h"
#include "resize/ResizeIds.h"
#include "settings/AppSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace {

namespace Id = ResizeDialogId;
namespace Text = ResizeDialogText;

// The choice a list box shows, its items in the choice's order.
template <typename Choice> Choice Chosen(const QComboBox* box) {
    return Choice(std::max(box->currentIndex(), 0));
}

const QColor kWarning(255, 0, 0);
const QColor kNormal(0, 0, 0);

std::optional<uint32_t> ParseUnsigned(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qulonglong value = trimmed.toULongLong(&ok);
    if (!ok || trimmed.startsWith(QLatin1Char('+')) || value > UINT32_MAX)
        return std::nullopt;
    return uint32_t(value);
}

void SetTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

void Show(ColourLabel* label, const CheckText& check) {
    label->SetTextColour(check.warning ? kWarning : kNormal).SetText(check.text);
}

} // namespace

ResizeDialog::ResizeDialog(AppSettings& settings, QWidget* parent)
    : QDialog(parent)
    , settings_(settings) {
    setObjectName(QString::number(Id::Template));
    setWindowTitle(Text::Caption);
    BuildControls();
}

void ResizeDialog::SetSummary(const SelectionSummary& summary) {
    pictureWidth = summary.pictureWidth;
    pictureHeight = summary.pictureHeight;
    commonXDpi = summary.commonXDpi;
    commonYDpi = summary.commonYDpi;
}

void ResizeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!opened_) {
        opened_ = true;
        Open();
    }
    raise();
    activateWindow();
}

void ResizeDialog::Open() {
    // The handlers stay quiet while the controls are filled.
    loading_ = true;
    for (ColourLabel* label : {sizeCheck_, rotateCheck_, dpiCheck_})
        label->SetText(QString());
    type_->clear();
    type_->addItem(Text::SameAsSource);
    for (uint32_t code = 1; !PictureTypeTable::Name(code).isEmpty(); ++code)
        type_->addItem(PictureTypeTable::Name(code));

    dest_ = settings_.dest;
    typeIndex_ = int(settings_.imagetype);
    quality_ = int(settings_.qualilty);
    imageToResize_ = settings_.image_to_resize;
    imageToRotate_ = settings_.image_to_rotate;
    imageSetDpi_ = settings_.image_set_dpi;
    constrain_ = settings_.constraint;
    height_ = settings_.height;
    width_ = settings_.width;
    heightUnit_ = int(settings_.hpercent);
    widthUnit_ = int(settings_.wpercent);
    xdpi_ = settings_.xdpi;
    ydpi_ = settings_.ydpi;
    (settings_.override ? overwrite_ : inFolder_)->setChecked(true);
    (settings_.desktop ? desktop_ : resizeAs_)->setChecked(true);
    for (int i = 0; i < 3; ++i)
        rotate_[i]->setAutoExclusive(false);
    for (int i = 0; i < 3; ++i) {
        rotate_[i]->setChecked(settings_.rotate == Turn(i));
        rotate_[i]->setAutoExclusive(true);
    }
    noEnlargeBox_->setChecked(settings_.noenlarge);
    keepDatesBox_->setChecked(settings_.keepdates);
    trashBox_->setChecked(settings_.trash);
    maxKb_ = settings_.maxkb;
    mailMaxKb_ = settings_.mailmaxkb;
    nameTemplateEdit_->setText(settings_.nametemplate);
    onExistsBox_->setCurrentIndex(int(settings_.onexists));
    outputList_->SetPictureSize(pictureWidth, pictureHeight);
    outputList_->SetOutputs(SplitFurtherOutputs(settings_.also));
    fitBox_->setCurrentIndex(int(settings_.fit));
    anchorBox_->setCurrentIndex(int(settings_.anchor));
    padColourEdit_->setText(settings_.padcolour);
    sideBox_->setCurrentIndex(int(settings_.side));
    FillPresets(presetBox_->currentIndex() > 0 ? presetBox_->currentText() : QString());
    metadataBox_->setCurrentIndex(int(settings_.metadata));
    mailMetadataBox_->setCurrentIndex(int(settings_.mailmetadata));
    srgbBox_->setChecked(settings_.srgb);
    ShowValues();

    settings_.override ? OverwriteRule() : FolderRule();
    settings_.desktop ? DesktopRule() : ResizeAsRule();
    OnImageToResize();
    OnImageToRotate();
    OnImageSetDpi();
    TypeRule();
    FramingRule();
    qualityLabel_->setText(QString::number(qualitySlider_->value()));

    // A preset, or stored options, are applied whole.
    if (constrain_ && (pictureWidth == 0 || pictureHeight == 0) && !SizeSuitsAnyPicture())
        UsePercentForMixedSizes();
    ShowValues();
    if (imageToResize_)
        WriteSizeCheck();
    if (imageSetDpi_)
        WriteDpiCheck();
    loading_ = false;
    RequestEstimate();
}

bool ResizeDialog::ReadControls(bool prompt) {
    auto number = [&](QLineEdit* edit, uint32_t& value) {
        const std::optional<uint32_t> parsed = ParseUnsigned(edit->text());
        if (parsed) {
            value = *parsed;
            return true;
        }
        if (prompt) {
            QMessageBox::warning(this, windowTitle(), Text::NotPositiveInteger);
            edit->setFocus();
            edit->selectAll();
        }
        return false;
    };
    if (!number(heightEdit_, height_))
        return false;
    dest_ = destEdit_->text();
    // Stored in a fixed buffer: a longer name would be lost at the next start.
    if (prompt && !FitsFixedText(dest_, kPathTextBytes)) {
        QMessageBox::warning(this, windowTitle(), Text::DestinationTooLong.arg(kPathTextBytes - 1));
        destEdit_->setFocus();
        destEdit_->selectAll();
        return false;
    }
    if (!number(widthEdit_, width_))
        return false;
    quality_ = qualitySlider_->value();
    constrain_ = constrainBox_->isChecked();
    imageToResize_ = imageToResizeBox_->isChecked();
    imageToRotate_ = imageToRotateBox_->isChecked();
    heightUnit_ = heightUnitBox_->currentIndex();
    widthUnit_ = widthUnitBox_->currentIndex();
    typeIndex_ = type_->currentIndex();
    imageSetDpi_ = imageSetDpiBox_->isChecked();
    // An empty limit is no limit.
    for (const auto& [edit, value] :
         {std::pair{maxKbEdit_, &maxKb_}, {mailMaxKbEdit_, &mailMaxKb_}})
        if (edit->text().isEmpty())
            *value = 0;
        else if (!number(edit, *value))
            return false;
    if (!ReadRecipe(prompt))
        return false;
    // A disabled DPI box is not read, and a half-typed one does not stop
    // the size handlers: only a batch or "Set as default" needs it.
    if (!imageSetDpi_)
        return true;
    const bool dpiRead = number(xdpiEdit_, xdpi_) && number(ydpiEdit_, ydpi_);
    return dpiRead || !prompt;
}

void ResizeDialog::ShowValues() {
    SetTextIfChanged(heightEdit_, QString::number(height_));
    SetTextIfChanged(destEdit_, dest_);
    SetTextIfChanged(widthEdit_, QString::number(width_));
    qualitySlider_->setValue(quality_);
    qualityLabel_->setText(QString::number(qualitySlider_->value()));
    constrainBox_->setChecked(constrain_);
    imageToResizeBox_->setChecked(imageToResize_);
    imageToRotateBox_->setChecked(imageToRotate_);
    heightUnitBox_->setCurrentIndex(heightUnit_);
    widthUnitBox_->setCurrentIndex(widthUnit_);
    type_->setCurrentIndex(typeIndex_ < type_->count() ? typeIndex_ : -1);
    imageSetDpiBox_->setChecked(imageSetDpi_);
    SetTextIfChanged(xdpiEdit_, QString::number(xdpi_));
    SetTextIfChanged(ydpiEdit_, QString::number(ydpi_));
    SetTextIfChanged(maxKbEdit_, maxKb_ ? QString::number(maxKb_) : QString());
    SetTextIfChanged(mailMaxKbEdit_, mailMaxKb_ ? QString::number(mailMaxKb_) : QString());
}

void ResizeDialog::WriteBack() {
    WriteTo(settings_);
}

ResizeSettings ResizeDialog::ShownOptions() {
    ResizeSettings shown = settings_;
    // While the controls are being filled they show nothing yet.
    if (loading_)
        return shown;
    ReadControls(false);
    WriteTo(shown);
    return shown;
}

void ResizeDialog::WriteTo(ResizeSettings& s) const {
    s.override = overwrite_->isChecked() ? 1 : 0;
    s.dest = dest_;
    s.imagetype = uint32_t(std::max(typeIndex_, 0));
    s.qualilty = uint32_t(quality_);
    s.image_to_resize = imageToResize_;
    s.image_to_rotate = imageToRotate_;
    s.image_set_dpi = imageSetDpi_;
    s.desktop = desktop_->isChecked() ? 1 : 0;
    s.constraint = constrain_;
    s.height = height_;
    s.width = width_;
    s.hpercent = heightUnit_ == 1;
    s.wpercent = widthUnit_ == 1;
    s.rotate = rotate_[1]->isChecked()   ? Turn::Flip
               : rotate_[2]->isChecked() ? Turn::Right
                                         : Turn::Left;
    s.xdpi = xdpi_;
    s.ydpi = ydpi_;
    s.noenlarge = noEnlargeBox_->isChecked() ? 1 : 0;
    s.keepdates = keepDatesBox_->isChecked() ? 1 : 0;
    s.trash = trashBox_->isChecked() ? 1 : 0;
    s.maxkb = maxKb_;
    s.mailmaxkb = mailMaxKb_;
    s.nametemplate = nameTemplateEdit_->text();
    s.onexists = Chosen<OnExists>(onExistsBox_);
    s.also = JoinFurtherOutputs(outputList_->Outputs());
    s.metadata = Chosen<MetadataKept>(metadataBox_);
    s.mailmetadata = Chosen<MetadataKept>(mailMetadataBox_);
    s.srgb = srgbBox_->isChecked() ? 1 : 0;
    s.fit = Chosen<Fit>(fitBox_);
    s.anchor = Chosen<Anchor>(anchorBox_);
    s.padcolour = padColourEdit_->text().trimmed();
    s.side = Chosen<SideRule>(sideBox_);
}

void ResizeDialog::RunBatch(bool mail) {
    if (!ReadControls(true))
        return;
    WriteBack();
    // A cancelled batch leaves the options open.
    if (BatchRun(settings_, this).Resize(mail))
        accept();
}

bool ResizeDialog::ScanThenShow(AppSettings& settings, QWidget* parent) {
    ProgressDialog scan(settings, parent);
    scan.mode = ProgressDialog::ScanMode;
    if (scan.exec() != QDialog::Accepted)
        return false;
    ResizeDialog dialog(settings, parent);
    dialog.SetSummary(scan.Summary());
    return dialog.exec() == QDialog::Accepted;
}

void ResizeDialog::FolderRule() {
    destEdit_->setEnabled(true);
    nameTemplateEdit_->setEnabled(true);
    type_->setEnabled(true);
    browse_->setEnabled(true);
    TypeRule();
}

void ResizeDialog::OverwriteRule() {
    destEdit_->setEnabled(false);
    // A source written over keeps its name.
    nameTemplateEdit_->setEnabled(false);
    type_->setEnabled(false);
    TypeRule();
}

void ResizeDialog::ResizeAsRule() {
    widthEdit_->setEnabled(true);
    heightEdit_->setEnabled(true);
    const bool known = pictureWidth != 0 && pictureHeight != 0;
    widthUnitBox_->setEnabled(known);
    heightUnitBox_->setEnabled(known);
    WriteSizeCheck();
}

void ResizeDialog::DesktopRule() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{widthEdit_, heightEdit_, widthUnitBox_, heightUnitBox_})
        w->setEnabled(false);
    WriteSizeCheck();
}

void ResizeDialog::TypeRule() {
    const int index = type_->currentIndex();
    if (index < 0)
        return;
    // Written over its source, each picture keeps its own type.
    if (index == 0 || overwrite_->isChecked())
        qualitySlider_->setEnabled(settings_.AnyJpegSource != 0);
    else
        qualitySlider_->setEnabled(PictureTypeTable::IsLossy(uint32_t(index)));
    // Taken at once, even if the dialog is cancelled later.
    settings_.imagetype = uint32_t(index);
}

void ResizeDialog::FramingRule() {
    const int fit = fitBox_->currentIndex();
    const std::pair<QWidget*, bool> controls[] = {{anchorBox_, fit == int(Fit::Fill)},
                                                  {padColourEdit_, fit == int(Fit::Pad)}};
    for (const auto& [control, used] : controls) {
        control->setEnabled(used);
        for (QLabel* label : findChildren<QLabel*>())
            if (label->buddy() == control)
                label->setEnabled(used);
    }
}

void ResizeDialog::RunRule() {
    // A size or DPI that no picture can take would fail every picture.
    const std::optional<uint32_t> x = ParseUnsigned(xdpiEdit_->text());
    const std::optional<uint32_t> y = ParseUnsigned(ydpiEdit_->text());
    const bool possible =
        (!imageToResizeBox_->isChecked() || SizeGiven(SizeInput())) &&
        (!imageSetDpiBox_->isChecked() || (x && y && DpiGiven(*x) && DpiGiven(*y)));
    resize_->setEnabled(possible &&
                        (imageToResizeBox_->isChecked() || imageToRotateBox_->isChecked() ||
                         imageSetDpiBox_->isChecked()));
    resizeAndMail_->setEnabled(possible);
}

SizeCheckInput ResizeDialog::SizeInput() const {
    SizeCheckInput input;
    input.desktop = desktop_->isChecked();
    input.constrain = constrainBox_->isChecked();
    input.width = ParseUnsigned(widthEdit_->text()).value_or(0);
    input.height = ParseUnsigned(heightEdit_->text()).value_or(0);
    input.widthUnit = Chosen<uint32_t>(widthUnitBox_);
    input.heightUnit = Chosen<uint32_t>(heightUnitBox_);
    input.fit = Chosen<Fit>(fitBox_);
    input.side = Chosen<SideRule>(sideBox_);
    return input;
}

void ResizeDialog::SetSizeControlsEnabled(bool enabled) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{constrainBox_, resizeAs_, widthEdit_, heightEdit_,
                                         widthUnitBox_, heightUnitBox_, desktop_})
        w->setEnabled(enabled);
}

void ResizeDialog::OnImageToResize() {
    const bool on = imageToResizeBox_->isChecked();
    SetSizeControlsEnabled(on);
    // The desktop radio keeps its own rule over the sizes it replaces.
    if (on)
        desktop_->isChecked() ? DesktopRule() : ResizeAsRule();
    else
        sizeCheck_->SetText(QString());
    RunRule();
}

void ResizeDialog::OnImageToRotate() {
    for (QRadioButton* r : rotate_)
        r->setEnabled(imageToRotateBox_->isChecked());
    RunRule();
}

void ResizeDialog::OnImageSetDpi() {
    const bool on = imageSetDpiBox_->isChecked();
    xdpiEdit_->setEnabled(on);
    ydpiEdit_->setEnabled(on);
    if (on)
        WriteDpiCheck();
    else
        dpiCheck_->SetText(QString());
    RunRule();
}

void ResizeDialog::WriteSizeCheck() {
    const SelectionSummary summary{pictureWidth, pictureHeight, commonXDpi, commonYDpi};
    Show(sizeCheck_,
         SizeCheckText(SizeInput(), summary, PrimaryDesktopSize().value_or(DesktopSize{})));
    RunRule();
}

void ResizeDialog::WriteDpiCheck() {
    CheckText check = DpiCheckText({pictureWidth, pictureHeight, commonXDpi, commonYDpi});
    const std::optional<uint32_t> x = ParseUnsigned(xdpiEdit_->text());
    const std::optional<uint32_t> y = ParseUnsigned(ydpiEdit_->text());
    if (!x || !y || !DpiGiven(*x) || !DpiGiven(*y)) {
        check.text += Text::DpiNeeded.arg(kMostDpi);
        check.warning = true;
    }
    Show(dpiCheck_, check);
    RunRule();
}

// Pictures of different sizes can only keep their proportions in percent:
// both sides become percent (100 unless they were stored in percent) and
// the units are locked.
// Pictures of different sizes share no size in pixels, but for one that
// suits any picture: a longer or a shorter side, a box to fill or fit in.
bool ResizeDialog::SizeSuitsAnyPicture() const {
    return sideBox_->currentIndex() != int(SideRule::Both) ||
           fitBox_->currentIndex() != int(Fit::Stretch);
}

void ResizeDialog::UsePercentForMixedSizes() {
    if (!settings_.hpercent)
        height_ = 100;
    if (!settings_.wpercent)
        width_ = 100;
    heightUnit_ = widthUnit_ = 1;
    widthUnitBox_->setEnabled(false);
    heightUnitBox_->setEnabled(false);
}

void ResizeDialog::OnConstrain() {
    ReadControls(false);
    if (constrain_) {
        if ((pictureWidth != 0 && pictureHeight != 0) || SizeSuitsAnyPicture()) {
            WriteSizeCheck();
            return;
        }
        UsePercentForMixedSizes();
    } else {
        if (desktop_->isChecked()) {
            WriteSizeCheck();
            return;
        }
        widthUnitBox_->setEnabled(true);
        heightUnitBox_->setEnabled(true);
    }
    ++settling_;
    ShowValues();
    --settling_;
    WriteSizeCheck();
}

void ResizeDialog::OnSideChanged(bool heightChanged) {
    // The other side is shown without running its own handler: a chain of
    // recomputations would rewrite the side being typed (typing "3" of
    // "320" would turn it into "2").
    if (settling_ > 0 || loading_)
        return;
    // A side being typed may be empty for a moment: wait for a number.
    if (!ReadControls(false))
        return;
    if (constrain_) {
        const uint32_t w = uint32_t(pictureWidth);
        const uint32_t h = uint32_t(pictureHeight);
        if (heightChanged)
            width_ = ProportionalValue(height_, uint32_t(heightUnit_), uint32_t(widthUnit_), h, w,
                                       width_);
        else
            height_ = ProportionalValue(width_, uint32_t(widthUnit_), uint32_t(heightUnit_), w, h,
                                        height_);
    }
    setAsDefault_->setEnabled(true);
    ++settling_;
    ShowValues();
    --settling_;
    WriteSizeCheck();
}

void ResizeDialog::OnUnitChanged(bool height) {
    const int before = height ? heightUnit_ : widthUnit_;
    if (!ReadControls(false))
        return;
    const int now = height ? heightUnit_ : widthUnit_;
    if (now == before)
        return;
    if (height)
        height_ = ConvertUnit(height_, uint32_t(before), uint32_t(now), uint32_t(pictureHeight));
    else
        width_ = ConvertUnit(width_, uint32_t(before), uint32_t(now), uint32_t(pictureWidth));
    ShowValues();
}

void ResizeDialog::OnBrowse() {
    ReadControls(false);
    FolderBrowseDialog browse(this, Text::SelectDestination, dest_);
    if (!browse.DoModal())
        return;
    dest_ = browse.path;
    setAsDefault_->setEnabled(true);
    ShowValues();
}

void ResizeDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ReadControls(true);
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
