// SPDX-License-Identifier: MIT
#include "BatchSupport.h"

#include "batch/BatchUndo.h"

#include <functional>

namespace {

// What cannot be undone is said, before anything is done, and what can
// still is: an original that did not go to the Trash, or has left it; a
// result changed since the batch, which stays while the rest goes; a batch
// still running, which is not touched.
TEST(BatchUndoTest, WhatCannotBeUndoneIsSaidFirstAndWhatCanIsStillDone) {
    struct Case {
        const char* name;
        bool override;
        uint32_t trash;
        std::function<void(const QStringList& results)> after;
        const char* nothing; // how NothingText starts; empty: something can be undone
        const char* left;    // what the left line of the first picture says
        bool firstBack;      // the first picture is as it was after the undo
    };
    const QString trash = qEnvironmentVariable("XDG_DATA_HOME") + u"/Trash"_s;
    const std::vector<Case> cases = {
        {"trash off", true, 0, nullptr, "Nothing of the last batch can be undone", "did not go to",
         false},
        {"trash emptied", true, 1, [&](const QStringList&) { QDir(trash).removeRecursively(); },
         "Nothing of the last batch can be undone", "no longer in the Trash", false},
        {"result edited", false, 1,
         [](const QStringList& results) {
             QFile file(results[0]);
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write("edited");
         },
         "", "was changed after the batch", true},
        {"still running", false, 1, nullptr, "The last batch is still running", "", true},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QStringList pictures = DrawPictures(dir.path(), 2, u"p%1.jpg"_s);
        const QByteArray before = FileHash(pictures[0]);
        ResizeSettings s;
        s.override = c.override;
        s.trash = c.trash;
        const auto job = RunBatch(s, pictures);
        ASSERT_EQ(job->Count(PictureOutcome::Status::Written), 2) << c.name;
        QStringList results;
        for (const PictureOutcome& o : job->Outcomes())
            results << o.output;
        if (c.after)
            c.after(results);
        // A batch that runs holds its journal.
        BatchJournal running;
        if (QLatin1String(c.name) == "still running"_L1)
            running.MadeFolder(dir.filePath(u"new"_s));
        const UndoPlan plan = PlanUndo();
        EXPECT_TRUE(*c.nothing ? plan.NothingText().startsWith(QLatin1String(c.nothing))
                               : plan.NothingText().isEmpty())
            << c.name << ": " << qPrintable(plan.NothingText());
        EXPECT_TRUE(*c.left ? plan.Left().value(0).contains(QLatin1String(c.left))
                            : plan.Left().isEmpty())
            << c.name << ": " << qPrintable(plan.Left().join(u'\n'));
        const UndoOutcome outcome = RunUndo(plan);
        EXPECT_EQ(outcome.failed, QStringList()) << c.name;
        EXPECT_EQ(FileHash(pictures[0]) == before, c.firstBack) << c.name;
        // The other result went, where the undo could run at all.
        if (!*c.nothing) {
            EXPECT_EQ(std::pair(outcome.removed, QFileInfo::exists(results[1])),
                      std::pair(1, false))
                << c.name;
        }
    }
}

} // namespace
