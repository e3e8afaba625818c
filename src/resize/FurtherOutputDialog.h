// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ResizeSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// Edits one further output as the changes it makes to the main options:
// a field left as it is ("as the main output", unchecked, empty) changes
// nothing. Changes the dialog has no field for are kept. OK is refused,
// with the reason, for an output the batch could not use.
class FurtherOutputDialog : public QDialog {
    Q_OBJECT
public:
    // main: the options the output starts from; changes: its text, empty
    // for a new output.
    FurtherOutputDialog(const ResizeSettings& main, const QString& changes,
                        QWidget* parent = nullptr);

    // The output's changes, "NAME=VALUE,...".
    QString Changes() const;

    void accept() override;

private:
    void Build();
    void Fill(const QString& changes);
    void UpdateEnabled();

    ResizeSettings main_;
    OptionChanges others_; // changes without a field here, kept as they are
    QComboBox* type_;
    QCheckBox* qualityBox_;
    QSpinBox* quality_;
    QCheckBox* sizeBox_;
    QLineEdit* width_;
    QLineEdit* height_;
    QComboBox* unit_;
    QLineEdit* name_;
    QLineEdit* folder_;
    QCheckBox* dpiBox_;
    QLineEdit* xdpi_;
    QLineEdit* ydpi_;
};
