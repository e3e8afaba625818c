// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ResizeSettings.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

// Named sets of all the resize options (further outputs included), kept
// beside the settings in ~/.config/Vorn/tsy-presets.conf. The first use
// stores the presets that come with the program; any of them can be
// deleted for good, and one lost any other way (a damaged file) comes
// back. Names are compared as written. Writers take turns by a lock and
// each changes the file as it finds it, so programs saving at once keep
// every preset; a link at the file's place stays a link. Something that is
// not a regular file there is never opened: the presets that come with the
// program are offered, and nothing can be saved.
class PresetStore {
public:
    PresetStore();

    static QString FilePath();
    QStringList Names() const;
    // False when there is no preset of that name.
    bool Load(const QString& name, ResizeSettings& settings) const;
    // Stores settings under name, replacing a preset of that name; false
    // with the reason when the name cannot be one or the file cannot be
    // written.
    bool Save(const QString& name, const ResizeSettings& settings, QString& error);
    // False, with the reason, when there is no preset of that name or the
    // file cannot be written.
    bool Remove(const QString& name, QString& error);
    // What is wrong with the stored presets, for the user; empty when
    // nothing is.
    QString Problem() const { return problem_; }

    // Why name cannot name a new preset: as StoredNameError, or not UTF-8
    // (a command line's bytes), or beginning with a dot, or with a space at
    // either end; empty when it can.
    static QString NameError(const QString& name);
    // Why name cannot name any preset, one stored before the rules for new
    // names grew too: empty, too long, or with a control character.
    static QString StoredNameError(const QString& name);
    // The presets that come with the program.
    static std::vector<std::pair<QString, ResizeSettings>> BuiltIn();

private:
    void Read();
    // Under the lock: reads the file again, changes what it holds and
    // writes it whole. The reason when it cannot.
    QString Change(const std::function<void()>& change);
    QString Write();

    std::vector<std::pair<QString, ResizeSettings>> presets_;
    QStringList removed_; // presets of the program's the user deleted
    QString problem_;
    bool usable_ = true;
};
