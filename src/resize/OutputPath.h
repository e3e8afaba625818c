// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ResizeSettings.h"

#include <QString>

struct OutputPlan {
    QString path;           // where the result is written
    QString folderToCreate; // made (one level) when missing; empty for none
};

// Where the result for source (an absolute path) goes, tested in order:
// over the source itself when "override" is set; into mailFolder for a
// resize-and-mail batch; into a "resize" folder beside the source when
// "dest" is empty; else into "dest", which, when relative, is taken from
// the source's own folder (the process's current folder never matters).
// imagetype 0 keeps the source's extension as it is written; other types
// take the first extension of their row.
OutputPlan PlanOutput(const QString& source, const ResizeSettings& settings, bool mailResults,
                      const QString& mailFolder);
