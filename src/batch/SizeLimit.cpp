// SPDX-License-Identifier: MIT
#include "batch/SizeLimit.h"

#include "codec/Image.h"
#include "platform/UiText.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

// A fitting encode this close to the limit is good enough: the last tenth
// of the size is not worth more encodes.
constexpr double kCloseEnough = 0.9;
// Below this many pixels a side, a smaller picture helps nobody.
constexpr int kSmallestSide = 16;

// An encode at quality q (none: the picture's current one); false when it
// failed, the reason then in the picture's last error.
using Encode = std::function<bool(std::optional<int> q, QByteArray& out)>;

// The best quality whose result fits, between the floor and `chosen`, whose
// result (`bytes`) is too big. File size grows smoothly with quality, so
// the next guess interpolates between the ends; a guess that moved the same
// end twice is replaced by the middle, which bounds the count of encodes.
// Leaves in `bytes` the result at the quality returned, which is still too
// big when even the floor is. A type without a quality keeps `chosen`.
std::optional<int> BestQuality(const Encode& encode, bool lossy, int chosen, int64_t limit,
                               QByteArray& bytes) {
    int hi = chosen;
    int64_t hiSize = bytes.size();
    int lo = chosen;
    if (lossy) {
        lo = std::min(kLowestLimitedQuality, chosen);
        if (!encode(lo, bytes))
            return std::nullopt;
    }
    int sameEnd = 0;
    bool lastWasLo = false;
    while (bytes.size() <= limit && hi - lo > 1 && bytes.size() < kCloseEnough * double(limit)) {
        int q = lo + int(std::lround(double(hi - lo) * double(limit - bytes.size()) /
                                     double(std::max<int64_t>(hiSize - bytes.size(), 1))));
        if (sameEnd >= 2)
            q = (lo + hi) / 2;
        q = std::clamp(q, lo + 1, hi - 1);
        QByteArray attempt;
        if (!encode(q, attempt))
            return std::nullopt;
        const bool fits = attempt.size() <= limit;
        sameEnd = fits == lastWasLo ? sameEnd + 1 : 1;
        lastWasLo = fits;
        if (fits) {
            lo = q;
            bytes = attempt;
        } else {
            hi = q;
            hiSize = attempt.size();
        }
    }
    return lo;
}

// Even the lowest quality is too big: smaller pictures, at that quality,
// until the result fits.
bool ShrinkToFit(CxImage& image, const Encode& encode, int64_t limit, QByteArray& bytes,
                 QString& why) {
    while (bytes.size() > limit) {
        const double scale =
            std::clamp(std::sqrt(double(limit) / double(bytes.size())) * 0.95, 0.1, 0.9);
        const int64_t w = std::lround(image.GetWidth() * scale);
        const int64_t h = std::lround(image.GetHeight() * scale);
        if (std::min(w, h) < kSmallestSide) {
            why = TrText("Batch", "it cannot be made as small as %1 KB").arg((limit + 1023) / 1024);
            return false;
        }
        if (!image.Resample(w, h) || !encode(std::nullopt, bytes))
            return false;
    }
    return true;
}

} // namespace

bool EncodeWithin(CxImage& image, uint32_t format, int64_t limit, QByteArray& bytes, QString& why) {
    const Encode encode = [&image, format](std::optional<int> q, QByteArray& out) {
        if (q)
            image.SetJpegQuality(uint8_t(*q));
        return image.Encode(format, out);
    };
    const auto failed = [&] {
        why = image.GetLastError();
        return false;
    };
    if (!image.HoldPixels() || !encode(std::nullopt, bytes))
        return failed();
    if (bytes.size() <= limit)
        return true;
    const std::optional<int> quality =
        BestQuality(encode, ImageFormat::IsLossy(format), image.GetJpegQuality(), limit, bytes);
    if (!quality)
        return failed();
    if (!ShrinkToFit(image, encode, limit, bytes, why))
        return why.isEmpty() ? failed() : false;
    image.SetJpegQuality(uint8_t(*quality));
    return true;
}
