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
    int recipe = 0; // 0 the options' own output, 1.. the further outputs
    QString path;   // as the plan gives it
    int64_t width = 0; // as written: upright, framed and turned
    int64_t height = 0;
    int64_t bytes = 0; // encoded for a sampled picture, else estimated
    QString reason;    // why it cannot be made; its bytes are 0
};

struct SizeEstimate {
    std::vector<EstimatedResult> results;
    int64_t total = 0;
    int sampled = 0;       // pictures encoded for the estimate
    bool complete = false; // false when stopped before the end
};

// What the batch of plan would write, writing nothing: each result's path
// and size from the plan, and its bytes from a few pictures spread over
// the list, encoded at their real settings, as bytes a pixel of each
// output. stop, set from any thread, ends it between pictures.
SizeEstimate EstimateBatch(const BatchPlan& plan, const std::atomic<bool>& stop);
// The same for the plan of request, made first.
SizeEstimate EstimateBatch(const BatchRequest& request, const std::atomic<bool>& stop);

// "about 14 MB in all"; with a mail limit, whether a mail of them fits.
QString EstimateText(const SizeEstimate& estimate, uint32_t mailMaxKb);
// bytes as "840 KB" or "14.2 MB".
QString ShownBytes(int64_t bytes);
