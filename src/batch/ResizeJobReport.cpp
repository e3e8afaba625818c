// SPDX-License-Identifier: MIT
// What a batch tells once it has run: its counts, failures, mail copies
// and what its results lost or kept.
#include "batch/ResizeJob.h"

#include "codec/PrivateData.h"
#include "platform/FileName.h"
#include "platform/UiText.h"

#include <QFileInfo>

#include <algorithm>
#include <set>

QStringList ResizeJob::MailTempList() const {
    QStringList written;
    if (!request_.mail)
        return written;
    for (const PictureOutcome& outcome : outcomes_)
        if (outcome.status == PictureOutcome::Status::Written)
            written << outcome.output;
    return written;
}

QStringList ResizeJob::Failures() const {
    QStringList lines;
    for (const PictureOutcome& outcome : outcomes_) {
        if (outcome.status != PictureOutcome::Status::Failed)
            continue;
        QString line = request_.pictures[outcome.picture];
        if (OutputsPerPicture() > 1)
            line += QStringLiteral(" (output %1, %2)")
                        .arg(outcome.recipe + 1)
                        .arg(ShownFileName(QFileInfo(outcome.output).fileName()));
        lines << line + QStringLiteral(": ") + outcome.reason;
    }
    return lines;
}

QString ResizeJob::RemovedSummary() const {
    if (std::none_of(outcomes_.begin(), outcomes_.end(),
                     [](const PictureOutcome& o) { return o.metadata > 0; }))
        return {};
    QStringList parts;
    for (uint32_t bit = 0; bit < PrivateKind::Count; ++bit) {
        const uint32_t kind = 1u << bit;
        // Pictures, not results: a picture's further outputs lose the same.
        std::set<int> pictures;
        for (const PictureOutcome& o : outcomes_)
            if (o.status == PictureOutcome::Status::Written && (o.removed & kind))
                pictures.insert(o.picture);
        const size_t count = pictures.size();
        if (count == 0)
            continue;
        // "from 12 pictures" once, then the bare counts.
        const QString unit = !parts.isEmpty() ? QString()
                             : count == 1     ? QStringLiteral(" picture")
                                              : QStringLiteral(" pictures");
        parts << QStringLiteral("%1 from %2%3").arg(PrivateKindName(kind)).arg(count).arg(unit);
    }
    if (parts.isEmpty())
        return QStringLiteral("removed: nothing, no result held any of it");
    return QStringLiteral("removed: ") + parts.join(QStringLiteral(", "));
}

QStringList ResizeJob::LosslessSummary() const {
    QStringList lines;
    std::set<int> pictures;
    for (const PictureOutcome& o : outcomes_) {
        if (o.status != PictureOutcome::Status::Written)
            continue;
        if (o.lossless)
            pictures.insert(o.picture);
        if (!o.reencoded.isEmpty())
            lines << TrText("Batch", "%1: re-encoded, as %2")
                         .arg(request_.pictures[o.picture], o.reencoded);
    }
    if (pictures.empty() && lines.isEmpty())
        return {};
    lines.prepend(
        pictures.size() == 1
            ? TrText("Batch", "turned without re-encoding: 1 JPEG photo")
            : TrText("Batch", "turned without re-encoding: %1 JPEG photos").arg(pictures.size()));
    return lines;
}

int ResizeJob::Count(PictureOutcome::Status status) const {
    return int(std::count_if(outcomes_.begin(), outcomes_.end(),
                             [status](const PictureOutcome& o) { return o.status == status; }));
}
