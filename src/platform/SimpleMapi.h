// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// Simple MAPI's records and its one call, over the desktop's mail hand-off:
// MAPISendMail runs `xdg-email --utf8 [--subject S] [--body B] --attach F
// ...` with an argument vector, never through a shell, so any file name
// reaches the mail client as it is. xdg-email opens the user's mail
// client's compose window and returns; the user sends or discards there.

struct MapiFileDesc {
    uint32_t ulReserved = 0;
    uint32_t flFlags = 0;
    uint32_t nPosition = 0xFFFFFFFF; // not placed inside the body text
    QString lpszPathName;
    QString lpszFileName;
    const void* lpFileType = nullptr;
};

struct MapiMessage {
    uint32_t ulReserved = 0;
    std::optional<QString> lpszSubject; // no value: no subject
    std::optional<QString> lpszNoteText;
    uint32_t flFlags = 0;
    uint32_t nRecipCount = 0; // the user adds the recipients in the client
    std::vector<MapiFileDesc> lpFiles;
};

constexpr uint32_t SUCCESS_SUCCESS = 0;
constexpr uint32_t MAPI_USER_ABORT = 1;
constexpr uint32_t MAPI_E_FAILURE = 2;
constexpr uint32_t MAPI_E_LOGIN_FAILURE = 3;
constexpr uint32_t MAPI_E_NOT_SUPPORTED = 26;
constexpr uint32_t MAPI_LOGON_UI = 0x1;
constexpr uint32_t MAPI_DIALOG = 0x8;

namespace SimpleMapi {
// The program behind MAPISendMail, found on PATH; empty when there is none
// (the mail system cannot be loaded).
QString MailProgram();
// The arguments MAPISendMail gives the mail program for a message.
QStringList MailArguments(const MapiMessage& message);
} // namespace SimpleMapi

// Returns SUCCESS_SUCCESS when the mail client took the message,
// MAPI_E_NOT_SUPPORTED when no mail client could be reached, and
// MAPI_E_FAILURE for any other failure (including no mail program).
uint32_t MAPISendMail(uintptr_t session, uintptr_t uiParam, const MapiMessage& message,
                      uint32_t flags, uint32_t reserved);
