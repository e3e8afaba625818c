// SPDX-License-Identifier: MIT
#include "browse/OpenWith.h"

#include "codec/PictureTypeTable.h"
#include "platform/FileName.h"
#include "platform/UiText.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr UiText kRefusedOne =
    TrText("Browse", "Cannot open \"%1\": it is not a picture or a folder that can be read.");
constexpr UiText kRefusedMany =
    TrText("Browse",
           "Cannot open %1 of the given files: they are not pictures or folders that can be read.");
constexpr UiText kElsewhereOne =
    TrText("Browse", "1 given picture is in another folder and was not marked.");
constexpr UiText kElsewhereMany =
    TrText("Browse", "%1 given pictures are in other folders and were not marked.");

// Asked of the name's own bytes: Qt's file calls lose those that are not UTF-8.
bool Is(const QFileInfo& file, mode_t type, int access) {
    const QByteArray path = EncodeFileName(file.absoluteFilePath());
    struct stat attributes {};
    return ::stat(path.constData(), &attributes) == 0 && (attributes.st_mode & S_IFMT) == type &&
           ::access(path.constData(), access) == 0;
}

bool IsReadablePicture(const QFileInfo& file) {
    return Is(file, S_IFREG, R_OK) && PictureTypeTable::IsPictureFileName(file.fileName());
}

bool IsReadableFolder(const QFileInfo& file) {
    return Is(file, S_IFDIR, R_OK | X_OK);
}
} // namespace

OpenWithPlan PlanOpenWith(const QStringList& arguments) {
    OpenWithPlan plan;
    QList<QFileInfo> pictures;
    for (const QString& argument : arguments) {
        const QFileInfo file(AbsoluteFileName(argument));
        if (IsReadablePicture(file)) {
            pictures << file;
            if (plan.folder.isEmpty()) {
                plan.folder = file.absolutePath();
                plan.selected = file.absoluteFilePath();
            }
        } else if (IsReadableFolder(file)) {
            if (plan.folder.isEmpty())
                plan.folder = file.absoluteFilePath();
        } else {
            plan.refused << argument;
        }
    }
    for (const QFileInfo& picture : pictures) {
        if (picture.absolutePath() == plan.folder)
            plan.marked << picture.absoluteFilePath();
        else
            ++plan.elsewhere;
    }
    plan.marked.removeDuplicates();
    return plan;
}

QString OpenWithStatus(const OpenWithPlan& plan) {
    QStringList parts;
    if (plan.refused.size() == 1)
        parts << kRefusedOne.arg(plan.refused.first());
    else if (plan.refused.size() > 1)
        parts << kRefusedMany.arg(plan.refused.size());
    if (plan.elsewhere == 1)
        parts << kElsewhereOne;
    else if (plan.elsewhere > 1)
        parts << kElsewhereMany.arg(plan.elsewhere);
    return parts.join(QLatin1Char(' '));
}
