// SPDX-License-Identifier: MIT
#include "frame/HelpLinks.h"

#include "frame/FrameIds.h"

#include <QUrlQuery>

QString HelpMailSubject(bool bugReport, const QString& versionText) {
    return QStringLiteral("[TSY") + versionText +
           (bugReport ? QStringLiteral("] BUG REPORT") : QStringLiteral("] I have words to say"));
}

QUrl HelpLink(int commandId, const QString& versionText) {
    QUrl url;
    QUrlQuery query;
    switch (commandId) {
    case CommandId::VisitMyWeb:
        return QUrl(HelpAddress::HomePage);
    case CommandId::CheckNewVersion:
        url = QUrl(HelpAddress::UpgradePage);
        query.addQueryItem(QStringLiteral("version"), versionText);
        break;
    case CommandId::MailToMe:
    case CommandId::BugReport:
        url = QUrl(QStringLiteral("mailto:") + HelpAddress::Mail);
        query.addQueryItem(QStringLiteral("subject"),
                           HelpMailSubject(commandId == CommandId::BugReport, versionText));
        break;
    default:
        return {};
    }
    url.setQuery(query);
    return url;
}
