// SPDX-License-Identifier: MIT
#include "mail/DlgOptionMailPage.h"

#include "mail/OptionIds.h"
#include "platform/FixedText.h"
#include "settings/AppSettings.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
const QString kStoredBreak = QStringLiteral("\r\n"); // the body keeps Windows line breaks
} // namespace

CDlgOptionMailPage::CDlgOptionMailPage(AppSettings& settings, QWidget* parent)
    : OptionPage(parent)
    , settings_(settings)
    , subjectEdit_(new QLineEdit(this))
    , bodyEdit_(new QPlainTextEdit(this))
    , refused_(new QLabel(this)) {
    setObjectName(QString::number(OptionId::MailTemplate));
    subjectEdit_->setObjectName(QString::number(OptionId::Subject));
    bodyEdit_->setObjectName(QString::number(OptionId::Body));
    bodyEdit_->installEventFilter(this);
    auto* hint = new QLabel(OptionText::SubjectHint, this);
    hint->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(OptionText::Subject, this));
    layout->addWidget(subjectEdit_);
    layout->addWidget(hint);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(OptionText::Body, this));
    layout->addWidget(bodyEdit_, 1);
    refused_->setWordWrap(true);
    refused_->hide();
    layout->addWidget(refused_);
    connect(subjectEdit_, &QLineEdit::textChanged, this, [this] {
        KeepWithinBytes();
        if (!filling_)
            SetModified();
    });
    connect(bodyEdit_, &QPlainTextEdit::textChanged, this, [this] {
        KeepWithinBytes();
        if (!filling_)
            SetModified();
    });
}

void CDlgOptionMailPage::OnInitDialog() {
    subject = settings_.mailSubject;
    body = settings_.mailBody;
    filling_ = true;
    subjectEdit_->setText(subject);
    bodyEdit_->setPlainText(QString(body).replace(kStoredBreak, QStringLiteral("\n")));
    filling_ = false;
}

void CDlgOptionMailPage::KeepWithinBytes() {
    const QString subjectText = subjectEdit_->text();
    const QByteArray subjectFits = Utf8Prefix(subjectText, kMailSubjectBytes - 1);
    if (subjectFits.size() < subjectText.toUtf8().size()) {
        subjectEdit_->setText(QString::fromUtf8(subjectFits));
        ShowRefused(OptionText::SubjectName, kMailSubjectBytes - 1);
    }
    // Counted as stored: each line break takes two bytes.
    const QString bodyText = bodyEdit_->toPlainText();
    const QString stored = QString(bodyText).replace(QLatin1Char('\n'), kStoredBreak);
    const QByteArray bodyFits = Utf8Prefix(stored, kMailBodyBytes - 1);
    if (bodyFits.size() < stored.toUtf8().size()) {
        QString kept = QString::fromUtf8(bodyFits);
        if (kept.endsWith(QLatin1Char('\r')))
            kept.chop(1);
        const QSignalBlocker quiet(bodyEdit_);
        bodyEdit_->setPlainText(kept.replace(kStoredBreak, QStringLiteral("\n")));
        bodyEdit_->moveCursor(QTextCursor::End);
        ShowRefused(OptionText::BodyName, kMailBodyBytes - 1);
    }
}

// The stored texts have fixed buffers: what does not fit is not taken, and
// the page says so, for each text cut, rather than losing it silently later.
void CDlgOptionMailPage::ShowRefused(const QString& what, int bytes) {
    const QString line = OptionText::TextTooLong.arg(what).arg(bytes);
    QStringList lines = refused_->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!lines.contains(line))
        lines << line;
    refused_->setText(lines.join(QLatin1Char('\n')));
    refused_->show();
}

void CDlgOptionMailPage::OnApply() {
    subject = subjectEdit_->text();
    body = bodyEdit_->toPlainText().replace(QLatin1Char('\n'), kStoredBreak);
    settings_.mailSubject = QString::fromUtf8(Utf8Prefix(subject, kMailSubjectBytes - 1));
    settings_.mailBody = QString::fromUtf8(Utf8Prefix(body, kMailBodyBytes - 1));
}

bool CDlgOptionMailPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == bodyEdit_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ControlModifier) {
                bodyEdit_->insertPlainText(QStringLiteral("\n"));
            } else if (auto* sheet = qobject_cast<QDialog*>(window())) {
                // What OK does, whichever button holds the default just now:
                // a default left on a disabled Apply would do nothing.
                sheet->accept();
            }
            return true;
        }
    }
    return OptionPage::eventFilter(watched, event);
}
