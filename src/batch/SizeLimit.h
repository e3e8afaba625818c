// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class CxImage;

// The lowest quality a size limit may go down to before the picture is
// made smaller instead.
constexpr int kLowestLimitedQuality = 10;

// Encodes image as format in at most limit bytes: at its own quality when
// that fits, else, for a lossy type, at the highest quality down to
// kLowestLimitedQuality that fits, found on in-memory encodes; when even
// that is too big, or the type has no quality, the picture is made smaller
// in steps. False with the reason in why when no size fits.
bool EncodeWithin(CxImage& image, uint32_t format, int64_t limit, QByteArray& bytes, QString& why);
