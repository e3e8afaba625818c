// SPDX-License-Identifier: MIT
#include "mail/MailTempFolder.h"

#include <QDir>
#include <QTemporaryDir>

QString CreateMailTempFolder() {
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tessary-mail-XXXXXX"));
    if (!folder.isValid())
        return {};
    // The mail client reads the copies after the batch has ended.
    folder.setAutoRemove(false);
    return folder.path();
}
