// SPDX-License-Identifier: MIT
#pragma once

#include "TestSupport.h"

#include "batch/ResizeJob.h"

#include <memory>

class YesToAll : public ConfirmationPrompt {
public:
    int Ask(const QString&, const QString&) override { return AnswerYesToAll; }
};

// A batch run to its end with every question answered "Yes to all"; the
// job stays for its outcomes.
inline std::unique_ptr<ResizeJob> RunBatch(const ResizeSettings& s, const QStringList& pictures) {
    static YesToAll yes;
    auto job = std::make_unique<ResizeJob>(s, pictures, yes);
    job->Run();
    return job;
}
