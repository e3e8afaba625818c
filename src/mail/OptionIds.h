// SPDX-License-Identifier: MIT
#pragma once

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
inline const QString SheetCaption = QStringLiteral("Option...");
inline const QString MailCaption = QStringLiteral("Mail");
inline const QString MenuCaption = QStringLiteral("Menu Context");
inline const QString Subject = QStringLiteral("Subject");
inline const QString TextTooLong =
    QStringLiteral("The %1 can have at most %2 bytes: the rest was not taken.");
inline const QString SubjectName = QStringLiteral("subject");
inline const QString BodyName = QStringLiteral("text");
inline const QString SubjectHint = QStringLiteral("(%F = Attach file name)");
inline const QString Body = QStringLiteral("Body");
inline const QString MenuIntro =
    QStringLiteral("Select the menu items that viewed in menu context ");
inline const QString MainItem = QStringLiteral("Tessary");
inline const QString Resize = QStringLiteral("Resize");
inline const QString ResizeAsDefault = QStringLiteral("Resize as default setting");
inline const QString ResizeAndMail = QStringLiteral("Resize and mail");
inline const QString DefaultAndMail = QStringLiteral("Resize as default setting and mail");
inline const QString DialogThenMail = QStringLiteral("Display resize dialog then mail");
inline const QString Presets = QStringLiteral("Resize with preset, an item for each preset");
inline const QString OptionsNotKept = QStringLiteral("The options cannot be kept.\n\n%1");
} // namespace OptionText
