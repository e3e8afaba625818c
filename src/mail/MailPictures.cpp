// SPDX-License-Identifier: MIT
#include "mail/MailPictures.h"

#include "mail/MailTempFolder.h"
#include "platform/SimpleMapi.h"
#include "settings/AppSettings.h"

#include <utility>

int MailPictures(AppSettings& settings) {
    RemoveOldMailTempFolders();
    // A batch that wrote nothing has nothing to send; its failure list
    // says why. The originals never go in place of the copies.
    if (settings.MailTempList.isEmpty())
        return MailPrompt::None;
    if (SimpleMapi::MailProgram().isEmpty())
        return MailPrompt::CannotLoad;
    const QStringList attachments = std::exchange(settings.MailTempList, {});

    MapiMessage message;
    if (!settings.mailSubject.isEmpty())
        message.lpszSubject = settings.mailSubject;
    if (!settings.mailBody.isEmpty())
        message.lpszNoteText = settings.mailBody;
    for (const QString& path : attachments) {
        MapiFileDesc file;
        file.lpszPathName = file.lpszFileName = path;
        message.lpFiles.push_back(file);
    }

    const uint32_t result = MAPISendMail(0, 0, message, MAPI_LOGON_UI | MAPI_DIALOG, 0);
    switch (result) {
    case SUCCESS_SUCCESS:
    case MAPI_USER_ABORT:
    case MAPI_E_LOGIN_FAILURE:
        return MailPrompt::None;
    case MAPI_E_NOT_SUPPORTED:
        return MailPrompt::NotValid;
    default:
        return MailPrompt::SendFailed;
    }
}
