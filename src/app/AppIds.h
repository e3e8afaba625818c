// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The application's names, ids and texts, by the numbers its resources had.

namespace AppId {
// One reverse-DNS id for the desktop entry, the AppStream file and the icon.
inline const QString Id = QStringLiteral("org.vorn.Tessary");
inline const QString IconName = Id;
} // namespace AppId

namespace AppText {
inline const QString VersionText = QStringLiteral(TESSARY_VERSION); // string 61449
inline const QString MainTitle = QStringLiteral("Tessary");         // string 57344
} // namespace AppText

// The single-document template and the About dialog.
namespace AppResourceId {
constexpr int MainTemplate = 128;
constexpr int AboutTemplate = 100;
} // namespace AppResourceId

namespace AboutId {
constexpr int ProductName = 1026;
constexpr int Version = 1061;
constexpr int Ok = 1;
} // namespace AboutId
