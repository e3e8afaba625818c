// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

// The maker's addresses that the Help menu opens.
namespace HelpAddress {
inline const QString HomePage = QStringLiteral("https://tessary.org/");
inline const QString UpgradePage = QStringLiteral("https://tessary.org/tsy/upgrade.asp");
inline const QString Mail = QStringLiteral("tessary@tessary.org");
} // namespace HelpAddress

// What a Help command (by its command id) opens; empty for another id.
QUrl HelpLink(int commandId, const QString& versionText);
// The subject of the "Mail to me" (false) or "Bug report" (true) mail.
QString HelpMailSubject(bool bugReport, const QString& versionText);
