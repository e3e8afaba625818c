// SPDX-License-Identifier: MIT
#pragma once

#include "batch/BatchPlan.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <vector>

// One result a batch would write.
struct EstimatedResult {
    int picture = 0;
    int recipe = 0;    // 0 the options' own output, 1.. the further outputs
    QString path;      // as the plan gives it
    int64_t width = 0; // as written: upright, framed and turned
    int64_t height = 0;
    int64_t bytes = 0; // encoded for a sampled picture, else estimated
    QString reason;    // why it cannot be made; its bytes are 0
};

struct SizeEstimate {
    std::vector<EstimatedResult> results;
    int64_t total = 0;
    int sampled = 0;       // pictures encoded for the estimate, one of each kind
    bool complete = false; // false when stopped before the end
};

// What the batch of plan would write, writing nothing: each result's path
// and size from the plan, and its bytes. Pictures of one kind (type and
// size: one camera at one setting, most often) compress alike: one of each
// kind is encoded at its real settings, the kinds that weigh most first,
// for about encodeMs (and at least one); the others follow it by their
// detail (their own compressed bytes a pixel), and kinds not encoded the
// bytes a pixel of all that were. stop, set from any thread, ends it
// between pictures.
constexpr int kEstimateEncodeMs = 800;
SizeEstimate EstimateBatch(const BatchPlan& plan, const std::atomic<bool>& stop,
                           int encodeMs = kEstimateEncodeMs);
// The same for the plan of request, made first.
SizeEstimate EstimateBatch(const BatchRequest& request, const std::atomic<bool>& stop);

// "about 14 MB in all"; with a mail limit, whether a mail of them fits.
QString EstimateText(const SizeEstimate& estimate, uint32_t mailMaxKb);
// bytes as "840 KB" or "14.2 MB".
QString ShownBytes(int64_t bytes);
