// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>

// What a scan found out about the selected pictures: the size and the
// resolution they share, each 0 when they differ.
struct SelectionSummary {
    int32_t pictureWidth = 0;
    int32_t pictureHeight = 0;
    int32_t commonXDpi = 0;
    int32_t commonYDpi = 0;
};

// Reads the header of every picture of a list, in order, without decoding
// pixels, for the resize dialog's checks. Run() works on the calling
// thread; RequestStop() may come from any thread and is honoured between
// pictures. A picture that cannot be read still counts as a step and
// contributes zeros.
class ScanJob {
public:
    explicit ScanJob(const QStringList& pictures);

    void OnStep(std::function<void(int, const QString&)> step) { step_ = std::move(step); }
    void OnDone(std::function<void()> done) { done_ = std::move(done); }
    void Run();
    void RequestStop() { stop_ = true; }

    const SelectionSummary& Summary() const { return summary_; }
    // True when one of the pictures is a JPEG.
    bool AnyJpegSource() const { return anyJpeg_; }

private:
    QStringList pictures_;
    SelectionSummary summary_;
    bool anyJpeg_ = false;
    std::atomic<bool> stop_{false};
    std::function<void(int, const QString&)> step_;
    std::function<void()> done_;
};
