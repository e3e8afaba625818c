// SPDX-License-Identifier: MIT
#include "batch/SizeEstimate.h"

#include "codec/Image.h"
#include "platform/FileName.h"
#include "batch/EncodeResult.h"
#include "platform/UiText.h"

#include <QFileInfo>
#include <QLocale>

#include <cmath>
#include <set>

namespace {

// Pictures encoded for an estimate: the first, the middle and the last, so
// that a list sorted by size or by camera is met at both ends.
constexpr int kSamples = 3;
constexpr int64_t kKb = 1024;

std::set<int> SampleIndices(int count) {
    std::set<int> indices;
    for (int i = 0; i < kSamples && count > 0; ++i)
        indices.insert(int(int64_t(count - 1) * i / (kSamples - 1)));
    return indices;
}

} // namespace

SizeEstimate EstimateBatch(const BatchPlan& plan, const std::atomic<bool>& stop) {
    SizeEstimate estimate;
    if (!plan.complete)
        return estimate;
    const std::vector<ResizeSettings>& recipe = plan.outputs;
    const int pictures = int(plan.sources.size());
    const std::set<int> samples = SampleIndices(pictures);
    // Bytes and pixels the sampled results took, output by output.
    std::vector<double> sampledBytes(recipe.size());
    std::vector<double> sampledPixels(recipe.size());
    std::vector<size_t> guessed; // results whose bytes come from the sample
    std::vector<double> details; // their pictures' detail
    for (int index = 0; index < pictures; ++index) {
        if (stop)
            return estimate;
        const QString& source = plan.sources[index];
        CxImage header;
        const bool loaded = header.Load(source);
        // How detailed the picture is, from its own compressed bytes a
        // pixel. A result's bytes follow it only in part: cameras compress
        // at different qualities, so its square root is taken.
        const double sourcePixels = double(header.GetWidth()) * double(header.GetHeight());
        const double detail =
            loaded && sourcePixels > 0
                ? std::sqrt(std::max(1.0, double(QFileInfo(source).size() -
                                                 header.ResultMetadataBytes(header.GetType(), 0))) /
                            sourcePixels)
                : 0;
        for (size_t r = 0; r < recipe.size(); ++r) {
            const PlannedResult& planned = plan.Result(index, int(r));
            EstimatedResult result;
            result.picture = index;
            result.recipe = int(r);
            result.path = planned.path;
            result.reason = planned.reason;
            result.width = planned.form.WrittenWidth();
            result.height = planned.form.WrittenHeight();
            if (!result.reason.isEmpty() || planned.name == PlannedResult::Name::Skip) {
                estimate.results.push_back(result);
                continue;
            }
            const int64_t metadata =
                header.ResultMetadataBytes(planned.form.format, planned.form.metadata);
            if (samples.count(index)) {
                CxImage image;
                QByteArray bytes;
                if (!image.Load(source)) {
                    result.reason = image.GetLastError();
                } else if (EncodeResult(image, recipe[r], planned.form, bytes, result.reason)) {
                    result.bytes = bytes.size();
                    sampledBytes[r] += double(bytes.size() - metadata);
                    sampledPixels[r] += detail * double(result.width) * double(result.height);
                }
            } else {
                guessed.push_back(estimate.results.size());
                details.push_back(detail);
                // Known exactly; only the pixels' bytes are estimated.
                result.bytes = metadata;
            }
            estimate.results.push_back(result);
        }
        estimate.sampled += samples.count(index) ? 1 : 0;
    }
    for (size_t g = 0; g < guessed.size(); ++g) {
        EstimatedResult& result = estimate.results[guessed[g]];
        const size_t r = size_t(result.recipe);
        const double perPixel = sampledPixels[r] > 0 ? sampledBytes[r] / sampledPixels[r] : 0;
        result.bytes +=
            int64_t(perPixel * details[g] * double(result.width) * double(result.height));
        if (recipe[r].maxkb > 0)
            result.bytes = std::min<int64_t>(result.bytes, int64_t(recipe[r].maxkb) * kKb);
    }
    for (const EstimatedResult& result : estimate.results)
        estimate.total += result.bytes;
    estimate.complete = true;
    return estimate;
}

SizeEstimate EstimateBatch(const BatchRequest& request, const std::atomic<bool>& stop) {
    return EstimateBatch(PlanBatch(request, &stop), stop);
}

QString ShownBytes(int64_t bytes) {
    const QLocale locale;
    if (bytes < 1000 * kKb)
        return QStringLiteral("%1 KB").arg(locale.toString((bytes + kKb - 1) / kKb));
    return QStringLiteral("%1 MB").arg(locale.toString(double(bytes) / double(kKb * kKb), 'f', 1));
}

QString EstimateText(const SizeEstimate& estimate, uint32_t mailMaxKb) {
    QString text = TrText("Batch", "about %1 in all").arg(ShownBytes(estimate.total));
    if (mailMaxKb == 0)
        return text;
    const int64_t limit = int64_t(mailMaxKb) * kKb;
    return text + (estimate.total <= limit
                       ? TrText("Batch", "; a mail of them fits in %1").arg(ShownBytes(limit))
                       : TrText("Batch", "; a mail of them would be made smaller to fit in %1")
                             .arg(ShownBytes(limit)));
}
