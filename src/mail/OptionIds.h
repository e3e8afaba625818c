// SPDX-License-Identifier: MIT
#pragma once

#include "platform/UiText.h"

#include <QString>

// The options sheet's pages: templates, control ids and texts.
namespace OptionId {
constexpr int MailTemplate = 107;
constexpr int MenuTemplate = 155;
constexpr int Subject = 1041;
constexpr int Body = 1042;
constexpr int MainItem = 1035;
constexpr int Resize = 1036;
constexpr int ResizeAsDefault = 1037;
constexpr int ResizeAndMail = 1038;
constexpr int DefaultAndMail = 1039;
constexpr int DialogThenMail = 1040;
constexpr int Presets = 1043;
} // namespace OptionId

namespace OptionText {
inline constexpr UiText SheetCaption = TrText("Options", "Option...");
inline constexpr UiText MailCaption = TrText("Options", "Mail");
inline constexpr UiText MenuCaption = TrText("Options", "Menu Context");
inline constexpr UiText Subject = TrText("Options", "Subject");
inline constexpr UiText TextTooLong =
    TrText("Options", "The %1 can have at most %2 bytes: the rest was not taken.");
inline constexpr UiText SubjectName = TrText("Options", "subject");
inline constexpr UiText BodyName = TrText("Options", "text");
inline constexpr UiText SubjectHint = TrText("Options", "(%F = Attach file name)");
inline constexpr UiText Body = TrText("Options", "Body");
inline constexpr UiText MenuIntro =
    TrText("Options", "Select the menu items that viewed in menu context ");
inline const QString MainItem = QStringLiteral("Tessary");
inline constexpr UiText Resize = TrText("Options", "Resize");
inline constexpr UiText ResizeAsDefault = TrText("Options", "Resize as default setting");
inline constexpr UiText ResizeAndMail = TrText("Options", "Resize and mail");
inline constexpr UiText DefaultAndMail = TrText("Options", "Resize as default setting and mail");
inline constexpr UiText DialogThenMail = TrText("Options", "Display resize dialog then mail");
inline constexpr UiText Presets = TrText("Options", "Resize with preset, an item for each preset");
inline constexpr UiText OptionsNotKept = TrText("Options", "The options cannot be kept.\n\n%1");
} // namespace OptionText
