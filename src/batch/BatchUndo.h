// SPDX-License-Identifier: MIT
#pragma once

#include "batch/BatchJournal.h"

#include <QString>
#include <QStringList>

#include <vector>

// One thing undoing a batch does, or cannot do, to one file.
struct UndoStep {
    enum class Kind {
        Restore,    // the file the batch replaced comes back from the Trash, over the result
        Remove,     // a result the batch wrote goes
        Changed,    // a result changed since the batch: left as it is
        NotInTrash, // the file it replaced is no longer in the Trash: the result is left
        NoTrash,    // the file it replaced did not go to the Trash: the result is left
    };
    Kind kind = Kind::Remove;
    QString path;
    QString trashed;      // Restore: where the replaced file is now
    FileIdentity written; // the result as the batch left it
    bool resultThere = false;
    bool inTrash = false; // Changed: the file it replaced is in the Trash
    bool Doable() const { return kind == Kind::Restore || kind == Kind::Remove; }
    // "PATH: why it is left", for a step that is not doable.
    QString LeftText() const;
};

// Undoing the last batch from its journal (BatchJournal), planned first
// and writing nothing, so that the user is told what will happen, and
// when nothing can be undone, before anything is done. Each file the
// batch replaced comes back from the Trash: the very file, so byte for
// byte. Each result it wrote goes, but only while it is as the batch left
// it (the same file, size and time); one changed since is left and named.
struct UndoPlan {
    QString journal;      // empty: no batch to undo
    bool running = false; // the batch has not ended yet
    std::vector<UndoStep> steps;
    QStringList folders; // the folders the batch made, deepest first
    QStringList written; // the folders results went to, for what a kill left there
    int halfWritten = 0; // files a killed batch left half-written there

    int Count(UndoStep::Kind kind) const;
    bool Doable() const;
    // Why nothing can be undone; empty when something can.
    QString NothingText() const;
    // "12 files come back from the Trash, 24 results are removed".
    QString Summary() const;
    QStringList Left() const;
};

// A journal of a batch that ended having left nothing is dropped.
UndoPlan PlanUndo(const QString& journal = BatchJournal::Last());

struct UndoOutcome {
    int restored = 0;
    int removed = 0;
    QStringList left;   // as planned: changed since, or their originals gone
    QStringList failed; // "PATH: reason" for each step that failed
};

// Carries the plan out: results checked once more just before they go;
// the journal goes when every step was taken, so that a failed undo can
// be tried again.
UndoOutcome RunUndo(const UndoPlan& plan);
