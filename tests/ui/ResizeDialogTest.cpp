// SPDX-License-Identifier: MIT
#include "Controls.h"
#include "TestSupport.h"
#include "codec/PictureTypeTable.h"

#include "batch/ResizeJob.h"
#include "platform/Registry.h"
#include "platform/UiText.h"
#include "resize/ColourLabel.h"
#include "resize/FurtherOutputDialog.h"
#include "resize/ResizeDialog.h"
#include "resize/ResizeIds.h"
#include "settings/AppSettings.h"
#include "settings/PresetStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {

namespace Id = ResizeDialogId;
const QString kBatch = QStringLiteral(TESSARY_BATCH);

class ResizeDialogTest : public testing::Test {
protected:
    // Opens the dialog with a selection of w x h pictures at 72 DPI.
    std::unique_ptr<ResizeDialog> Open(int w, int h) {
        auto dialog = std::make_unique<ResizeDialog>(settings_);
        dialog->SetSummary({w, h, 72, 72});
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
    void Type(ResizeDialog* d, int id, const QString& text) {
        QLineEdit* edit = Control<QLineEdit>(d, id);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    QString Text(ResizeDialog* d, int id) { return Control<QLabel>(d, id)->text(); }
    QString Field(ResizeDialog* d, int id) { return Control<QLineEdit>(d, id)->text(); }
    QColor Colour(ResizeDialog* d, int id) { return Control<ColourLabel>(d, id)->TextColour(); }
    // A choice as the user makes it, which sets the index and then tells.
    static void Choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }
    AppSettings settings_;
};

TEST_F(ResizeDialogTest, OpensWithTheStoredOptionsAndTheQualityLabelFollowsTheSlider) {
    auto d = Open(640, 480);
    EXPECT_EQ(Control<QSlider>(d.get(), Id::Quality)->value(), 80);
    EXPECT_EQ(Text(d.get(), Id::QualityLabel), u"80"_s);
    EXPECT_EQ(Control<QComboBox>(d.get(), Id::ImageType)->count(), 12);
    EXPECT_EQ(Field(d.get(), Id::Width), u"100"_s);
    EXPECT_EQ(Control<QComboBox>(d.get(), Id::WidthUnit)->currentText(), u"percent"_s);
    EXPECT_EQ(Colour(d.get(), Id::SizeCheck), QColor(0, 0, 0));
    Control<QSlider>(d.get(), Id::Quality)->setValue(55);
    EXPECT_EQ(Text(d.get(), Id::QualityLabel), u"55"_s);
}

// The dialog speaks the language of the locale it is given, Qt's own texts
// included, its texts of the moment as well as those it is built with, and
// English where there is no translation.
TEST_F(ResizeDialogTest, SpeaksTheLocalesLanguageAndEnglishWhereThereIsNone) {
    struct Case {
        const char* locale;
        QString resize, constrain, size, qtCancel;
    };
    const Case cases[] = {
        {"de_DE", u"Größe ändern"_s, u"Proportionen beibehalten"_s,
         u"Die Größe der ausgewählten Bilder ist: 640*480"_s, u"Abbrechen"_s},
        {"fr_FR", u"Redimensionner"_s, u"Conserver les proportions"_s,
         u"La taille des images sélectionnées est\u00a0: 640*480"_s, u"Annuler"_s},
        {"xx_XX", u"Resize"_s, u"Constrain Proportion"_s,
         u"The size of the pictures you've selected is:640*480"_s, u"Cancel"_s},
    };
    struct English {
        ~English() { LoadTranslations(QLocale::c()); }
    } english;
    for (const Case& c : cases) {
        LoadTranslations(QLocale(QString::fromLatin1(c.locale)));
        auto d = Open(640, 480);
        EXPECT_EQ(Control<QPushButton>(d.get(), Id::Resize)->text(), c.resize) << c.locale;
        EXPECT_EQ(Control<QCheckBox>(d.get(), Id::Constrain)->text(), c.constrain) << c.locale;
        EXPECT_TRUE(Text(d.get(), Id::SizeCheck).startsWith(c.size))
            << c.locale << ": " << qPrintable(Text(d.get(), Id::SizeCheck));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), c.qtCancel) << c.locale;
    }
}

// The texts are the rules' own, tested there; the dialog shows them on one
// line each (no carriage return) and in red when they warn.
TEST_F(ResizeDialogTest, AWarningIsRedAndOnOneLineEach) {
    settings_.wpercent = settings_.hpercent = 0;
    settings_.width = settings_.height = 800;
    auto d = Open(640, 480);
    EXPECT_TRUE(Text(d.get(), Id::SizeCheck).startsWith(u"The size(640*480) "_s));
    EXPECT_TRUE(Text(d.get(), Id::SizeCheck).contains(u"800*800\nPlease"_s));
    EXPECT_EQ(Colour(d.get(), Id::SizeCheck), QColor(255, 0, 0));
}

// "Keep" serves a fill (it crops), the canvas colour a fit inside (it
// pads); taking exactly the size uses neither.
TEST_F(ResizeDialogTest, TheFramingControlsAreEnabledOnlyForTheFitThatUsesThem) {
    settings_.fit = Fit::Pad; // as stored
    auto d = Open(640, 480);
    QComboBox* fit = Control<QComboBox>(d.get(), Id::Fit);
    QWidget* keep = Control<QComboBox>(d.get(), Id::Anchor);
    QWidget* colour = Control<QLineEdit>(d.get(), Id::PadColour);
    const auto label = [&](QWidget* control) {
        for (QLabel* l : d->findChildren<QLabel*>())
            if (l->buddy() == control)
                return l;
        return static_cast<QLabel*>(nullptr);
    };
    ASSERT_NE(label(keep), nullptr);
    ASSERT_NE(label(colour), nullptr);
    for (const Fit choice : {Fit::Pad, Fit::Stretch, Fit::Fill, Fit::Pad}) {
        if (fit->currentIndex() != int(choice)) // the first: as it opens
            Choose(fit, int(choice));
        EXPECT_EQ(std::pair(keep->isEnabled(), label(keep)->isEnabled()),
                  std::pair(choice == Fit::Fill, choice == Fit::Fill))
            << int(choice);
        EXPECT_EQ(std::pair(colour->isEnabled(), label(colour)->isEnabled()),
                  std::pair(choice == Fit::Pad, choice == Fit::Pad))
            << int(choice);
    }
}

TEST_F(ResizeDialogTest, TheTypeDecidesWhetherQualityCanBeSet) {
    struct Case {
        int type;
        uint32_t anyJpeg;
        uint32_t override; // each picture written over its source keeps its type
        bool slider;
    };
    for (const Case& c : {Case{2, 1, 0, false}, Case{1, 0, 0, true}, Case{0, 0, 0, false},
                          Case{0, 1, 0, true}, Case{2, 1, 1, true}, Case{1, 0, 1, false}}) {
        settings_.AnyJpegSource = c.anyJpeg;
        settings_.override = c.override;
        auto d = Open(640, 480);
        QComboBox* types = Control<QComboBox>(d.get(), Id::ImageType);
        Choose(types, c.type);
        EXPECT_EQ(Control<QSlider>(d.get(), Id::Quality)->isEnabled(), c.slider) << c.type;
        EXPECT_EQ(settings_.imagetype, uint32_t(c.type)) << "taken at once";
        EXPECT_EQ(types->isEnabled(), c.override == 0);
        EXPECT_TRUE(Control<QPushButton>(d.get(), Id::Browse)->isEnabled());
    }
}

// Typing one side keeps the other in proportion, in either unit, once the
// desktop's size is left; a DPI box never stands in the way.
TEST_F(ResizeDialogTest, TypingOneSideKeepsTheOtherInProportionWhateverTheUnitOrDpi) {
    settings_.desktop = 1;
    settings_.wpercent = settings_.hpercent = 0;
    settings_.width = 640;
    settings_.height = 480;
    auto d = Open(640, 480);
    for (int id : {Id::Width, Id::Height})
        EXPECT_FALSE(Control<QLineEdit>(d.get(), id)->isEnabled()) << id;
    EXPECT_FALSE(Control<QComboBox>(d.get(), Id::WidthUnit)->isEnabled());

    Click(Control<QRadioButton>(d.get(), Id::ResizeAs));
    // A disabled DPI box holding no number is not read.
    Control<QLineEdit>(d.get(), Id::XDpi)->setText(QString());
    Type(d.get(), Id::Width, u"320"_s);
    EXPECT_EQ(Field(d.get(), Id::Height), u"240"_s);
    // Width in percent, height in pixels: 25 percent gives 120 pixels.
    QComboBox* widthUnit = Control<QComboBox>(d.get(), Id::WidthUnit);
    Choose(widthUnit, 1);
    EXPECT_EQ(Field(d.get(), Id::Width), u"50"_s);
    Type(d.get(), Id::Width, u"25"_s);
    EXPECT_EQ(Field(d.get(), Id::Height), u"120"_s);

    Click(Control<QCheckBox>(d.get(), Id::ImageSetDpi));
    Type(d.get(), Id::XDpi, u"3x0-0"_s);
    EXPECT_EQ(Field(d.get(), Id::XDpi), u"300"_s);
}

TEST_F(ResizeDialogTest, ResizeNeedsOneOfTheThreeJobs) {
    settings_.image_set_dpi = 1;
    auto d = Open(640, 480);
    QPushButton* resize = Control<QPushButton>(d.get(), Id::Resize);
    EXPECT_EQ(Text(d.get(), Id::DpiCheck), u"Your select Pictures:\nthe X DPI:72\nThe Y DPI:72"_s);
    for (int id : {Id::ImageToResize, Id::ImageSetDpi}) {
        EXPECT_TRUE(resize->isEnabled());
        Click(Control<QCheckBox>(d.get(), id));
    }
    EXPECT_FALSE(resize->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(d.get(), Id::ResizeAndMail)->isEnabled());
    EXPECT_EQ(Text(d.get(), Id::SizeCheck), QString());
    Click(Control<QCheckBox>(d.get(), Id::ImageToRotate));
    EXPECT_TRUE(resize->isEnabled());
}

// Pictures of different sizes are sized in percent while constrained. A
// percentage turned into pixels has no size to come from and becomes 0; a
// DPI of 0 cannot be written. Neither batch is offered until a size and a
// DPI are given.
TEST_F(ResizeDialogTest, ABatchThatCanOnlyFailIsNotOffered) {
    settings_.image_set_dpi = 1;
    auto d = Open(0, 0);
    QPushButton* resize = Control<QPushButton>(d.get(), Id::Resize);
    QPushButton* mail = Control<QPushButton>(d.get(), Id::ResizeAndMail);
    QComboBox* unit = Control<QComboBox>(d.get(), Id::WidthUnit);
    EXPECT_EQ(std::pair(unit->currentIndex(), unit->isEnabled()), std::pair(1, false));
    Click(Control<QCheckBox>(d.get(), Id::Constrain));
    Choose(unit, 0);
    EXPECT_EQ(Field(d.get(), Id::Width), u"0"_s);
    EXPECT_TRUE(Text(d.get(), Id::SizeCheck).startsWith(u"Please give the new width and height"_s));
    EXPECT_EQ(std::pair(resize->isEnabled(), mail->isEnabled()), std::pair(false, false));
    Type(d.get(), Id::Width, u"800"_s);
    EXPECT_EQ(std::pair(resize->isEnabled(), mail->isEnabled()), std::pair(true, true));
    Type(d.get(), Id::XDpi, u"0"_s);
    EXPECT_TRUE(Text(d.get(), Id::DpiCheck).endsWith(u"Please give a DPI from 1 to 65535"_s));
    EXPECT_EQ(std::pair(resize->isEnabled(), mail->isEnabled()), std::pair(false, false));
    Click(Control<QCheckBox>(d.get(), Id::ImageSetDpi));
    EXPECT_EQ(std::pair(resize->isEnabled(), mail->isEnabled()), std::pair(true, true));
}

TEST_F(ResizeDialogTest, SetAsDefaultStoresTheControls) {
    auto d = Open(640, 480);
    Type(d.get(), Id::Destination, u"/tmp/web pictures"_s);
    for (int id : {Id::NoEnlarge, Id::Trash})
        QTest::mouseClick(Control<QCheckBox>(d.get(), id), Qt::LeftButton);
    Type(d.get(), Id::MaxKb, u"500"_s);
    Type(d.get(), Id::MailMaxKb, QString());
    Type(d.get(), Id::NameTemplate, u"{date}/{name}"_s);
    Control<QComboBox>(d.get(), Id::OnExists)->setCurrentIndex(int(OnExists::KeepBoth));
    Control<QComboBox>(d.get(), Id::MailMetadata)->setCurrentIndex(2);
    Click(Control<QCheckBox>(d.get(), Id::Srgb));
    // A further output made in its editor: WebP, 320 x 240 pixels.
    QTimer editor;
    QObject::connect(&editor, &QTimer::timeout, [&editor] {
        auto* e = qobject_cast<FurtherOutputDialog*>(QApplication::activeModalWidget());
        if (!e)
            return;
        editor.stop();
        namespace F = FurtherOutputDialogId;
        Control<QComboBox>(e, F::Type)->setCurrentIndex(9);
        Click(Control<QCheckBox>(e, F::SizeBox));
        Control<QComboBox>(e, F::Unit)->setCurrentIndex(0);
        Control<QLineEdit>(e, F::Width)->setText(u"320"_s);
        Control<QLineEdit>(e, F::Height)->setText(u"240"_s);
        e->accept();
    });
    editor.start(5);
    QTest::mouseClick(Control<QPushButton>(d.get(), Id::AddOutput), Qt::LeftButton);
    EXPECT_EQ(Control<QListWidget>(d.get(), Id::FurtherOutputs)->item(0)->text(),
              u"WebP files, quality 80, 320 x 240 pixels (320 x 240 here), named {date}/{name}, "
              u"in /tmp/web pictures"_s);
    const auto setAsDefault = [&d] {
        return MessageOf([&d] {
            QTest::mouseClick(Control<QPushButton>(d.get(), Id::SetAsDefault), Qt::LeftButton);
        });
    };
    setAsDefault();
    const AppSettings loaded;
    EXPECT_EQ(loaded.dest, u"/tmp/web pictures"_s);
    EXPECT_EQ(loaded.qualilty, 80u);
    EXPECT_EQ(std::tuple(loaded.noenlarge, loaded.keepdates, loaded.trash, loaded.maxkb,
                         loaded.mailmaxkb, loaded.onexists, loaded.nametemplate),
              std::tuple(true, true, false, 500u, 0u, OnExists::KeepBoth, u"{date}/{name}"_s));
    EXPECT_EQ(std::tuple(loaded.metadata, loaded.mailmetadata, loaded.srgb),
              std::tuple(MetadataKept::All, MetadataKept::Profile, true));
    EXPECT_EQ(loaded.also, u"imagetype=8,image_to_resize=1,desktop=0,wpercent=0,hpercent=0,"
                           u"width=320,height=240"_s);

    // A name template that cannot name a result is refused, saying which fault.
    Type(d.get(), Id::NameTemplate, u"{nam}"_s);
    const QString refused = setAsDefault();
    EXPECT_TRUE(refused.contains(u"{nam}"_s)) << qPrintable(refused);
    EXPECT_EQ(AppSettings().nametemplate, u"{date}/{name}"_s);
    Type(d.get(), Id::NameTemplate, u"{name}"_s);

    // A name too long for the stored buffer is refused with a message,
    // and the stored one stays.
    Type(d.get(), Id::Destination, u"/tmp/"_s + QString(255, QChar(u'x')));
    const QString said = setAsDefault();
    EXPECT_TRUE(said.contains(u"259 bytes"_s)) << qPrintable(said);
    EXPECT_EQ(AppSettings().dest, u"/tmp/web pictures"_s);

    // Settings that cannot be written say so, and why.
    Type(d.get(), Id::Destination, u"/tmp/web pictures"_s);
    const QString folder = RegistryKey::ConfigFolder();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    WriteFile(folder, "a file where the folder should be");
    const QString unwritten = setAsDefault();
    EXPECT_TRUE(unwritten.contains(u"cannot be kept"_s) && unwritten.contains(folder))
        << qPrintable(unwritten);
    // The tests after this one share the folder.
    QFile::remove(folder);
    QDir().mkpath(folder);
}

// A preset fills the controls (whole: the results of each are compared
// with the batch's below); the controls are saved as a new preset under a
// typed name, and a preset is deleted after a question. The check text
// speaks of the side.
TEST_F(ResizeDialogTest, PresetsFillTheControlsAndAreSavedAndDeleted) {
    auto d = Open(640, 480);
    auto* presets = Control<QComboBox>(d.get(), Id::Preset);
    Choose(presets, presets->findText(u"Thumbnail 320"_s));
    EXPECT_TRUE(Text(d.get(), Id::SizeCheck)
                    .startsWith(u"The longer side of each picture will be 320 pixels"_s))
        << qPrintable(Text(d.get(), Id::SizeCheck));
    Type(d.get(), Id::Width, u"400"_s);
    const WhenShown<QInputDialog> named([](QInputDialog* dialog) {
        dialog->setTextValue(u"Thumbnail 400"_s);
        dialog->accept();
    });
    const WhenShown<QMessageBox> confirmed(
        [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    QTest::mouseClick(Control<QPushButton>(d.get(), Id::SavePreset), Qt::LeftButton);
    EXPECT_EQ(presets->currentText(), u"Thumbnail 400"_s);
    ResizeSettings saved;
    ASSERT_TRUE(PresetStore().Load(u"Thumbnail 400"_s, saved));
    EXPECT_EQ(std::tuple(saved.width, saved.side), std::tuple(400u, SideRule::Longer));
    QTest::mouseClick(Control<QPushButton>(d.get(), Id::DeletePreset), Qt::LeftButton);
    EXPECT_EQ(PresetStore().Names().indexOf(u"Thumbnail 400"_s), -1);
    EXPECT_EQ(presets->currentIndex(), 0);
}

// Chosen in the dialog for pictures of different sizes, each preset that
// comes with the program is taken whole: its results have the sizes that
// tessary-batch --preset gives the same pictures.
TEST_F(ResizeDialogTest, EachPresetGivesTheSizesTheBatchGivesWhateverTheSelection) {
    QTemporaryDir dir;
    const QStringList pictures = {dir.filePath(u"wide.png"_s), dir.filePath(u"tall.png"_s)};
    DrawPicture(pictures[0], 2400, 1600);
    DrawPicture(pictures[1], 1200, 1800);
    const auto sizes = [](const QString& folder) {
        QStringList found;
        for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
            const Identified id = Identify(QDir(folder).filePath(name));
            found << u"%1 %2x%3"_s.arg(name).arg(id.width).arg(id.height);
        }
        return found;
    };
    const QStringList presets = PresetStore().Names();
    ASSERT_EQ(presets.size(), 4);
    for (int i = 0; i < presets.size(); ++i) {
        auto d = Open(0, 0);
        auto* box = Control<QComboBox>(d.get(), Id::Preset);
        Choose(box, box->findText(presets[i]));
        // Resize: the options the batch runs with.
        QTest::mouseClick(Control<QPushButton>(d.get(), Id::Resize), Qt::LeftButton);
        ResizeSettings chosen = settings_;
        chosen.dest = dir.filePath(u"dialog%1"_s.arg(i));
        struct : ConfirmationPrompt {
            int Ask(const QString&, const QString&) override { return AnswerYesToAll; }
        } yes;
        ResizeJob(chosen, pictures, yes).Run();
        const ToolRun batch =
            RunTool(kBatch, QStringList{u"--preset"_s, presets[i], u"--set"_s,
                                        u"dest="_s + dir.filePath(u"batch%1"_s.arg(i)), u"--"_s} +
                                pictures);
        ASSERT_EQ(batch.exitCode, 0) << qPrintable(batch.err);
        const QStringList made = sizes(dir.filePath(u"dialog%1"_s.arg(i)));
        EXPECT_EQ(made, sizes(dir.filePath(u"batch%1"_s.arg(i)))) << qPrintable(presets[i]);
        EXPECT_FALSE(made.join(u' ').contains(u"2400x1600"_s)) << qPrintable(presets[i]);
    }
}

// The size of the batch is worked out beside the dialog, and worked out
// again when an option changes.
TEST_F(ResizeDialogTest, TheEstimateFollowsTheOptionsWithoutHoldingTheDialog) {
    QTemporaryDir dir;
    settings_.PictureList = DrawPictures(dir.path(), 3, u"p%1.png"_s, 400, 300);
    settings_.imagetype = PictureTypeTable::Png;
    settings_.wpercent = settings_.hpercent = 1;
    auto d = Open(400, 300);
    QLabel* estimate = Control<QLabel>(d.get(), Id::Estimate);
    const auto settled = [&] {
        QCoreApplication::processEvents();
        return estimate->text().startsWith(u"about"_s);
    };
    ASSERT_TRUE(WaitUntil(settled));
    const QString full = estimate->text();
    Type(d.get(), Id::Width, u"10"_s);
    EXPECT_EQ(estimate->text(), ResizeDialogText::Estimating);
    ASSERT_TRUE(WaitUntil(settled));
    EXPECT_NE(estimate->text(), full);
}

// "Browse..." takes a typed folder that is not there yet, as the batch
// creates it, also when it is typed before the chooser has read its folder
// on the model's thread; a typed file's name is still no folder.
TEST_F(ResizeDialogTest, BrowseTakesAFolderTypedBeforeTheChooserHasLoaded) {
    QTemporaryDir dir;
    const QString file = WriteFile(dir.filePath(u"a.jpg"_s), "x");
    const QString fresh = dir.filePath(u"new pictures/web"_s);
    settings_.dest = dir.path();
    auto d = Open(640, 480);
    for (const QString& name : {file, fresh}) {
        bool loaded = false;
        const WhenShown<QFileDialog> user(
            [&](QFileDialog* chooser) {
                auto* edit = chooser->findChild<QLineEdit*>(u"fileNameEdit"_s);
                auto* model = chooser->findChild<QFileSystemModel*>();
                ASSERT_TRUE(edit && model);
                const QString folder = chooser->directory().absolutePath();
                QObject::connect(model, &QFileSystemModel::directoryLoaded, chooser,
                                 [&loaded, chooser, folder](const QString& read) {
                                     if (loaded || read != folder)
                                         return;
                                     loaded = true;
                                     // What Enter in the name field does.
                                     static_cast<QDialog*>(chooser)->accept();
                                     if (chooser->isVisible())
                                         chooser->reject();
                                 });
                QTimer::singleShot(60000, chooser, [chooser] { // not a wait: its bound
                    ADD_FAILURE() << "the chooser never read its folder";
                    chooser->reject();
                });
                // As a user types: into the focused name field of the active
                // chooser, which the offscreen platform does not activate.
                QApplication::setActiveWindow(chooser);
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, name);
            },
            Call::Now);
        QTest::mouseClick(Control<QPushButton>(d.get(), Id::Browse), Qt::LeftButton);
        EXPECT_TRUE(loaded);
        EXPECT_EQ(Field(d.get(), Id::Destination) == fresh, name == fresh) << qPrintable(name);
    }
}

} // namespace
