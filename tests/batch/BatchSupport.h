// SPDX-License-Identifier: MIT
#pragma once

#include "TestSupport.h"

#include "batch/ResizeJob.h"

#include <QSet>

#include <memory>
#include <vector>

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

// What exiftool finds in each file, in one run: "Group:Tag", by the group
// family asked for ("-G0": EXIF, XMP, IPTC, PNG, ...; "-G1": IFD0, IFD1, GPS, ...).
inline std::vector<QSet<QString>> ExifEntries(const QStringList& paths, const QString& family) {
    const ToolRun run = Oracle(u"exiftool"_s, QStringList{u"-a"_s, family, u"-s"_s} + paths);
    std::vector<QSet<QString>> entries;
    for (const QString& line : run.out.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u"======== "_s) || (paths.size() == 1 && entries.empty()))
            entries.emplace_back();
        if (line.startsWith(u'['))
            entries.back() << line.section(u']', 0, 0).mid(1) + u':' +
                                  line.section(u']', 1).section(u':', 0, 0).trimmed();
    }
    EXPECT_EQ(entries.size(), size_t(paths.size())) << qPrintable(run.out);
    entries.resize(size_t(paths.size()));
    return entries;
}
