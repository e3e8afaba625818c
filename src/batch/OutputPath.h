// SPDX-License-Identifier: MIT
#pragma once

#include "batch/NameTemplate.h"
#include "settings/ResizeSettings.h"

#include <QString>

struct OutputPlan {
    QString path;           // where the result is written
    QString folderToCreate; // made (one level) when missing; empty for none
};

// Where the result for source (an absolute path) goes, tested in order:
// into mailFolder for a resize-and-mail batch (a mail never writes a
// source); over the source itself when "override" is set; into a "resize"
// folder beside the source when "dest" is empty; else into "dest", which,
// when relative, is taken from the source's own folder (the process's
// current folder never matters).
// The name is "nametemplate" made with fields, then imagetype 0 keeps the
// source's extension as it is written and other types take the first
// extension of their row. The template's folders go below the destination
// (a mail copy has none: only its last part is taken).
OutputPlan PlanOutput(const QString& source, const ResizeSettings& settings, bool mailResults,
                      const QString& mailFolder, const NameFields& fields);
// The fields of a name that the source's path gives: name, ext and folder.
NameFields SourceNameFields(const QString& source);
