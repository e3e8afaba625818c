// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The browsing windows' messages, ids and texts.
namespace BrowseMessage {
constexpr int AddressEnter = 0x463; // WM_USER + 99: Enter in the address edit
constexpr int NavigatePidl = 0x464; // WM_USER + 100: show this folder in the list
} // namespace BrowseMessage

namespace BrowseId {
constexpr int AddressBar = 230;
} // namespace BrowseId

namespace BrowseText {
inline const QString ColumnName = QStringLiteral("File Name");
inline const QString ColumnSize = QStringLiteral("Size");
inline const QString ColumnType = QStringLiteral("File Type");
inline const QString ColumnTime = QStringLiteral("Create Time");
inline const QString ImageListError = QStringLiteral("error to initial image list");
} // namespace BrowseText
