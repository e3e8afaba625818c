// SPDX-License-Identifier: MIT
#include "batch/Recipe.h"

#include "batch/EncodeResult.h"
#include "batch/NameTemplate.h"
#include "batch/TargetSize.h"
#include "codec/ImageFormat.h"
#include "codec/PictureTypeTable.h"
#include "platform/UiText.h"
#include "settings/SettingsNames.h"

ResizeSettings FurtherOutput(const ResizeSettings& settings, const QString& text, QString& error) {
    ResizeSettings output = settings;
    output.override = false;
    output.also.clear();
    OptionChanges changes;
    if (!ParseOptionChanges(text, changes, error))
        return output;
    for (const auto& [name, value] : changes) {
        if (name == SettingsName::Override || name == SettingsName::Also) {
            error = TrText("Batch", "%1 cannot be changed for a further output").arg(name);
            return output;
        }
        if (!SetResizeSetting(output, name, value, error))
            return output;
    }
    error = OutOfRangeText(output);
    if (!error.isEmpty())
        return output;
    error = NameTemplateError(output.nametemplate);
    if (error.isEmpty())
        error = PadColourError(output.padcolour);
    return output;
}

std::vector<ResizeSettings> RecipeOutputs(const ResizeSettings& settings, QString& error) {
    error = NameTemplateError(settings.nametemplate);
    if (error.isEmpty())
        error = PadColourError(settings.padcolour);
    if (!error.isEmpty())
        return {};
    std::vector<ResizeSettings> outputs{settings};
    outputs.front().also.clear();
    const QStringList further = SplitFurtherOutputs(settings.also);
    for (int i = 0; i < further.size(); ++i) {
        outputs.push_back(FurtherOutput(settings, further[i], error));
        if (!error.isEmpty()) {
            error = TrText("Batch", "further output %1 (%2): %3").arg(i + 1).arg(further[i], error);
            return {};
        }
    }
    return outputs;
}

QString DescribeOutput(const ResizeSettings& output, int pictureWidth, int pictureHeight) {
    QStringList parts;
    const uint32_t type = output.imagetype;
    parts << (type == PictureTypeTable::SameAsSource ? TrText("Batch", "the source's type")
                                                     : PictureTypeTable::Name(type));
    if (type == PictureTypeTable::SameAsSource ||
        ImageFormat::IsLossy(PictureTypeTable::CodecFormat(type)))
        parts << QStringLiteral("quality %1").arg(output.qualilty);
    if (!output.image_to_resize) {
        parts << TrText("Batch", "full size");
    } else if (output.desktop) {
        parts << TrText("Batch", "fitted to the desktop");
    } else {
        const auto side = [](uint32_t value, uint32_t percent) {
            return percent ? QStringLiteral("%1 %").arg(value) : QString::number(value);
        };
        QString size = side(output.width, output.wpercent) + QStringLiteral(" x ") +
                       side(output.height, output.hpercent);
        if (!output.wpercent && !output.hpercent)
            size += QStringLiteral(" pixels");
        if (pictureWidth > 0 && pictureHeight > 0)
            size += QStringLiteral(" (%1 x %2 here)")
                        .arg(TargetWidth(output, pictureWidth, pictureHeight, {}))
                        .arg(TargetHeight(output, pictureWidth, pictureHeight, {}));
        parts << size;
    }
    parts << QStringLiteral("named %1").arg(output.nametemplate);
    if (!output.dest.isEmpty())
        parts << QStringLiteral("in %1").arg(output.dest);
    return parts.join(QStringLiteral(", "));
}
