// SPDX-License-Identifier: MIT
#include "mail/DlgOptionMenuContextPage.h"

#include "mail/OptionIds.h"
#include "settings/AppSettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kIndentPixels = 24;

template <typename T> T* Named(T* control, int id) {
    control->setObjectName(QString::number(id));
    return control;
}
} // namespace

CDlgOptionMenuContextPage::CDlgOptionMenuContextPage(AppSettings& settings, QWidget* parent)
    : OptionPage(parent)
    , settings_(settings)
    , mainItem_(Named(new QCheckBox(OptionText::MainItem, this), OptionId::MainItem))
    , resize_(Named(new QCheckBox(OptionText::Resize, this), OptionId::Resize))
    , resizeAsDefault_(
          Named(new QCheckBox(OptionText::ResizeAsDefault, this), OptionId::ResizeAsDefault))
    , resizeAndMail_(Named(new QCheckBox(OptionText::ResizeAndMail, this), OptionId::ResizeAndMail))
    , defaultAndMail_(
          Named(new QRadioButton(OptionText::DefaultAndMail, this), OptionId::DefaultAndMail))
    , dialogThenMail_(
          Named(new QRadioButton(OptionText::DialogThenMail, this), OptionId::DialogThenMail))
    , presets_(Named(new QCheckBox(OptionText::Presets, this), OptionId::Presets)) {
    setObjectName(QString::number(OptionId::MenuTemplate));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(OptionText::MenuIntro, this));
    layout->addSpacing(6);
    layout->addWidget(mainItem_);
    const auto indented = [layout](QWidget* control, int level) {
        auto* row = new QHBoxLayout;
        row->addSpacing(level * kIndentPixels);
        row->addWidget(control);
        layout->addLayout(row);
    };
    indented(resize_, 1);
    indented(resizeAsDefault_, 1);
    indented(resizeAndMail_, 1);
    indented(defaultAndMail_, 2);
    indented(dialogThenMail_, 2);
    indented(presets_, 1);
    layout->addStretch(1);

    connect(mainItem_, &QCheckBox::clicked, this, &CDlgOptionMenuContextPage::MainItemRule);
    connect(resizeAndMail_, &QCheckBox::clicked, this, &CDlgOptionMenuContextPage::MailRule);
    for (QCheckBox* box : {resize_, resizeAsDefault_, presets_})
        connect(box, &QCheckBox::clicked, this, [this] { SetModified(); });
    connect(defaultAndMail_, &QRadioButton::clicked, this, [this] {
        SetModified();
        defaultAndMail = 1;
    });
    connect(dialogThenMail_, &QRadioButton::clicked, this, [this] {
        SetModified();
        defaultAndMail = 0;
    });
}

void CDlgOptionMenuContextPage::OnInitDialog() {
    mainItem = settings_.extTessary;
    resize = settings_.extResize;
    resizeAsDefault = settings_.extResizeAsDefaultSetting;
    resizeAndMail = settings_.extResizeAndMail;
    defaultAndMail = settings_.extResizeDefaultAndMail;
    (defaultAndMail ? defaultAndMail_ : dialogThenMail_)->setChecked(true);
    mainItem_->setChecked(mainItem);
    resize_->setChecked(resize);
    resizeAsDefault_->setChecked(resizeAsDefault);
    resizeAndMail_->setChecked(resizeAndMail);
    presets = settings_.extPresets;
    presets_->setChecked(presets);
    // The rule marks the page modified, so Apply is on once it was shown.
    MainItemRule();
}

void CDlgOptionMenuContextPage::ReadControls() {
    mainItem = mainItem_->isChecked();
    resize = resize_->isChecked();
    resizeAsDefault = resizeAsDefault_->isChecked();
    resizeAndMail = resizeAndMail_->isChecked();
    presets = presets_->isChecked();
}

void CDlgOptionMenuContextPage::MainItemRule() {
    SetModified();
    ReadControls();
    for (QWidget* control : std::initializer_list<QWidget*>{
             resize_, resizeAsDefault_, resizeAndMail_, defaultAndMail_, dialogThenMail_, presets_})
        control->setEnabled(mainItem);
    if (mainItem)
        MailRule();
}

void CDlgOptionMenuContextPage::MailRule() {
    SetModified();
    ReadControls();
    defaultAndMail_->setEnabled(resizeAndMail);
    dialogThenMail_->setEnabled(resizeAndMail);
}

void CDlgOptionMenuContextPage::OnApply() {
    ReadControls();
    settings_.extTessary = mainItem;
    settings_.extResize = resize;
    settings_.extResizeAsDefaultSetting = resizeAsDefault;
    settings_.extResizeAndMail = resizeAndMail;
    settings_.extResizeDefaultAndMail = defaultAndMail;
    settings_.extPresets = presets;
}
