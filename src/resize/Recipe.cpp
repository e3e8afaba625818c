// SPDX-License-Identifier: MIT
#include "resize/Recipe.h"

#include "resize/NameTemplate.h"
#include "settings/SettingsNames.h"

ResizeSettings FurtherOutput(const ResizeSettings& settings, const QString& text, QString& error) {
    ResizeSettings output = settings;
    output.override = 0;
    output.also.clear();
    OptionChanges changes;
    if (!ParseOptionChanges(text, changes, error))
        return output;
    for (const auto& [name, value] : changes) {
        if (name == SettingsName::Override || name == SettingsName::Also) {
            error = QStringLiteral("%1 cannot be changed for a further output").arg(name);
            return output;
        }
        if (!SetResizeSetting(output, name, value, error))
            return output;
    }
    error = OutOfRangeText(output);
    if (!error.isEmpty())
        return output;
    error = NameTemplateError(output.nametemplate);
    return output;
}

std::vector<ResizeSettings> RecipeOutputs(const ResizeSettings& settings, QString& error) {
    error = NameTemplateError(settings.nametemplate);
    if (!error.isEmpty())
        return {};
    std::vector<ResizeSettings> outputs{settings};
    outputs.front().also.clear();
    const QStringList further = SplitFurtherOutputs(settings.also);
    for (int i = 0; i < further.size(); ++i) {
        outputs.push_back(FurtherOutput(settings, further[i], error));
        if (!error.isEmpty()) {
            error = QStringLiteral("further output %1 (%2): %3").arg(i + 1).arg(further[i], error);
            return {};
        }
    }
    return outputs;
}
