// SPDX-License-Identifier: MIT
#include "resize/ProgressDialog.h"

#include "batch/ResizeJob.h"
#include "mail/MailTempFolder.h"
#include "platform/DesktopMetrics.h"
#include "resize/GuiConfirmationPrompt.h"
#include "resize/ResizeIds.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

ProgressDialog::ProgressDialog(AppSettings& settings, QWidget* parent)
    : QDialog(parent)
    , settings_(settings) {
    setObjectName(QString::number(ProgressDialogId::Template));
    setWindowTitle(ProgressDialogText::Caption);
    status_ = new QLabel(this);
    status_->setObjectName(QString::number(ProgressDialogId::Status));
    status_->setTextFormat(Qt::PlainText);
    status_->setMinimumWidth(360);
    // A long path must not widen the dialog at every step: it is fitted to
    // the label instead (FitToWidth).
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QString::number(ProgressDialogId::Progress));
    progress_->setTextVisible(false);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* cancel =
        buttons->addButton(ProgressDialogText::Cancel, QDialogButtonBox::RejectRole);
    cancel->setObjectName(QString::number(ProgressDialogId::Cancel));
    connect(buttons, &QDialogButtonBox::rejected, this, &ProgressDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addWidget(buttons);
    setFixedHeight(sizeHint().height());
}

ProgressDialog::~ProgressDialog() {
    StopWorker();
}

SelectionSummary ProgressDialog::Summary() const {
    return {pictureWidth, pictureHeight, commonXDpi, commonYDpi};
}

void ProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        Start();
    }
}

void ProgressDialog::Start() {
    progress_->setRange(0, int(settings_.PictureList.size()));
    progress_->setValue(0);
    const QStringList pictures = settings_.PictureList;
    // Steps come from the worker with a copy of their status line; the
    // queued calls run here, on the dialog's thread.
    auto step = [this](int index, const QString& status) {
        QMetaObject::invokeMethod(
            this, [this, index, status] { OnStep(index, status); }, Qt::QueuedConnection);
    };
    auto done = [this] {
        QMetaObject::invokeMethod(
            this, [this] { OnDone(); }, Qt::QueuedConnection);
    };

    if (mode == ScanMode) {
        setWindowTitle(ProgressDialogText::Reading);
        scan_ = std::make_unique<ScanJob>(pictures);
        scan_->OnStep(step);
        scan_->OnDone(done);
        worker_.start([this] { scan_->Run(); });
    } else if (mode == ResizeMode) {
        setWindowTitle(ProgressDialogText::Resizing);
        prompt_ = std::make_unique<GuiConfirmationPrompt>(this);
        resize_ = std::make_unique<ResizeJob>(settings_, pictures, *prompt_);
        resize_->SetDesktopSize(PrimaryDesktopSize().value_or(DesktopSize{}));
        if (mailResults) {
            settings_.MailTempList.clear();
            resize_->SetMailResults(CreateMailTempFolder());
        }
        resize_->OnStep(step);
        resize_->OnDone(done);
        worker_.start([this] { resize_->Run(); });
    } else {
        return; // no worker: the dialog stays open until cancelled
    }
    working_ = true;
}

namespace {

// The status line as a label of width pixels can show it. A line too wide
// loses the middle of its folder, never the verb and never the file name,
// which is what tells pictures apart; wide (CJK) characters count as wide.
QString FitToWidth(const QString& line, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(line) <= width)
        return line;
    const qsizetype verbEnd = line.indexOf(QLatin1String(" : "));
    const qsizetype slash = line.lastIndexOf(QLatin1Char('/'));
    if (verbEnd < 0 || slash < verbEnd)
        return metrics.elidedText(line, Qt::ElideMiddle, width);
    const QString verb = line.left(verbEnd + 3);
    const QString name = line.mid(slash);
    const int room = width - metrics.horizontalAdvance(verb) - metrics.horizontalAdvance(name);
    if (room <= metrics.horizontalAdvance(QStringLiteral("\u2026")))
        return verb + metrics.elidedText(name.mid(1), Qt::ElideMiddle,
                                         width - metrics.horizontalAdvance(verb));
    return verb +
           metrics.elidedText(line.mid(verb.size(), slash - verb.size()), Qt::ElideMiddle, room) +
           name;
}

} // namespace

void ProgressDialog::OnStep(int index, const QString& status) {
    progress_->setValue(index);
    status_->setText(FitToWidth(status, status_->fontMetrics(), status_->contentsRect().width()));
}

void ProgressDialog::OnDone() {
    if (!isVisible())
        return;
    StopWorker();
    accept();
}

void ProgressDialog::reject() {
    // Closed while a worker's question is open (from the taskbar): that
    // question's loop runs under this call, and the worker waits for its
    // answer, so waiting for the worker here would never end. The question
    // is closed first, and the batch stopped once its loop has unwound; the
    // worker, answered, begins no further picture meanwhile.
    if (prompt_ && prompt_->Asking()) {
        if (resize_)
            resize_->RequestStop();
        prompt_->Cancel();
        QMetaObject::invokeMethod(this, &ProgressDialog::reject, Qt::QueuedConnection);
        return;
    }
    StopWorker();
    QDialog::reject();
}

// Asks the worker to stop between pictures and waits for it. Events are
// still served meanwhile: the worker may be waiting for a question that
// must be answered (at once, with "No to all") on this thread.
void ProgressDialog::StopWorker() {
    // Served events may call back in here (a "done" arriving while we
    // wait), so the worker is marked ended first.
    if (!std::exchange(working_, false))
        return;
    if (prompt_)
        prompt_->Cancel();
    if (scan_)
        scan_->RequestStop();
    if (resize_)
        resize_->RequestStop();
    while (!worker_.waitForDone(20))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Collect();
}

// Copies the worker's results into the dialog and the settings once the
// worker has ended, so nothing is read while it still writes.
void ProgressDialog::Collect() {
    if (scan_) {
        const SelectionSummary s = scan_->Summary();
        pictureWidth = s.pictureWidth;
        pictureHeight = s.pictureHeight;
        commonXDpi = s.commonXDpi;
        commonYDpi = s.commonYDpi;
        settings_.AnyJpegSource = scan_->AnyJpegSource() ? 1 : 0;
    }
    if (resize_) {
        if (mailResults)
            settings_.MailTempList = resize_->MailTempList();
        failures_ = resize_->Failures();
        severalOutputs_ = resize_->OutputsPerPicture() > 1;
        reencoded_ = resize_->LosslessSummary().mid(1);
    }
}
