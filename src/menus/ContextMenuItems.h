// SPDX-License-Identifier: MIT
#pragma once

#include "platform/UiText.h"

#include <QList>
#include <QString>

#include <cstdint>

class AppSettings;

// The commands an item hands to the program it starts.
namespace HandOffCommand {
constexpr uint32_t ResizeDialog = 0;         // scan, then the resize dialog
constexpr uint32_t ResizeAsDefault = 1;      // a batch with the stored options
constexpr uint32_t ResizeDefaultAndMail = 2; // the same, then mail the results
// A batch with a preset's options; the first record names the preset.
constexpr uint32_t ResizeWithPreset = 3;
} // namespace HandOffCommand

// One item of the file-manager menu and the hand-off command it sends.
struct ContextMenuItem {
    // For file names and action ids; begins with the item's place in the
    // menu, padded, so that file managers that sort by it keep menu order.
    QString id;
    QString name; // what the menu shows
    uint32_t command;
    QString preset = {}; // the preset of ResizeWithPreset
};

// The submenu, or the prefix where a file manager has none, of the preset items.
inline constexpr UiText kPresetMenuTitle = TrText("ContextMenu", "Resize with preset");

// The menu's title: the main item, under which the others stand.
inline const QString kContextMenuTitle = QStringLiteral("Tessary");

// What an item still in a menu says when Tessary has been removed. It
// stands in a shell's double quotes as a printf format: no %, ", $, ` or \.
inline constexpr UiText kProgramGoneText =
    TrText("ContextMenu", "Tessary has been removed from this computer,\n"
                          "so its menu items cannot run any more.\n\n"
                          "To take them out of the menus, install Tessary again\n"
                          "and run: tessary-menu --uninstall");

// The items that the menu flags select, in menu order, one for each
// preset last; none when the main item is off (its sub-items keep their
// own flags for when it is on).
QList<ContextMenuItem> ContextMenuItems(const AppSettings& settings);
