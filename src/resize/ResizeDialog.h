// SPDX-License-Identifier: MIT
#pragma once

#include "batch/ScanJob.h"
#include "resize/ResizeDialogRules.h"
#include "settings/ResizeSettings.h"

#include <QDialog>

class AppSettings;
class ColourLabel;
class EstimateLabel;
class FurtherOutputList;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QValidator;

// Where the user sets every option of a batch and runs it. Opened after a
// scan with its SelectionSummary, so it can keep width and height in the
// pictures' proportion and warn when the selection does not suit the size.
// Loads its controls from the settings, writes them back on "Resize",
// "Resize and mail" and "Set as default" (which also stores them).
class ResizeDialog : public QDialog {
    Q_OBJECT
public:
    explicit ResizeDialog(AppSettings& settings, QWidget* parent = nullptr);

    // Set by the caller from the scan before the dialog is shown.
    int pictureWidth = 0;
    int pictureHeight = 0;
    int commonXDpi = 0;
    int commonYDpi = 0;
    void SetSummary(const SelectionSummary& summary);

    // The Resize command of the list and of a hand-off: reads the
    // PictureList's sizes under a progress dialog, then opens the dialog
    // with them. True when a batch ran from it to its end.
    static bool ScanThenShow(AppSettings& settings, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    // Enter closes with OK after reading the controls; nothing is written
    // back and nothing resized.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    QGroupBox* BuildSaveGroup();
    QGroupBox* BuildResizeGroup(QValidator* digits);
    QGroupBox* BuildRotateGroup();
    QGroupBox* BuildDpiGroup(QValidator* digits);
    QGroupBox* BuildMoreGroup(QValidator* digits);
    QWidget* BuildOptionsTab(QValidator* digits);
    QWidget* BuildNamesTab();
    QWidget* BuildSharingTab();
    QWidget* BuildFramingTab();
    QLayout* BuildPresetRow();
    void FillPresets(const QString& current);
    void OnPresetChosen();
    void OnSavePreset();
    void OnDeletePreset();
    void RefreshMenus();
    QLayout* BuildButtons();
    void ConnectControls();
    void Open();
    // Reads every control into the values below, in the fixed order. A
    // text that is not a positive integer stops the reading there; with
    // `prompt` the user is told and the edit gets the focus.
    bool ReadControls(bool prompt);
    bool ReadRecipe(bool prompt);
    void ShowValues();
    void WriteBack();
    void WriteTo(ResizeSettings& s) const;
    // The options as the controls show them now.
    ResizeSettings ShownOptions();
    void RunBatch(bool mail);

    void FolderRule();
    void OverwriteRule();
    void ResizeAsRule();
    void DesktopRule();
    void TypeRule();
    // "Keep" serves only a fill, which crops; the canvas colour only a fit
    // inside, which pads.
    void FramingRule();
    void RunRule();
    SizeCheckInput SizeInput() const;
    void WriteSizeCheck();
    void WriteDpiCheck();
    void OnImageToResize();
    void OnImageToRotate();
    void OnImageSetDpi();
    void OnConstrain();
    bool SizeSuitsAnyPicture() const;
    void UsePercentForMixedSizes();
    void OnSideChanged(bool heightChanged);
    void OnUnitChanged(bool height);
    void OnBrowse();
    void SetSizeControlsEnabled(bool enabled);
    // Asks for the size of the batch the controls now describe.
    void RequestEstimate();

    AppSettings& settings_;
    bool opened_ = false;
    bool loading_ = false; // the controls are being filled at opening
    int settling_ = 0;     // > 0 while the dialog itself changes the size edits

    // The controls' values, as the dialog reads and shows them.
    uint32_t height_ = 0;
    QString dest_;
    uint32_t width_ = 0;
    int quality_ = 0;
    bool constrain_ = false;
    bool imageToResize_ = false;
    bool imageToRotate_ = false;
    int heightUnit_ = 0;
    int widthUnit_ = 0;
    int typeIndex_ = 0;
    bool imageSetDpi_ = false;
    uint32_t xdpi_ = 0;
    uint32_t ydpi_ = 0;
    uint32_t maxKb_ = 0;
    uint32_t mailMaxKb_ = 0;

    QRadioButton* inFolder_;
    QRadioButton* overwrite_;
    QLineEdit* destEdit_;
    QPushButton* browse_;
    QComboBox* type_;
    QSlider* qualitySlider_;
    QLabel* qualityLabel_;
    QCheckBox* imageToResizeBox_;
    QCheckBox* constrainBox_;
    QRadioButton* resizeAs_;
    QRadioButton* desktop_;
    QLineEdit* widthEdit_;
    QLineEdit* heightEdit_;
    QComboBox* widthUnitBox_;
    QComboBox* heightUnitBox_;
    ColourLabel* sizeCheck_;
    QCheckBox* imageToRotateBox_;
    QRadioButton* rotate_[3];
    ColourLabel* rotateCheck_;
    QCheckBox* imageSetDpiBox_;
    QLineEdit* xdpiEdit_;
    QLineEdit* ydpiEdit_;
    ColourLabel* dpiCheck_;
    QCheckBox* noEnlargeBox_;
    QCheckBox* keepDatesBox_;
    QCheckBox* trashBox_;
    QLineEdit* maxKbEdit_;
    QLineEdit* mailMaxKbEdit_;
    QTabWidget* moreTabs_;
    QLineEdit* nameTemplateEdit_;
    QComboBox* onExistsBox_;
    FurtherOutputList* outputList_;
    QComboBox* metadataBox_;
    QComboBox* mailMetadataBox_;
    QCheckBox* srgbBox_;
    QComboBox* fitBox_;
    QComboBox* anchorBox_;
    QLineEdit* padColourEdit_;
    QComboBox* sideBox_;
    QComboBox* presetBox_;
    QPushButton* savePreset_;
    QPushButton* deletePreset_;
    EstimateLabel* estimate_;
    QPushButton* setAsDefault_;
    QPushButton* resize_;
    QPushButton* resizeAndMail_;
    QPushButton* cancel_;
};
