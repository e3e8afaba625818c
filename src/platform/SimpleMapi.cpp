// SPDX-License-Identifier: MIT
#include "platform/SimpleMapi.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>

namespace {
const QString kMailProgram = QStringLiteral("xdg-email");
// xdg-email's status when no mail client or tool to reach one was found.
constexpr int kNoMailClient = 3;
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
    // No time limit: a mail client started in the foreground keeps
    // xdg-email waiting until the user closes it. Windows still repaint
    // meanwhile, but take no clicks.
    QEventLoop wait;
    QObject::connect(&process, &QProcess::finished, &wait, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &wait, &QEventLoop::quit);
    process.start(program, SimpleMapi::MailArguments(message));
    if (!process.waitForStarted())
        return MAPI_E_FAILURE;
    if (process.state() != QProcess::NotRunning)
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (process.state() != QProcess::NotRunning) {
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
