// SPDX-License-Identifier: MIT
#include "resize/BatchRun.h"

#include "mail/MailPictures.h"
#include "mail/MailTexts.h"
#include "platform/UiText.h"
#include "resize/ProgressDialog.h"
#include "settings/AppSettings.h"

#include <QMessageBox>

namespace {
constexpr int kListedInline = 8;
const QString kTitle = QStringLiteral("Tessary");
} // namespace

BatchRun::BatchRun(AppSettings& settings, QWidget* parent)
    : settings_(settings)
    , parent_(parent) {}

bool BatchRun::Resize(bool mail) {
    ProgressDialog progress(settings_, parent_);
    progress.mode = ProgressDialog::ResizeMode;
    progress.mailResults = mail ? 1 : 0;
    const bool finished = progress.exec() == QDialog::Accepted;
    ShowFailures(progress.Failures(), progress.SeveralOutputs());
    if (finished && mail)
        MailPictures();
    return finished;
}

void BatchRun::MailPictures() {
    const int prompt = ::MailPictures(settings_);
    if (prompt != MailPrompt::None)
        QMessageBox::warning(parent_, kTitle, MailPromptText(prompt));
}

// Once, after the progress dialog has closed: the first few inline, the
// whole list behind "details".
// Failures of a batch with further outputs are of results, the pictures'
// other results written.
void BatchRun::ShowFailures(const QStringList& failures, bool severalOutputs) const {
    if (failures.isEmpty())
        return;
    QString heading;
    if (severalOutputs)
        heading = failures.size() == 1
                      ? TrText("BatchRun", "One result could not be made:")
                      : TrText("BatchRun", "%1 results could not be made:").arg(failures.size());
    else
        heading = failures.size() == 1
                      ? TrText("BatchRun", "One picture could not be processed:")
                      : TrText("BatchRun", "%1 pictures could not be processed:").arg(failures.size());
    QMessageBox box(QMessageBox::Warning, kTitle, heading, QMessageBox::Ok, parent_);
    QStringList shown = failures.mid(0, kListedInline);
    if (failures.size() > kListedInline)
        shown << TrText("BatchRun", "... and %1 more (see the details)")
                     .arg(failures.size() - kListedInline);
    box.setInformativeText(shown.join(QLatin1Char('\n')));
    if (failures.size() > kListedInline)
        box.setDetailedText(failures.join(QLatin1Char('\n')));
    box.exec();
}
