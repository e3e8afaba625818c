// SPDX-License-Identifier: MIT
#include "menus/ContextMenuItems.h"

#include "settings/AppSettings.h"
#include "settings/PresetStore.h"

namespace {

const ContextMenuItem kResize{QStringLiteral("resize"), QStringLiteral("Resize"),
                              HandOffCommand::ResizeDialog};
const ContextMenuItem kResizeAsDefault{QStringLiteral("resize-as-default"),
                                       QStringLiteral("Resize as default setting"),
                                       HandOffCommand::ResizeAsDefault};
const ContextMenuItem kResizeDefaultAndMail{QStringLiteral("resize-as-default-and-mail"),
                                            QStringLiteral("Resize as default setting and mail"),
                                            HandOffCommand::ResizeDefaultAndMail};
// The resize dialog has its own "Resize and mail" button.
const ContextMenuItem kDialogThenMail{QStringLiteral("resize-dialog-then-mail"),
                                      QStringLiteral("Display resize dialog then mail"),
                                      HandOffCommand::ResizeDialog};

} // namespace

QList<ContextMenuItem> ContextMenuItems(const AppSettings& settings) {
    QList<ContextMenuItem> items;
    if (!settings.extTessary)
        return items;
    if (settings.extResize)
        items << kResize;
    if (settings.extResizeAsDefaultSetting)
        items << kResizeAsDefault;
    if (settings.extResizeAndMail)
        items << (settings.extResizeDefaultAndMail ? kResizeDefaultAndMail : kDialogThenMail);
    if (settings.extPresets) {
        const QStringList presets = PresetStore().Names();
        for (int i = 0; i < presets.size(); ++i)
            items << ContextMenuItem{QStringLiteral("preset-%1").arg(i + 1),
                                     kPresetMenuTitle + QStringLiteral(" \u25b8 ") + presets[i],
                                     HandOffCommand::ResizeWithPreset, presets[i]};
    }
    // "02-resize-as-default" sorts before "10-preset-7" wherever names are sorted.
    const int width = std::max(2, int(QString::number(items.size()).size()));
    for (int i = 0; i < items.size(); ++i)
        items[i].id =
            QStringLiteral("%1-%2").arg(i + 1, width, 10, QLatin1Char('0')).arg(items[i].id);
    return items;
}
