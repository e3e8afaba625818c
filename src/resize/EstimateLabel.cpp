// SPDX-License-Identifier: MIT
#include "resize/EstimateLabel.h"

#include "batch/SizeEstimate.h"
#include "resize/ResizeIds.h"

namespace {
// Long enough for a typed number to be whole before it is estimated.
constexpr int kPauseMs = 300;
} // namespace

EstimateLabel::EstimateLabel(QWidget* parent)
    : QLabel(parent) {
    setObjectName(QString::number(ResizeDialogId::Estimate));
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, [this] { Start(); });
}

EstimateLabel::~EstimateLabel() {
    if (stop_)
        *stop_ = true;
    workers_.waitForDone();
}

void EstimateLabel::Request(const ResizeSettings& settings, const QStringList& pictures,
                            DesktopSize desktop) {
    settings_ = settings;
    pictures_ = pictures;
    desktop_ = desktop;
    ++generation_;
    if (stop_)
        *stop_ = true;
    setText(ResizeDialogText::Estimating);
    pause_.start();
}

void EstimateLabel::Start() {
    stop_ = std::make_shared<std::atomic<bool>>(false);
    const int generation = generation_;
    workers_.start([this, generation, stop = stop_, settings = settings_, pictures = pictures_,
                    desktop = desktop_] {
        BatchRequest request;
        request.settings = settings;
        request.pictures = pictures;
        request.desktop = desktop;
        const SizeEstimate estimate = EstimateBatch(request, *stop);
        if (!estimate.complete)
            return;
        const QString text = EstimateText(estimate, settings.mailmaxkb);
        QMetaObject::invokeMethod(
            this, [this, generation, text] { Finish(generation, text); }, Qt::QueuedConnection);
    });
}

void EstimateLabel::Finish(int generation, const QString& text) {
    if (generation == generation_)
        setText(text);
}
