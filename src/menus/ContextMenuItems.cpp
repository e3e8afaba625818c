// SPDX-License-Identifier: MIT
#include "menus/ContextMenuItems.h"

#include "platform/UiText.h"
#include "settings/AppSettings.h"
#include "settings/PresetStore.h"

QList<ContextMenuItem> ContextMenuItems(const AppSettings& settings) {
    // Made here, in the user's language, and not before main(); the ids
    // stay the same in every language.
    const ContextMenuItem resize{QStringLiteral("resize"), TrText("ContextMenu", "Resize"),
                                 HandOffCommand::ResizeDialog};
    const ContextMenuItem resizeAsDefault{QStringLiteral("resize-as-default"),
                                          TrText("ContextMenu", "Resize as default setting"),
                                          HandOffCommand::ResizeAsDefault};
    const ContextMenuItem resizeDefaultAndMail{
        QStringLiteral("resize-as-default-and-mail"),
        TrText("ContextMenu", "Resize as default setting and mail"),
        HandOffCommand::ResizeDefaultAndMail};
    // The resize dialog has its own "Resize and mail" button.
    const ContextMenuItem dialogThenMail{QStringLiteral("resize-dialog-then-mail"),
                                         TrText("ContextMenu", "Display resize dialog then mail"),
                                         HandOffCommand::ResizeDialog};
    QList<ContextMenuItem> items;
    if (!settings.extTessary)
        return items;
    if (settings.extResize)
        items << resize;
    if (settings.extResizeAsDefaultSetting)
        items << resizeAsDefault;
    if (settings.extResizeAndMail)
        items << (settings.extResizeDefaultAndMail ? resizeDefaultAndMail : dialogThenMail);
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
