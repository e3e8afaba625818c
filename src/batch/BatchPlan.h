// SPDX-License-Identifier: MIT
#pragma once

#include "batch/EncodeResult.h"
#include "batch/NameTemplate.h"
#include "platform/DesktopMetrics.h"
#include "settings/ResizeSettings.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

// What a batch is asked to do: the options, the pictures in order and
// where their results go.
struct BatchRequest {
    ResizeSettings settings;
    QStringList pictures;
    // Each picture's folder below the folder it was found under (see
    // PicturesInTree), repeated under an absolute "dest"; empty: none.
    QStringList subfolders;
    DesktopSize desktop;
    // A resize-and-mail batch: copies into mailFolder (empty when none
    // could be made), made with "mailmetadata", never over a source.
    bool mail = false;
    QString mailFolder;
};

// One result of one picture, as the plan decides it before anything is
// written.
struct PlannedResult {
    // What the name holds before the batch, and what the result does.
    enum class Name {
        Free,    // nothing: the result takes the name, if still free then
        Replace, // a file the options replace (or a source written over)
        Ask,     // a file the user is asked about
        Skip,    // a file the options keep: the result is not made
    };
    int picture = 0; // its place in the list
    int recipe = 0;  // 0 the options' own output, 1.. the further outputs
    QString path;    // the template expanded and made safe, numbered to keep both
    // The folder the result stays inside; empty for a source written over.
    QString destination;
    ResultForm form;   // type, size, framing, byte limit and metadata
    NameFields fields; // what the name template was given
    Name name = Name::Free;
    bool overSource = false; // written over its own source ("override")
    QString reason;          // why it cannot be made: nothing is written for it
};

// A batch's every result, known and checked before the first write: no
// result is, or leads to (same file, through links), a source the user did
// not choose to overwrite; no two results share a path; each path stays
// inside its destination. A result that breaks one of these fails with the
// reason, or, where "onexists" keeps both, is numbered.
struct BatchPlan {
    BatchRequest request;
    QStringList sources;                 // absolute, in list order
    std::vector<ResizeSettings> outputs; // each picture's outputs, in recipe order
    std::vector<PlannedResult> results;  // picture by picture, outputs in order
    bool complete = false;               // false when stopped before the end

    const PlannedResult& Result(int picture, int recipe) const {
        return results[size_t(picture) * outputs.size() + size_t(recipe)];
    }
    // The path of result had its fields been these: the name of a result
    // that came out smaller than planned (to fit "maxkb") where the name
    // tells its size. The reason when that path breaks the plan's rules.
    QString PathFor(const PlannedResult& result, const NameFields& fields, QString& path) const;
    // Whether path is, or leads to, one of the sources.
    bool IsSource(const QString& path) const;

    std::set<std::pair<uint64_t, uint64_t>> sourceFiles; // device and inode of each
};

// Makes the plan: reads each picture's header (never its pixels) and looks
// at what the destinations hold; writes nothing. stop, set from any
// thread, ends it between pictures.
BatchPlan PlanBatch(const BatchRequest& request, const std::atomic<bool>* stop = nullptr);

// The file of path, or of the nearest folder above it that exists with the
// rest of path below it, with every link resolved: two paths that would
// write one file have one identity.
QString PathIdentity(const QString& path);

// "name (N).ext" for copy N of path.
QString NumberedName(const QString& path, int copy);
