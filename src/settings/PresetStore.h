// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ResizeSettings.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// Named sets of all the resize options (further outputs included), kept
// beside the settings in ~/.config/Vorn/tsy-presets.conf. The first use
// stores the presets that come with the program; any of them can be
// deleted for good. Names are compared as written. Something that is not
// a regular file in the file's place is never opened: the store is empty
// and keeps nothing.
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
    bool Remove(const QString& name);

    // Why name cannot name a new preset: as StoredNameError, or beginning
    // with a dot, or with a space at either end; empty when it can.
    static QString NameError(const QString& name);
    // Why name cannot name any preset, one stored before the rules for new
    // names grew too: empty, too long, or with a control character.
    static QString StoredNameError(const QString& name);
    // The presets that come with the program.
    static std::vector<std::pair<QString, ResizeSettings>> BuiltIn();

private:
    bool Write();

    std::vector<std::pair<QString, ResizeSettings>> presets_;
    bool usable_ = true;
};
