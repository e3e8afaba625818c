// SPDX-License-Identifier: MIT
#include "batch/SizeEstimate.h"

#include "batch/EncodeResult.h"
#include "codec/Image.h"
#include "codec/ImageFormat.h"
#include "platform/FileName.h"
#include "platform/UiText.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>

#include <cmath>
#include <map>
#include <tuple>

namespace {

constexpr int64_t kKb = 1024;

// A picture's type, width and height.
using Kind = std::tuple<uint32_t, int32_t, int32_t>;

struct Source {
    double detail = 0; // the source's compressed bytes a pixel, its metadata left out
    Kind kind;
};

// How a result's pixels' bytes follow the source's detail: in one kind,
// in proportion; across cameras, which compress at different qualities,
// only as its square root.
double AcrossKinds(double detail) {
    return std::sqrt(std::max(detail, 1e-6));
}

// The bytes of a result that takes bytes unlimited, with a limit ("maxkb";
// 0: none): one made smaller to fit fills most of it.
int64_t Within(int64_t bytes, int64_t limit) {
    constexpr double kFilled = 0.95;
    return limit > 0 && bytes > limit ? int64_t(kFilled * double(limit)) : bytes;
}

} // namespace

SizeEstimate EstimateBatch(const BatchPlan& plan, const std::atomic<bool>& stop, int encodeMs) {
    SizeEstimate estimate;
    if (!plan.complete)
        return estimate;
    const std::vector<ResizeSettings>& recipe = plan.outputs;
    const size_t outputs = recipe.size();
    const int pictures = int(plan.sources.size());
    std::vector<Source> sources(static_cast<size_t>(pictures));
    std::vector<int64_t> metadata(size_t(pictures) * outputs);
    // Each kind's pictures, and what it weighs: its results' pixels by detail.
    std::map<Kind, std::pair<std::vector<int>, double>> kinds;
    for (int index = 0; index < pictures; ++index) {
        if (stop)
            return estimate;
        const QString& source = plan.sources[index];
        Source& picture = sources[size_t(index)];
        CxImage header;
        const bool loaded = header.Load(source);
        const double pixels = double(header.GetWidth()) * double(header.GetHeight());
        if (loaded && pixels > 0)
            picture.detail =
                std::max(1.0, double(QFileInfo(source).size() -
                                     header.ResultMetadataBytes(header.GetType(), 0))) /
                pixels;
        picture.kind = {header.GetType(), header.GetWidth(), header.GetHeight()};
        auto& [members, weight] = kinds[picture.kind];
        members.push_back(index);
        for (size_t r = 0; r < outputs; ++r) {
            const PlannedResult& planned = plan.Result(index, int(r));
            EstimatedResult result;
            result.picture = index;
            result.recipe = int(r);
            result.path = planned.path;
            result.reason = planned.reason;
            result.width = planned.form.WrittenWidth();
            result.height = planned.form.WrittenHeight();
            if (result.reason.isEmpty() && planned.form.format == ImageFormat::Ico &&
                (result.width > kMaxIconSide || result.height > kMaxIconSide))
                result.reason = IconTooLarge(int(result.width), int(result.height));
            if (result.reason.isEmpty() && planned.name != PlannedResult::Name::Skip) {
                metadata[estimate.results.size()] =
                    header.ResultMetadataBytes(planned.form.format, planned.form.metadata);
                weight += picture.detail * double(result.width) * double(result.height);
            }
            estimate.results.push_back(result);
        }
    }
    const auto made = [&](size_t at) {
        const EstimatedResult& result = estimate.results[at];
        return result.reason.isEmpty() &&
               plan.Result(result.picture, result.recipe).name != PlannedResult::Name::Skip;
    };

    // One picture of each kind, of middling detail, encoded at its real
    // settings: the heaviest kinds first, while there is time.
    std::vector<std::pair<double, int>> order; // weight, the picture that stands for its kind
    for (auto& [kind, group] : kinds) {
        std::vector<int>& members = group.first;
        std::sort(members.begin(), members.end(), [&](int a, int b) {
            return sources[size_t(a)].detail < sources[size_t(b)].detail;
        });
        order.emplace_back(group.second, members[members.size() / 2]);
    }
    std::sort(order.begin(), order.end(), std::greater<>());
    std::map<Kind, int> standsFor; // kind -> its encoded picture
    std::vector<char> encoded(estimate.results.size());
    std::vector<int64_t> unlimited(estimate.results.size()); // bytes of those encoded
    QElapsedTimer clock;
    clock.start();
    for (const auto& [weight, index] : order) {
        if (stop)
            return estimate;
        if (estimate.sampled > 0 && clock.elapsed() > encodeMs)
            break;
        ++estimate.sampled;
        const Source& picture = sources[size_t(index)];
        standsFor[picture.kind] = index;
        for (size_t r = 0; r < outputs; ++r) {
            const size_t at = size_t(index) * outputs + r;
            if (!made(at))
                continue;
            EstimatedResult& result = estimate.results[at];
            // Once, without the limit: what it takes to fit "maxkb" only
            // costs more encodes, and this is the pace the others follow.
            ResultForm form = plan.Result(index, int(r)).form;
            const int64_t limit = form.limit;
            form.limit = 0;
            CxImage image;
            QByteArray bytes;
            if (!image.Load(plan.sources[index]))
                result.reason = image.GetLastError();
            else if (EncodeResult(image, recipe[r], form, bytes, result.reason))
                unlimited[at] = bytes.size();
            result.bytes = Within(unlimited[at], limit);
            encoded[at] = 1;
        }
    }

    // The bytes a pixel of each output, by detail, over all that were encoded.
    std::vector<double> sampledBytes(outputs);
    std::vector<double> sampledPixels(outputs);
    for (size_t at = 0; at < estimate.results.size(); ++at) {
        const EstimatedResult& result = estimate.results[at];
        if (unlimited[at] <= 0)
            continue;
        const size_t r = size_t(result.recipe);
        sampledBytes[r] += double(unlimited[at] - metadata[at]);
        sampledPixels[r] += AcrossKinds(sources[size_t(result.picture)].detail) *
                            double(result.width) * double(result.height);
    }
    for (size_t at = 0; at < estimate.results.size(); ++at) {
        EstimatedResult& result = estimate.results[at];
        if (encoded[at] || !made(at))
            continue;
        const size_t r = size_t(result.recipe);
        const Source& picture = sources[size_t(result.picture)];
        const double pixels = double(result.width) * double(result.height);
        double bytes = sampledPixels[r] > 0 ? sampledBytes[r] / sampledPixels[r] *
                                                  AcrossKinds(picture.detail) * pixels
                                            : 0;
        const auto stands = standsFor.find(picture.kind);
        if (stands != standsFor.end()) {
            const size_t at2 = size_t(stands->second) * outputs + r;
            const EstimatedResult& like = estimate.results[at2];
            const Source& its = sources[size_t(stands->second)];
            const double likePixels = double(like.width) * double(like.height);
            // One that could not be made (a damaged file) says nothing of the rest.
            if (like.reason.isEmpty() && unlimited[at2] > 0 && likePixels > 0 && its.detail > 0)
                bytes = double(unlimited[at2] - metadata[at2]) * (picture.detail / its.detail) *
                        (pixels / likePixels);
        }
        result.bytes = metadata[at] + int64_t(bytes);
        result.bytes = Within(result.bytes, plan.Result(result.picture, result.recipe).form.limit);
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
