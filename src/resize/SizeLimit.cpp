// SPDX-License-Identifier: MIT
#include "resize/SizeLimit.h"

#include "codec/Image.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// A fitting encode this close to the limit is good enough: the last tenth
// of the size is not worth more encodes.
constexpr double kCloseEnough = 0.9;
// Below this many pixels a side, a smaller picture helps nobody.
constexpr int kSmallestSide = 16;

} // namespace

bool EncodeWithin(CxImage& image, uint32_t format, int64_t limit, QByteArray& bytes, QString& why) {
    // An encode at quality q (none: the current one); false with the reason on failure.
    const auto encode = [&](std::optional<int> q, QByteArray& out) {
        if (q)
            image.SetJpegQuality(uint8_t(*q));
        if (image.Encode(format, out))
            return true;
        why = image.GetLastError();
        return false;
    };
    const int chosen = image.GetJpegQuality();
    if (!image.HoldPixels()) {
        why = image.GetLastError();
        return false;
    }
    if (!encode(std::nullopt, bytes))
        return false;
    if (bytes.size() <= limit)
        return true;

    // Quality between lo (fits, or the floor) and hi (too big). File size
    // grows smoothly with quality, so the next guess interpolates between
    // the two; a guess that moved the same end twice is replaced by the
    // middle, which bounds the count of encodes. A type without a quality
    // goes straight to smaller pictures.
    int hi = chosen;
    int64_t hiSize = bytes.size();
    int lo = chosen;
    QByteArray best = bytes;
    int64_t loSize = bytes.size();
    if (ImageFormat::IsLossy(format)) {
        lo = std::min(kLowestLimitedQuality, chosen);
        if (!encode(lo, best))
            return false;
        loSize = best.size();
    }
    int sameEnd = 0;
    bool lastWasLo = false;
    while (loSize <= limit && hi - lo > 1 && loSize < kCloseEnough * double(limit)) {
        int q = lo + int(std::lround(double(hi - lo) * double(limit - loSize) /
                                     double(std::max<int64_t>(hiSize - loSize, 1))));
        if (sameEnd >= 2)
            q = (lo + hi) / 2;
        q = std::clamp(q, lo + 1, hi - 1);
        QByteArray attempt;
        if (!encode(q, attempt))
            return false;
        const bool fits = attempt.size() <= limit;
        sameEnd = fits == lastWasLo ? sameEnd + 1 : 1;
        lastWasLo = fits;
        if (fits) {
            lo = q;
            loSize = attempt.size();
            best = attempt;
        } else {
            hi = q;
            hiSize = attempt.size();
        }
    }
    // Even the lowest quality is too big: smaller pictures, at that quality.
    while (loSize > limit) {
        const double scale = std::clamp(std::sqrt(double(limit) / double(loSize)) * 0.95, 0.1, 0.9);
        const int64_t w = std::lround(image.GetWidth() * scale);
        const int64_t h = std::lround(image.GetHeight() * scale);
        if (std::min(w, h) < kSmallestSide) {
            why = QStringLiteral("it cannot be made as small as %1 KB").arg((limit + 1023) / 1024);
            return false;
        }
        if (!image.Resample(w, h)) {
            why = image.GetLastError();
            return false;
        }
        if (!encode(std::nullopt, best))
            return false;
        loSize = best.size();
    }
    image.SetJpegQuality(uint8_t(lo));
    bytes = best;
    return true;
}
