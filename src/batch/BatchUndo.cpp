// SPDX-License-Identifier: MIT
#include "batch/BatchUndo.h"

#include "platform/FileName.h"
#include "platform/SafeWrite.h"
#include "platform/UiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <unistd.h>

namespace {
using Kind = UndoStep::Kind;

// A folder the batch made that holds nothing now, or only what a killed
// writer left half-written.
bool Unused(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    return std::all_of(entries.begin(), entries.end(), [](const QString& name) {
        return name.startsWith(QStringLiteral(".tessary-")) &&
               name.endsWith(QStringLiteral(".tmp"));
    });
}
} // namespace

QString UndoStep::LeftText() const {
    const QString shown = ShownFileName(path);
    switch (kind) {
    case Kind::Changed:
        return inTrash
                   ? TrText("Undo", "%1: it was changed after the batch wrote it, so it is "
                                    "left, and the file it replaced stays in the Trash")
                         .arg(shown)
                   : TrText("Undo", "%1: it was changed after the batch wrote it, so it is left")
                         .arg(shown);
    case Kind::NotInTrash:
        return resultThere ? TrText("Undo", "%1: the file it replaced is no longer in the Trash, "
                                            "so the result is left")
                                 .arg(shown)
                           : TrText("Undo", "%1: the file the batch replaced is no longer in "
                                            "the Trash")
                                 .arg(shown);
    case Kind::NoTrash:
        return TrText("Undo", "%1: the file it replaced did not go to the Trash (the Trash option "
                              "was off), so it cannot come back")
            .arg(shown);
    default:
        return {};
    }
}

int UndoPlan::Count(UndoStep::Kind kind) const {
    return int(std::count_if(steps.begin(), steps.end(),
                             [kind](const UndoStep& step) { return step.kind == kind; }));
}

bool UndoPlan::Doable() const {
    return std::any_of(steps.begin(), steps.end(), [](const UndoStep& s) { return s.Doable(); }) ||
           halfWritten > 0 || std::any_of(folders.begin(), folders.end(), Unused);
}

QStringList UndoPlan::Left() const {
    QStringList lines;
    for (const UndoStep& step : steps)
        if (!step.Doable())
            lines << step.LeftText();
    return lines;
}

QString UndoPlan::NothingText() const {
    if (journal.isEmpty())
        return TrText("Undo", "There is no batch to undo.");
    if (running)
        return TrText("Undo", "The last batch is still running; it can be undone once it has "
                              "ended.");
    if (Doable())
        return {};
    if (steps.empty())
        return TrText("Undo", "The last batch left nothing to undo.");
    return TrText("Undo", "Nothing of the last batch can be undone:");
}

QString UndoPlan::Summary() const {
    const int restored = Count(Kind::Restore);
    const int removed = Count(Kind::Remove);
    QStringList parts;
    if (restored > 0)
        parts << (restored == 1
                      ? TrText("Undo", "1 file comes back from the Trash")
                      : TrText("Undo", "%1 files come back from the Trash").arg(restored));
    if (removed > 0)
        parts << (removed == 1 ? TrText("Undo", "1 result is removed")
                               : TrText("Undo", "%1 results are removed").arg(removed));
    if (halfWritten > 0)
        parts << (halfWritten == 1
                      ? TrText("Undo", "1 half-written file is removed")
                      : TrText("Undo", "%1 half-written files are removed").arg(halfWritten));
    if (parts.isEmpty())
        parts << TrText("Undo", "the folders it made are removed");
    return parts.join(QStringLiteral(", "));
}

UndoPlan PlanUndo(const QString& journal) {
    UndoPlan plan;
    plan.journal = journal;
    if (journal.isEmpty())
        return plan;
    if (BatchJournal::Running(journal)) {
        plan.running = true;
        return plan;
    }
    // Each file put in place, the last first; one whose step did not
    // happen after all is left out.
    std::vector<BatchJournal::Entry> puts;
    QSet<QString> written;
    for (const BatchJournal::Entry& entry : BatchJournal::Read(journal)) {
        using EntryKind = BatchJournal::Entry::Kind;
        if (entry.kind == EntryKind::Folder) {
            plan.folders.prepend(entry.path);
        } else if (entry.kind == EntryKind::Put) {
            puts.push_back(entry);
            written.insert(QFileInfo(entry.path).path());
        } else {
            std::erase_if(puts,
                          [&](const BatchJournal::Entry& put) { return put.path == entry.path; });
        }
    }
    plan.written = written.values();
    TrashIndex trash;
    for (auto put = puts.rbegin(); put != puts.rend(); ++put) {
        const std::optional<FileIdentity> now = IdentityOf(put->path);
        UndoStep step;
        step.path = put->path;
        step.written = put->written;
        step.resultThere = now && *now == put->written;
        const bool changed = now && !step.resultThere;
        if (put->replaced && now && *now == *put->replaced)
            continue; // the file it was to replace is there still
        if (changed) {
            step.kind = Kind::Changed;
            step.inTrash = put->replaced && put->toTrash;
        } else if (!put->replaced) {
            if (!now)
                continue; // killed before the result took its name
            step.kind = Kind::Remove;
        } else if (!put->toTrash) {
            step.kind = Kind::NoTrash;
        } else {
            step.trashed = trash.Find(put->path, *put->replaced);
            step.kind = step.trashed.isEmpty() ? Kind::NotInTrash : Kind::Restore;
        }
        plan.steps.push_back(step);
    }
    QSet<QString> touched(plan.written.begin(), plan.written.end());
    touched.unite({plan.folders.begin(), plan.folders.end()});
    for (const QString& folder : std::as_const(touched))
        plan.halfWritten += CountStaleTemporaries(folder);
    if (!plan.Doable() && plan.steps.empty())
        QFile::remove(journal);
    return plan;
}

UndoOutcome RunUndo(const UndoPlan& plan) {
    UndoOutcome outcome;
    if (plan.running || plan.journal.isEmpty())
        return outcome;
    for (const UndoStep& step : plan.steps) {
        if (!step.Doable()) {
            outcome.left << step.LeftText();
            continue;
        }
        // Once more, just before: a result edited meanwhile stays.
        const std::optional<FileIdentity> now = IdentityOf(step.path);
        if (now && *now != step.written) {
            UndoStep changed = step;
            changed.kind = Kind::Changed;
            outcome.left << changed.LeftText();
            continue;
        }
        QString why;
        if (step.kind == Kind::Restore)
            why = TrashIndex::Restore(step.trashed, step.path);
        else if (now && ::unlink(EncodeFileName(step.path).constData()) != 0)
            why = SystemReason(errno);
        if (!why.isEmpty())
            outcome.failed << ShownFileName(step.path) + QStringLiteral(": ") + why;
        else
            ++(step.kind == Kind::Restore ? outcome.restored : outcome.removed);
    }
    // What a killed batch left half-written, then the folders it made,
    // where they are empty now.
    for (const QString& folder : plan.written + plan.folders)
        RemoveStaleTemporaries(folder);
    for (const QString& folder : plan.folders)
        ::rmdir(EncodeFileName(folder).constData());
    if (outcome.failed.isEmpty())
        QFile::remove(plan.journal);
    return outcome;
}
