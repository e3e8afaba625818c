// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the program is called, where every part of it, and every file it
// writes for others, names it.

namespace AppId {
// One reverse-DNS id for the desktop entry, the AppStream file and the icon.
inline const QString Id = QStringLiteral("org.vorn.Tessary");
inline const QString IconName = Id;
} // namespace AppId

namespace AppText {
inline const QString VersionText = QStringLiteral(TESSARY_VERSION); // string 61449
inline const QString MainTitle = QStringLiteral("Tessary");         // string 57344
} // namespace AppText
