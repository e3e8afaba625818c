// SPDX-License-Identifier: MIT
#include "resize/FurtherOutputDialog.h"

#include "batch/Recipe.h"
#include "codec/PictureTypeTable.h"
#include "resize/ResizeIds.h"
#include "settings/SettingsNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {

namespace Id = FurtherOutputDialogId;
namespace Text = FurtherOutputDialogText;
namespace N = SettingsName;

template <typename W> W* Named(W* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

// The names this dialog has a field for; any other change is kept as it is.
const QStringList kFields{N::ImageType,   N::Quality,  N::ImageToResize, N::Desktop,      N::Width,
                          N::Height,      N::WPercent, N::HPercent,      N::NameTemplate, N::Dest,
                          N::ImageSetDpi, N::XDpi,     N::YDpi};

} // namespace

FurtherOutputDialog::FurtherOutputDialog(const ResizeSettings& main, const QString& changes,
                                         QWidget* parent)
    : QDialog(parent)
    , main_(main) {
    setObjectName(QString::number(Id::Template));
    setWindowTitle(Text::Caption);
    Build();
    Fill(changes);
    UpdateEnabled();
}

void FurtherOutputDialog::Build() {
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), this);
    type_ = Named(new QComboBox(this), Id::Type);
    type_->addItem(Text::AsMain);
    type_->addItem(ResizeDialogText::SameAsSource);
    for (uint32_t code = 1; !PictureTypeTable::Name(code).isEmpty(); ++code)
        type_->addItem(PictureTypeTable::Name(code));
    qualityBox_ = Named(new QCheckBox(this), Id::QualityBox);
    quality_ = Named(new QSpinBox(this), Id::Quality);
    quality_->setRange(0, 100);
    sizeBox_ = Named(new QCheckBox(this), Id::SizeBox);
    width_ = Named(new QLineEdit(this), Id::Width);
    height_ = Named(new QLineEdit(this), Id::Height);
    unit_ = Named(new QComboBox(this), Id::Unit);
    unit_->addItems({ResizeDialogText::Pixel, ResizeDialogText::Percent});
    name_ = Named(new QLineEdit(this), Id::NameTemplate);
    name_->setPlaceholderText(main_.nametemplate);
    folder_ = Named(new QLineEdit(this), Id::Destination);
    folder_->setPlaceholderText(Text::AsMain);
    dpiBox_ = Named(new QCheckBox(this), Id::DpiBox);
    xdpi_ = Named(new QLineEdit(this), Id::XDpi);
    ydpi_ = Named(new QLineEdit(this), Id::YDpi);
    for (QLineEdit* edit : {width_, height_, xdpi_, ydpi_}) {
        edit->setValidator(digits);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
    }

    const auto row = [](QCheckBox* box, std::initializer_list<QWidget*> widgets) {
        auto* line = new QHBoxLayout;
        if (box)
            line->addWidget(box);
        for (QWidget* widget : widgets)
            line->addWidget(widget);
        line->addStretch();
        return line;
    };
    auto* form = new QFormLayout;
    form->addRow(Text::Type, type_);
    form->addRow(Text::Quality, row(qualityBox_, {quality_}));
    form->addRow(Text::Size, row(sizeBox_, {width_, new QLabel(Text::By, this), height_, unit_}));
    form->addRow(Text::Name, name_);
    auto* tokens = new QLabel(ResizeDialogText::NameTokens, this);
    tokens->setEnabled(false); // a hint, shown the way hints are
    tokens->setWordWrap(true);
    form->addRow(QString(), tokens);
    form->addRow(Text::Folder, folder_);
    form->addRow(Text::Dpi, row(dpiBox_, {xdpi_, new QLabel(Text::By, this), ydpi_}));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QCheckBox* box : {qualityBox_, sizeBox_, dpiBox_})
        connect(box, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

// The fields from the main options, then from the output's own changes.
void FurtherOutputDialog::Fill(const QString& changes) {
    quality_->setValue(int(main_.qualilty));
    width_->setText(QString::number(main_.width));
    height_->setText(QString::number(main_.height));
    unit_->setCurrentIndex(main_.wpercent ? 1 : 0);
    xdpi_->setText(QString::number(main_.xdpi));
    ydpi_->setText(QString::number(main_.ydpi));
    OptionChanges parsed;
    QString ignored;
    ParseOptionChanges(changes, parsed, ignored);
    for (const auto& [name, value] : parsed) {
        if (name == N::ImageType) {
            type_->setCurrentIndex(int(value.toUInt()) + 1);
        } else if (name == N::Quality) {
            qualityBox_->setChecked(true);
            quality_->setValue(value.toInt());
        } else if (name == N::Width || name == N::Height) {
            sizeBox_->setChecked(true);
            (name == N::Width ? width_ : height_)->setText(value);
        } else if (name == N::WPercent) {
            unit_->setCurrentIndex(value == QLatin1String("1") ? 1 : 0);
        } else if (name == N::NameTemplate) {
            name_->setText(value);
        } else if (name == N::Dest) {
            folder_->setText(value);
        } else if (name == N::XDpi || name == N::YDpi) {
            dpiBox_->setChecked(true);
            (name == N::XDpi ? xdpi_ : ydpi_)->setText(value);
        } else if (!kFields.contains(name)) {
            others_.emplace_back(name, value);
        }
    }
}

void FurtherOutputDialog::UpdateEnabled() {
    quality_->setEnabled(qualityBox_->isChecked());
    for (QWidget* widget : std::initializer_list<QWidget*>{width_, height_, unit_})
        widget->setEnabled(sizeBox_->isChecked());
    xdpi_->setEnabled(dpiBox_->isChecked());
    ydpi_->setEnabled(dpiBox_->isChecked());
}

QString FurtherOutputDialog::Changes() const {
    OptionChanges changes;
    const auto add = [&changes](const QString& name, const QString& value) {
        changes.emplace_back(name, value);
    };
    if (type_->currentIndex() > 0)
        add(N::ImageType, QString::number(type_->currentIndex() - 1));
    if (qualityBox_->isChecked())
        add(N::Quality, QString::number(quality_->value()));
    if (sizeBox_->isChecked()) {
        const QString percent = QString::number(unit_->currentIndex());
        add(N::ImageToResize, QStringLiteral("1"));
        add(N::Desktop, QStringLiteral("0"));
        add(N::WPercent, percent);
        add(N::HPercent, percent);
        add(N::Width, width_->text());
        add(N::Height, height_->text());
    }
    if (!name_->text().isEmpty())
        add(N::NameTemplate, name_->text());
    if (!folder_->text().isEmpty())
        add(N::Dest, folder_->text());
    if (dpiBox_->isChecked()) {
        add(N::ImageSetDpi, QStringLiteral("1"));
        add(N::XDpi, xdpi_->text());
        add(N::YDpi, ydpi_->text());
    }
    changes.insert(changes.end(), others_.begin(), others_.end());
    return FormatOptionChanges(changes);
}

void FurtherOutputDialog::accept() {
    QString error;
    FurtherOutput(main_, Changes(), error);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), Text::Cannot.arg(error));
        return;
    }
    QDialog::accept();
}
