// SPDX-License-Identifier: MIT
#pragma once

#include "platform/SafeWrite.h"

#include <QString>

#include <mutex>
#include <optional>
#include <vector>

// What a batch did to the user's files, recorded as it does it, so that
// the batch can be undone (BatchUndo): each folder it makes, and each
// file it puts in place, with what that file replaced and where that
// went. Each step is written out whole, before it is taken, so a batch
// killed half way leaves a journal that tells everything it did.
// One journal a batch, in the folder beside the settings; a new batch's
// journal replaces the older ones of batches that have ended. A batch's
// journal is locked while it runs. Any thread may record.
class BatchJournal {
public:
    // ~/.config/Vorn/tsy/journal, beside the settings.
    static QString Folder();

    explicit BatchJournal(QString folder = Folder());
    ~BatchJournal();
    BatchJournal(const BatchJournal&) = delete;
    BatchJournal& operator=(const BatchJournal&) = delete;

    // Before the folder at path is made.
    void MadeFolder(const QString& path);
    // Before the step puts a new file in place; keepReplaced false when
    // what it replaces is nobody's to want back (an older mail copy).
    void Put(const WriteStep& step, bool keepReplaced);
    // After a step that was recorded did not happen after all.
    void Undone(const QString& target);

    // The newest journal in folder, of the last batch; empty when none.
    static QString Last(const QString& folder = Folder());
    // Whether the batch of the journal at path is still running.
    static bool Running(const QString& path);

    struct Entry {
        enum class Kind { Folder, Put, Undone } kind = Kind::Folder;
        QString path;
        FileIdentity written;
        std::optional<FileIdentity> replaced;
        bool toTrash = false;
    };
    // A journal's entries in order; a line cut short by a kill is left out.
    static std::vector<Entry> Read(const QString& path);

private:
    void Write(const QByteArray& line);

    QString folder_;
    std::mutex mutex_;
    int fd_ = -1; // opened at the first entry
};
