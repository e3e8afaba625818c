// SPDX-License-Identifier: MIT
// The resize dialog's controls: one builder for each group, in the order
// the dialog shows them, and the wiring of their signals.
#include "resize/ColourLabel.h"
#include "resize/EstimateLabel.h"
#include "resize/FurtherOutputList.h"
#include "resize/ResizeDialog.h"
#include "resize/ResizeIds.h"
#include "resize/RotatePictures.h"
#include "settings/AppSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <tuple>

namespace {

namespace Id = ResizeDialogId;
namespace Text = ResizeDialogText;

template <typename W> W* Named(W* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

} // namespace

void ResizeDialog::BuildControls() {
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    QGroupBox* save = BuildSaveGroup();
    QGroupBox* resizeBox = BuildResizeGroup(digits);
    QGroupBox* rotateBox = BuildRotateGroup();
    QGroupBox* dpiBox = BuildDpiGroup(digits);
    QGroupBox* moreBox = BuildMoreGroup(digits);
    QLayout* buttons = BuildButtons();

    auto* left = new QVBoxLayout;
    left->addWidget(imageToResizeBox_);
    left->addWidget(resizeBox, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(imageToRotateBox_);
    right->addWidget(rotateBox);
    right->addWidget(imageSetDpiBox_);
    right->addWidget(dpiBox, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildPresetRow());
    layout->addWidget(save);
    layout->addLayout(middle, 1);
    layout->addWidget(moreBox);
    layout->addLayout(buttons);

    ConnectControls();
}

// Where and as what.
QGroupBox* ResizeDialog::BuildSaveGroup() {
    auto* save = new QGroupBox(Text::Save, this);
    inFolder_ = Named(new QRadioButton(Text::InFolder, save), Id::InFolder);
    destEdit_ = Named(new QLineEdit(save), Id::Destination);
    browse_ = Named(new QPushButton(Text::Browse, save), Id::Browse);
    auto* autoFolder = new QLabel(Text::AutoFolder, save);
    autoFolder->setEnabled(false);
    type_ = Named(new QComboBox(save), Id::ImageType);
    qualitySlider_ = Named(new QSlider(Qt::Horizontal, save), Id::Quality);
    qualitySlider_->setRange(0, 100);
    qualityLabel_ = Named(new QLabel(save), Id::QualityLabel);
    qualityLabel_->setMinimumWidth(
        qualityLabel_->fontMetrics().horizontalAdvance(QStringLiteral("100")));
    overwrite_ = Named(new QRadioButton(Text::Overwrite, save), Id::Overwrite);
    auto* saveChoice = new QButtonGroup(this);
    saveChoice->addButton(inFolder_);
    saveChoice->addButton(overwrite_);

    auto* saveGrid = new QGridLayout(save);
    saveGrid->addWidget(inFolder_, 0, 0);
    saveGrid->addWidget(destEdit_, 0, 1, 1, 3);
    saveGrid->addWidget(browse_, 0, 4);
    saveGrid->addWidget(autoFolder, 1, 1, 1, 4);
    saveGrid->addWidget(new QLabel(Text::SaveImageType, save), 2, 0);
    saveGrid->addWidget(type_, 2, 1);
    auto* qualityText = new QLabel(Text::Quality, save);
    qualityText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    saveGrid->addWidget(qualityText, 2, 2);
    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(new QLabel(Text::Worst, save));
    sliderRow->addWidget(qualitySlider_, 1);
    sliderRow->addWidget(new QLabel(Text::Best, save));
    sliderRow->addWidget(qualityLabel_);
    saveGrid->addLayout(sliderRow, 2, 3, 1, 2);
    saveGrid->addWidget(overwrite_, 3, 0, 1, 5);
    saveGrid->setColumnStretch(3, 1);

    return save;
}

QGroupBox* ResizeDialog::BuildResizeGroup(QValidator* digits) {
    imageToResizeBox_ = Named(new QCheckBox(Text::ImageToResize, this), Id::ImageToResize);
    auto* resizeBox = new QGroupBox(Text::ResizeOption, this);
    constrainBox_ = Named(new QCheckBox(Text::Constrain, resizeBox), Id::Constrain);
    resizeAs_ = Named(new QRadioButton(Text::ResizeAs, resizeBox), Id::ResizeAs);
    widthEdit_ = Named(new QLineEdit(resizeBox), Id::Width);
    heightEdit_ = Named(new QLineEdit(resizeBox), Id::Height);
    widthEdit_->setValidator(digits);
    heightEdit_->setValidator(digits);
    widthUnitBox_ = Named(new QComboBox(resizeBox), Id::WidthUnit);
    heightUnitBox_ = Named(new QComboBox(resizeBox), Id::HeightUnit);
    for (QComboBox* units : {widthUnitBox_, heightUnitBox_})
        units->addItems({Text::Pixel, Text::Percent});
    desktop_ = Named(new QRadioButton(Text::Desktop, resizeBox), Id::Desktop);
    auto* sizeChoice = new QButtonGroup(this);
    sizeChoice->addButton(resizeAs_);
    sizeChoice->addButton(desktop_);
    sizeCheck_ = Named(new ColourLabel(resizeBox), Id::SizeCheck);
    sizeCheck_->setMinimumHeight(sizeCheck_->fontMetrics().lineSpacing() * 7);

    auto* resizeGrid = new QGridLayout(resizeBox);
    resizeGrid->addWidget(constrainBox_, 0, 0, 1, 3);
    resizeGrid->addWidget(resizeAs_, 1, 0, 1, 3);
    resizeGrid->addWidget(new QLabel(Text::Width, resizeBox), 2, 0);
    resizeGrid->addWidget(widthEdit_, 2, 1);
    resizeGrid->addWidget(widthUnitBox_, 2, 2);
    resizeGrid->addWidget(new QLabel(Text::Height, resizeBox), 3, 0);
    resizeGrid->addWidget(heightEdit_, 3, 1);
    resizeGrid->addWidget(heightUnitBox_, 3, 2);
    resizeGrid->addWidget(desktop_, 4, 0, 1, 3);
    resizeGrid->addWidget(sizeCheck_, 5, 0, 1, 3);
    resizeGrid->setColumnMinimumWidth(0, 24);
    resizeGrid->setRowStretch(5, 1);

    return resizeBox;
}

QGroupBox* ResizeDialog::BuildRotateGroup() {
    imageToRotateBox_ = Named(new QCheckBox(Text::ImageToRotate, this), Id::ImageToRotate);
    auto* rotateBox = new QGroupBox(Text::RotateOption, this);
    auto* rotateRow = new QHBoxLayout;
    const std::tuple<int, int, QString> choices[] = {
        {Id::RotateLeft, Id::RotateLeftBitmap, Text::RotateLeft},
        {Id::FlipVertical, Id::FlipBitmap, Text::Flip},
        {Id::RotateRight, Id::RotateRightBitmap, Text::RotateRight},
    };
    for (int i = 0; i < 3; ++i) {
        const auto& [id, bitmap, label] = choices[i];
        auto* column = new QVBoxLayout;
        auto* picture = new QLabel(rotateBox);
        picture->setPixmap(RotatePicture(bitmap, devicePixelRatioF()));
        picture->setAlignment(Qt::AlignCenter);
        rotate_[i] = Named(new QRadioButton(label, rotateBox), id);
        column->addWidget(picture);
        column->addWidget(rotate_[i], 0, Qt::AlignHCenter);
        rotateRow->addLayout(column);
    }
    rotateCheck_ = Named(new ColourLabel(rotateBox), Id::RotateCheck);
    auto* rotateLayout = new QVBoxLayout(rotateBox);
    rotateLayout->addLayout(rotateRow);
    rotateLayout->addWidget(rotateCheck_);

    return rotateBox;
}

QGroupBox* ResizeDialog::BuildDpiGroup(QValidator* digits) {
    imageSetDpiBox_ = Named(new QCheckBox(Text::ImageSetDpi, this), Id::ImageSetDpi);
    auto* dpiBox = new QGroupBox(Text::Dpi, this);
    xdpiEdit_ = Named(new QLineEdit(dpiBox), Id::XDpi);
    ydpiEdit_ = Named(new QLineEdit(dpiBox), Id::YDpi);
    xdpiEdit_->setValidator(digits);
    ydpiEdit_->setValidator(digits);
    dpiCheck_ = Named(new ColourLabel(dpiBox), Id::DpiCheck);
    dpiCheck_->setMinimumHeight(dpiCheck_->fontMetrics().lineSpacing() * 3);
    auto* dpiGrid = new QGridLayout(dpiBox);
    dpiGrid->addWidget(new QLabel(Text::X, dpiBox), 0, 0);
    dpiGrid->addWidget(xdpiEdit_, 0, 1);
    dpiGrid->addWidget(new QLabel(Text::Y, dpiBox), 0, 2);
    dpiGrid->addWidget(ydpiEdit_, 0, 3);
    dpiGrid->addWidget(dpiCheck_, 1, 0, 1, 4);

    return dpiBox;
}

// Safety and size limits, beside the original options.
// The options beside the original ones, a tab for each kind, so the
// dialog's own groups keep their places.
QGroupBox* ResizeDialog::BuildMoreGroup(QValidator* digits) {
    auto* moreBox = new QGroupBox(Text::More, this);
    moreTabs_ = Named(new QTabWidget(moreBox), Id::MoreTabs);
    moreTabs_->addTab(BuildOptionsTab(digits), Text::OptionsTab);
    moreTabs_->addTab(BuildNamesTab(), Text::NamesTab);
    outputList_ = new FurtherOutputList([this] { return ShownOptions(); }, moreTabs_);
    moreTabs_->addTab(outputList_, Text::OutputsTab);
    moreTabs_->addTab(BuildFramingTab(), Text::FramingTab);
    moreTabs_->addTab(BuildSharingTab(), Text::SharingTab);
    connect(moreTabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (moreTabs_->widget(tab) == outputList_)
            outputList_->Refresh();
    });
    auto* layout = new QVBoxLayout(moreBox);
    layout->addWidget(moreTabs_);
    return moreBox;
}

QWidget* ResizeDialog::BuildOptionsTab(QValidator* digits) {
    auto* tab = new QWidget(this);
    noEnlargeBox_ = Named(new QCheckBox(Text::NoEnlarge, tab), Id::NoEnlarge);
    keepDatesBox_ = Named(new QCheckBox(Text::KeepDates, tab), Id::KeepDates);
    trashBox_ = Named(new QCheckBox(Text::Trash, tab), Id::Trash);
    maxKbEdit_ = Named(new QLineEdit(tab), Id::MaxKb);
    mailMaxKbEdit_ = Named(new QLineEdit(tab), Id::MailMaxKb);
    auto* grid = new QGridLayout(tab);
    grid->addWidget(noEnlargeBox_, 0, 0);
    grid->addWidget(keepDatesBox_, 0, 1);
    grid->addWidget(trashBox_, 0, 2);
    auto* limits = new QHBoxLayout;
    for (const auto& [before, edit, after] :
         {std::tuple{Text::AtMost, maxKbEdit_, Text::KbPerPicture},
          std::tuple{Text::MailAtMost, mailMaxKbEdit_, Text::KbInAll}}) {
        edit->setValidator(digits);
        edit->setPlaceholderText(Text::NoLimit);
        // Room for ten digits, and for the hint whole in a language where it is longer.
        const QFontMetrics metrics = edit->fontMetrics();
        edit->setFixedWidth(
            std::max(metrics.horizontalAdvance(QStringLiteral("0000000000")),
                     metrics.horizontalAdvance(edit->placeholderText() + QStringLiteral("00"))));
        limits->addWidget(new QLabel(before, tab));
        limits->addWidget(edit);
        limits->addWidget(new QLabel(after, tab));
        limits->addSpacing(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    }
    limits->addStretch();
    grid->addLayout(limits, 1, 0, 1, 3);
    grid->setRowStretch(2, 1);
    return tab;
}

QWidget* ResizeDialog::BuildNamesTab() {
    auto* tab = new QWidget(this);
    nameTemplateEdit_ = Named(new QLineEdit(tab), Id::NameTemplate);
    nameTemplateEdit_->setPlaceholderText(ResizeSettings().nametemplate);
    auto* tokens = new QLabel(Text::NameTokens, tab);
    tokens->setEnabled(false); // a hint, shown the way hints are
    tokens->setWordWrap(true);
    onExistsBox_ = Named(new QComboBox(tab), Id::OnExists);
    for (const UiText& choice : Text::OnExistsChoices)
        onExistsBox_->addItem(choice);
    auto* grid = new QGridLayout(tab);
    grid->addWidget(new QLabel(Text::NameTemplate, tab), 0, 0);
    grid->addWidget(nameTemplateEdit_, 0, 1, 1, 2);
    grid->addWidget(tokens, 1, 1, 1, 2);
    grid->addWidget(new QLabel(Text::OnExists, tab), 2, 0);
    grid->addWidget(onExistsBox_, 2, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    return tab;
}

QLayout* ResizeDialog::BuildPresetRow() {
    presetBox_ = Named(new QComboBox(this), Id::Preset);
    presetBox_->setMinimumContentsLength(24);
    savePreset_ = Named(new QPushButton(Text::SavePreset, this), Id::SavePreset);
    deletePreset_ = Named(new QPushButton(Text::DeletePreset, this), Id::DeletePreset);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Text::PresetLabel, this));
    row->addWidget(presetBox_);
    row->addWidget(savePreset_);
    row->addWidget(deletePreset_);
    row->addStretch();
    return row;
}

QWidget* ResizeDialog::BuildFramingTab() {
    auto* tab = new QWidget(this);
    fitBox_ = Named(new QComboBox(tab), Id::Fit);
    anchorBox_ = Named(new QComboBox(tab), Id::Anchor);
    sideBox_ = Named(new QComboBox(tab), Id::Side);
    for (const UiText& choice : Text::FitChoices)
        fitBox_->addItem(choice);
    for (const UiText& choice : Text::AnchorChoices)
        anchorBox_->addItem(choice);
    for (const UiText& choice : Text::SideChoices)
        sideBox_->addItem(choice);
    padColourEdit_ = Named(new QLineEdit(tab), Id::PadColour);
    padColourEdit_->setPlaceholderText(Text::PadColourHint);
    padColourEdit_->setFixedWidth(
        padColourEdit_->fontMetrics().horizontalAdvance(QStringLiteral("00000000000000")));
    auto* grid = new QGridLayout(tab);
    grid->addWidget(new QLabel(Text::SideLabel, tab), 0, 0);
    grid->addWidget(sideBox_, 0, 1);
    grid->addWidget(new QLabel(Text::FitLabel, tab), 1, 0);
    grid->addWidget(fitBox_, 1, 1);
    // Each label goes with its control: FramingRule enables them together.
    const auto labelFor = [tab](const QString& text, QWidget* control) {
        auto* label = new QLabel(text, tab);
        label->setBuddy(control);
        return label;
    };
    grid->addWidget(labelFor(Text::AnchorLabel, anchorBox_), 1, 2);
    grid->addWidget(anchorBox_, 1, 3);
    grid->addWidget(labelFor(Text::PadColourLabel, padColourEdit_), 2, 2);
    grid->addWidget(padColourEdit_, 2, 3, Qt::AlignLeft);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(3, 1);
    return tab;
}

QWidget* ResizeDialog::BuildSharingTab() {
    auto* tab = new QWidget(this);
    metadataBox_ = Named(new QComboBox(tab), Id::Metadata);
    mailMetadataBox_ = Named(new QComboBox(tab), Id::MailMetadata);
    for (QComboBox* box : {metadataBox_, mailMetadataBox_})
        for (const UiText& choice : Text::MetadataChoices)
            box->addItem(choice);
    auto* hint = new QLabel(Text::MetadataHint, tab);
    hint->setEnabled(false); // a hint, shown the way hints are
    hint->setWordWrap(true);
    srgbBox_ = Named(new QCheckBox(Text::Srgb, tab), Id::Srgb);
    auto* grid = new QGridLayout(tab);
    grid->addWidget(new QLabel(Text::Metadata, tab), 0, 0);
    grid->addWidget(metadataBox_, 0, 1);
    grid->addWidget(new QLabel(Text::MailMetadata, tab), 0, 2);
    grid->addWidget(mailMetadataBox_, 0, 3);
    grid->addWidget(hint, 1, 0, 1, 4);
    grid->addWidget(srgbBox_, 2, 0, 1, 4);
    grid->setRowStretch(3, 1);
    return tab;
}

QLayout* ResizeDialog::BuildButtons() {
    setAsDefault_ = Named(new QPushButton(Text::SetAsDefault, this), Id::SetAsDefault);
    resize_ = Named(new QPushButton(Text::Resize, this), Id::Resize);
    resizeAndMail_ = Named(new QPushButton(Text::ResizeAndMail, this), Id::ResizeAndMail);
    cancel_ = Named(new QPushButton(Text::Cancel, this), Id::Cancel);
    estimate_ = new EstimateLabel(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(setAsDefault_);
    buttons->addWidget(estimate_, 1);
    for (QPushButton* b : {resize_, resizeAndMail_, cancel_})
        buttons->addWidget(b);
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false); // Enter belongs to the dialog (see keyPressEvent)

    return buttons;
}

void ResizeDialog::ConnectControls() {
    connect(inFolder_, &QRadioButton::clicked, this, [this] { FolderRule(); });
    connect(overwrite_, &QRadioButton::clicked, this, [this] { OverwriteRule(); });
    connect(resizeAs_, &QRadioButton::clicked, this, [this] { ResizeAsRule(); });
    connect(desktop_, &QRadioButton::clicked, this, [this] { DesktopRule(); });
    connect(imageToResizeBox_, &QCheckBox::clicked, this, [this] { OnImageToResize(); });
    connect(imageToRotateBox_, &QCheckBox::clicked, this, [this] { OnImageToRotate(); });
    connect(imageSetDpiBox_, &QCheckBox::clicked, this, [this] { OnImageSetDpi(); });
    connect(constrainBox_, &QCheckBox::clicked, this, [this] { OnConstrain(); });
    connect(heightEdit_, &QLineEdit::textChanged, this, [this] { OnSideChanged(true); });
    connect(widthEdit_, &QLineEdit::textChanged, this, [this] { OnSideChanged(false); });
    for (QLineEdit* edit : {xdpiEdit_, ydpiEdit_})
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (imageSetDpiBox_->isChecked())
                WriteDpiCheck();
        });
    connect(heightUnitBox_, &QComboBox::activated, this, [this] { OnUnitChanged(true); });
    connect(widthUnitBox_, &QComboBox::activated, this, [this] { OnUnitChanged(false); });
    connect(type_, &QComboBox::activated, this, [this] { TypeRule(); });
    connect(qualitySlider_, &QSlider::valueChanged, this,
            [this](int value) { qualityLabel_->setText(QString::number(value)); });
    connect(browse_, &QPushButton::clicked, this, [this] { OnBrowse(); });
    connect(setAsDefault_, &QPushButton::clicked, this, [this] {
        if (!ReadControls(true))
            return;
        WriteBack();
        if (const QString why = settings_.SaveResizeSettings(); !why.isEmpty())
            QMessageBox::warning(this, windowTitle(), Text::DefaultNotKept.arg(why));
    });
    connect(presetBox_, &QComboBox::activated, this, [this] { OnPresetChosen(); });
    connect(savePreset_, &QPushButton::clicked, this, [this] { OnSavePreset(); });
    connect(deletePreset_, &QPushButton::clicked, this, [this] { OnDeletePreset(); });
    for (QComboBox* box : {fitBox_, sideBox_})
        connect(box, &QComboBox::activated, this, [this] {
            FramingRule();
            if (imageToResizeBox_->isChecked())
                WriteSizeCheck();
        });
    connect(resize_, &QPushButton::clicked, this, [this] { RunBatch(false); });
    connect(resizeAndMail_, &QPushButton::clicked, this, [this] { RunBatch(true); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    // Any option may change the size of the batch.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textChanged, this, [this] { RequestEstimate(); });
    for (QComboBox* box : findChildren<QComboBox*>())
        connect(box, &QComboBox::currentIndexChanged, this, [this] { RequestEstimate(); });
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        if (button->isCheckable())
            connect(button, &QAbstractButton::toggled, this, [this] { RequestEstimate(); });
    connect(qualitySlider_, &QSlider::valueChanged, this, [this] { RequestEstimate(); });
    connect(outputList_, &FurtherOutputList::Changed, this, [this] { RequestEstimate(); });
}
