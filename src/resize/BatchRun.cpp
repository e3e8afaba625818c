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
    ShowReencoded(progress.Reencoded());
    if (finished && mail)
        MailPictures();
    return finished;
}

void BatchRun::MailPictures() {
    const int prompt = ::MailPictures(settings_);
    if (prompt != MailPrompt::None)
        QMessageBox::warning(parent_, kTitle, MailPromptText(prompt));
}

// A photo to be turned without loss that had to be re-encoded is never
// passed over in silence: the user may have chosen the turn for that.
void BatchRun::ShowReencoded(const QStringList& reencoded) const {
    if (reencoded.isEmpty())
        return;
    ShowList(
        QMessageBox::Information,
        reencoded.size() == 1
            ? TrText("BatchRun", "One JPEG photo was re-encoded instead of turned without loss:")
            : TrText("BatchRun", "%1 JPEG photos were re-encoded instead of turned without loss:")
                  .arg(reencoded.size()),
        reencoded);
}

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
        heading =
            failures.size() == 1
                ? TrText("BatchRun", "One picture could not be processed:")
                : TrText("BatchRun", "%1 pictures could not be processed:").arg(failures.size());
    ShowList(QMessageBox::Warning, heading, failures);
}

// Once, after the progress dialog has closed.
void BatchRun::ShowList(QMessageBox::Icon icon, const QString& heading,
                        const QStringList& lines) const {
    QMessageBox box(icon, kTitle, heading, QMessageBox::Ok, parent_);
    ListIn(box, {}, lines);
    box.exec();
}

void BatchRun::ListIn(QMessageBox& box, const QString& before, const QStringList& lines) {
    QStringList shown = lines.mid(0, kListedInline);
    if (lines.size() > kListedInline)
        shown << TrText("BatchRun", "... and %1 more (see the details)")
                     .arg(lines.size() - kListedInline);
    if (!before.isEmpty())
        shown.prepend(before);
    box.setInformativeText(shown.join(QLatin1Char('\n')));
    if (lines.size() > kListedInline)
        box.setDetailedText(lines.join(QLatin1Char('\n')));
}
