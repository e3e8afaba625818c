// SPDX-License-Identifier: MIT
#include "platform/SimpleMapi.h"

#include <QProcess>
#include <QStandardPaths>

namespace {
const QString kMailProgram = QStringLiteral("xdg-email");
// xdg-email's status when no mail client or tool to reach one was found.
constexpr int kNoMailClient = 3;
// Long enough for a slow desktop to open its composer, short enough that a
// hung helper does not hold the program for ever.
constexpr int kMailTimeoutMs = 120000;
} // namespace

QString SimpleMapi::MailProgram() {
    return QStandardPaths::findExecutable(kMailProgram);
}

QStringList SimpleMapi::MailArguments(const MapiMessage& message) {
    QStringList arguments{QStringLiteral("--utf8")};
    if (message.lpszSubject)
        arguments << QStringLiteral("--subject") << *message.lpszSubject;
    if (message.lpszNoteText)
        arguments << QStringLiteral("--body") << *message.lpszNoteText;
    for (const MapiFileDesc& file : message.lpFiles)
        arguments << QStringLiteral("--attach") << file.lpszPathName;
    return arguments;
}

uint32_t MAPISendMail(uintptr_t, uintptr_t, const MapiMessage& message, uint32_t, uint32_t) {
    const QString program = SimpleMapi::MailProgram();
    if (program.isEmpty())
        return MAPI_E_FAILURE;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, SimpleMapi::MailArguments(message));
    if (!process.waitForStarted() || !process.waitForFinished(kMailTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return MAPI_E_FAILURE;
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return MAPI_E_FAILURE;
    if (process.exitCode() == kNoMailClient)
        return MAPI_E_NOT_SUPPORTED;
    return process.exitCode() == 0 ? SUCCESS_SUCCESS : MAPI_E_FAILURE;
}
