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

    // Why name cannot name a preset: empty, too long, or with a control
    // character; empty when it can.
    static QString NameError(const QString& name);
    // The presets that come with the program.
    static std::vector<std::pair<QString, ResizeSettings>> BuiltIn();

private:
    bool Write();

    std::vector<std::pair<QString, ResizeSettings>> presets_;
    bool usable_ = true;
};
