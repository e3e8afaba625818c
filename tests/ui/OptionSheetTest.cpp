// SPDX-License-Identifier: MIT
#include "Controls.h"
#include "TestSupport.h"

#include "mail/DlgOptionMailPage.h"
#include "mail/DlgOptionMenuContextPage.h"
#include "mail/DlgOptionSheet.h"
#include "mail/OptionIds.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace {

class OptionSheetTest : public testing::Test {
protected:
    void Open() {
        sheet_ = std::make_unique<CDlgOptionSheet>(settings_);
        sheet_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet_.get()));
    }
    void ShowMenuPage() {
        sheet_->Tabs()->setCurrentIndex(1);
        QCoreApplication::processEvents();
    }
    template <typename T> T* Get(int id) { return Control<T>(sheet_.get(), id); }

    AppSettings settings_;
    std::unique_ptr<CDlgOptionSheet> sheet_;
};

TEST_F(OptionSheetTest, TheMainItemEnablesTheOthersAndTheMailChoiceFollowsResizeAndMail) {
    Open();
    EXPECT_FALSE(sheet_->ApplyButton()->isEnabled());
    ShowMenuPage();
    EXPECT_TRUE(sheet_->ApplyButton()->isEnabled()) << "showing the page marks it modified";

    const int others[] = {OptionId::Resize, OptionId::ResizeAsDefault, OptionId::ResizeAndMail,
                          OptionId::DefaultAndMail, OptionId::DialogThenMail};
    Click(Get<QCheckBox>(OptionId::MainItem));
    for (const int id : others)
        EXPECT_FALSE(Get<QWidget>(id)->isEnabled()) << id;
    EXPECT_TRUE(Get<QCheckBox>(OptionId::Resize)->isChecked()) << "disabled boxes keep their state";
    Click(Get<QCheckBox>(OptionId::ResizeAndMail)); // disabled: nothing happens
    Click(Get<QCheckBox>(OptionId::MainItem));
    for (const int id : others)
        EXPECT_TRUE(Get<QWidget>(id)->isEnabled()) << id;
    Click(Get<QCheckBox>(OptionId::ResizeAndMail));
    EXPECT_FALSE(Get<QWidget>(OptionId::DefaultAndMail)->isEnabled());
    EXPECT_FALSE(Get<QWidget>(OptionId::DialogThenMail)->isEnabled());
    EXPECT_TRUE(Get<QWidget>(OptionId::Resize)->isEnabled());
}

// The sheet as Edit > Option opens it: Cancel stores nothing, even after
// Apply; OK stores what was chosen.
TEST_F(OptionSheetTest, OkStoresTheChoicesAndCancelAfterApplyStoresNothing) {
    const auto choose = [](QDialogButtonBox::StandardButton closeWith) {
        QTimer::singleShot(0, [closeWith] {
            auto* sheet = qobject_cast<CDlgOptionSheet*>(QApplication::activeModalWidget());
            ASSERT_TRUE(sheet);
            sheet->Tabs()->setCurrentIndex(1);
            QCoreApplication::processEvents();
            Click(Control<QRadioButton>(sheet, OptionId::DialogThenMail));
            // Unticked, whatever an earlier Apply left in memory.
            if (auto* presets = Control<QCheckBox>(sheet, OptionId::Presets); presets->isChecked())
                Click(presets);
            Control<QLineEdit>(sheet, OptionId::Subject)->setText(u"Pictures %F"_s);
            Click(sheet->ApplyButton());
            Click(sheet->findChild<QDialogButtonBox*>()->button(closeWith));
        });
        RunOptionSheet(GetAppSettings(), nullptr);
    };
    const uint32_t before = AppSettings().extResizeDefaultAndMail;
    ASSERT_EQ(before, 1u);
    choose(QDialogButtonBox::Cancel);
    EXPECT_EQ(AppSettings().extResizeDefaultAndMail, before);
    EXPECT_TRUE(AppSettings().mailSubject.isEmpty());

    choose(QDialogButtonBox::Ok);
    const AppSettings stored;
    EXPECT_EQ(std::pair(stored.extResizeDefaultAndMail, stored.extPresets), std::pair(0u, 0u));
    EXPECT_EQ(stored.mailSubject, u"Pictures %F"_s);
}

TEST_F(OptionSheetTest, TheTextsFitTheirBuffersAndTheBodyKeepsWindowsLineBreaks) {
    Open();
    auto* subject = Get<QLineEdit>(OptionId::Subject);
    subject->setText(QString(150, QChar(0x00E9))); // 300 bytes
    EXPECT_EQ(subject->text().toUtf8().size(), 198) << "199 bytes, never half a character";
    const auto told = [this](const QString& what) {
        for (QLabel* label : sheet_->findChildren<QLabel*>())
            if (label->isVisible() && label->text().contains(what))
                return true;
        return false;
    };
    EXPECT_TRUE(told(u"199 bytes"_s)) << "the page says what was not taken";
    auto* body = Get<QPlainTextEdit>(OptionId::Body);
    body->setPlainText(QString(5100, u'b'));
    subject->setText(QString(250, u's'));
    EXPECT_TRUE(told(u"199 bytes"_s) && told(u"4999 bytes"_s)) << "every text cut is named";
    body->clear();
    // Apply takes the default while it is pressed, then is disabled: Enter
    // in the body is OK all the same.
    QTest::mouseClick(sheet_->ApplyButton(), Qt::LeftButton);
    body->setFocus();
    QTest::keyClicks(body, u"Hello"_s);
    QTest::keyClick(body, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(body, u"there"_s);
    EXPECT_EQ(body->toPlainText(), u"Hello\nthere"_s);
    QTest::keyClick(body, Qt::Key_Return); // the sheet's default button: OK
    EXPECT_EQ(sheet_->result(), QDialog::Accepted);
    EXPECT_EQ(settings_.mailBody, u"Hello\r\nthere"_s);

    Open();
    Get<QPlainTextEdit>(OptionId::Body)->setPlainText(QString(3000, u'\n'));
    sheet_->accept();
    EXPECT_LE(settings_.mailBody.toUtf8().size(), 4999);
    EXPECT_FALSE(settings_.mailBody.endsWith(u'\r')) << "a break is never cut in half";
}

} // namespace
