// SPDX-License-Identifier: MIT
#pragma once

#include "codec/ImageFormat.h"
#include "platform/DesktopMetrics.h"
#include "settings/ResizeSettings.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

class CxImage;

// What one result of a picture is: its size, type, byte limit and the
// metadata it keeps, as the options decide them for that picture.
struct ResultSpec {
    bool resample = false;
    int64_t width = 0; // the result's size; the picture's own without a resample
    int64_t height = 0;
    uint32_t format = ImageFormat::None;
    int64_t limit = 0; // most bytes; 0: no limit
    int metadata = 0;  // a MetadataLevel
};

// The result settings make of image (its header read): its type, its size
// (no side grown with "noenlarge"), its byte limit ("maxkb") and metadata
// level. The reason when no such result is possible.
QString PlanResult(const ResizeSettings& settings, const CxImage& image, DesktopSize desktop,
                   ResultSpec& spec);

// The result's bytes: image resampled, turned, given its DPI, quality,
// metadata and colours as settings and spec say, and encoded within the
// limit. False with the reason in why.
bool EncodeResult(CxImage& image, const ResizeSettings& settings, const ResultSpec& spec,
                  QByteArray& bytes, QString& why);
