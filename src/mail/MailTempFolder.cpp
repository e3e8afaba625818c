// SPDX-License-Identifier: MIT
#include "mail/MailTempFolder.h"

#include "platform/FileName.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

namespace {
const QString kFolderPrefix = QStringLiteral("tessary-mail-");
constexpr qint64 kSafeAgeSeconds = 3600;
} // namespace

QString CreateMailTempFolder() {
    QTemporaryDir folder(SystemTemporaryFolder() + QLatin1Char('/') + kFolderPrefix +
                         QStringLiteral("XXXXXX"));
    if (!folder.isValid())
        return {};
    // The mail client reads the copies after the batch has ended.
    folder.setAutoRemove(false);
    return folder.path();
}

void RemoveOldMailTempFolders() {
    const QDateTime limit = QDateTime::currentDateTime().addSecs(-kSafeAgeSeconds);
    const QFileInfoList folders =
        QDir(SystemTemporaryFolder())
            .entryInfoList({kFolderPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoSymLinks);
    for (const QFileInfo& folder : folders) {
        // Only our own folders: someone else's of the same name stays.
        if (folder.ownerId() == uint(getuid()) && folder.lastModified() < limit)
            QDir(folder.absoluteFilePath()).removeRecursively();
    }
}
