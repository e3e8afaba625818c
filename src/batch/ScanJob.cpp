// SPDX-License-Identifier: MIT
#include "batch/ScanJob.h"

#include "batch/ResizeTexts.h"
#include "batch/StatusLine.h"
#include "codec/Image.h"

ScanJob::ScanJob(const QStringList& pictures)
    : pictures_(pictures) {}

void ScanJob::Run() {
    IImage info;
    anyJpeg_ = false;
    summary_ = {};
    for (int i = 0; i < pictures_.size() && !stop_; ++i) {
        if (step_)
            step_(i, FormatStatusLine(ResizeText::ReadingStatus, pictures_[i]));
        info.LoadImageInfo(pictures_[i]);
        if (ImageFormat::IsLossy(info.GetImageType()))
            anyJpeg_ = true;
        if (i == 0)
            summary_ = {info.GetWidth(), info.GetHeight(), info.GetXDPI(), info.GetYDPI()};
        // Once different, a value stays 0.
        if (summary_.pictureWidth != info.GetWidth() || summary_.pictureHeight != info.GetHeight())
            summary_.pictureWidth = summary_.pictureHeight = 0;
        if (summary_.commonXDpi != info.GetXDPI())
            summary_.commonXDpi = 0;
        if (summary_.commonYDpi != info.GetYDPI())
            summary_.commonYDpi = 0;
    }
    if (done_)
        done_();
}
