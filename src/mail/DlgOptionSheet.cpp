// SPDX-License-Identifier: MIT
#include "mail/DlgOptionSheet.h"

#include "mail/DlgOptionMailPage.h"
#include "mail/DlgOptionMenuContextPage.h"
#include "mail/OptionIds.h"
#include "menus/ContextMenuItems.h"
#include "menus/FileManagerMenus.h"
#include "platform/UiText.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPageWidth = 470;
constexpr int kPageHeight = 340;

// The tessary-menu the items run: the one beside this program, else the
// one on PATH.
} // namespace

CDlgOptionSheet::CDlgOptionSheet(AppSettings& settings, QWidget* parent)
    : QDialog(parent)
    , mailPage(new CDlgOptionMailPage(settings))
    , menuPage(new CDlgOptionMenuContextPage(settings))
    , tabs_(new QTabWidget(this)) {
    setWindowTitle(OptionText::SheetCaption);
    tabs_->addTab(mailPage, OptionText::MailCaption);
    tabs_->addTab(menuPage, OptionText::MenuCaption);
    tabs_->setMinimumSize(kPageWidth, kPageHeight);
    tabs_->setCurrentIndex(0);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    apply_ = buttons->button(QDialogButtonBox::Apply);
    apply_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, [this] {
        ApplyShownPages();
        apply_->setEnabled(false);
    });
    for (OptionPage* page : std::initializer_list<OptionPage*>{mailPage, menuPage})
        connect(page, &OptionPage::ModifiedChanged, this,
                [this] { apply_->setEnabled(mailPage->Modified() || menuPage->Modified()); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

void CDlgOptionSheet::ApplyShownPages() {
    // A page never shown leaves its settings as they are.
    for (OptionPage* page : std::initializer_list<OptionPage*>{mailPage, menuPage})
        if (page->Shown())
            page->Apply();
}

void CDlgOptionSheet::accept() {
    ApplyShownPages();
    QDialog::accept();
}

void RunOptionSheet(AppSettings& settings, QWidget* parent) {
    CDlgOptionSheet sheet(settings, parent);
    if (sheet.exec() != QDialog::Accepted)
        return;
    if (const QString why = settings.SaveMenuAndMailSettings(); !why.isEmpty())
        QMessageBox::warning(parent, QStringLiteral("Tessary"),
                             OptionText::OptionsNotKept.arg(why));
    const QString program = FileManagerMenus::MenuProgram();
    if (program.isEmpty())
        return; // without tessary-menu there are no items to write
    QStringList errors;
    if (!FileManagerMenus(program).Install(ContextMenuItems(settings), errors))
        QMessageBox::warning(
            parent, QStringLiteral("Tessary"),
            TrText("Options", "The file managers' menus could not all be written:\n\n") +
                errors.join(QLatin1Char('\n')));
}
