// SPDX-License-Identifier: MIT
#include "app/HandOffPlan.h"

#include "codec/PictureTypeTable.h"
#include "platform/FileName.h"
#include "batch/PictureTree.h"

#include <QLocale>

HandOffPlan PlanHandOff(const QStringList& files, bool picturesOnly,
                        const ResizeSettings& settings) {
    HandOffPlan plan;
    QStringList folders;
    for (const QString& file : files) {
        const QString path = AbsoluteFileName(file);
        if (!IsFolder(path)) {
            if (!picturesOnly || PictureTypeTable::IsPictureFileName(path))
                plan.paths << path;
            continue;
        }
        folders << path;
        for (const TreePicture& picture : PicturesInTree(path, settings))
            plan.paths << picture.path;
    }
    const qsizetype count = plan.paths.size();
    if (count == 0 && (picturesOnly || !folders.isEmpty())) {
        plan.ask = HandOffPlan::Ask::NoPicture;
        plan.question = folders.size() == 1
                            ? HandOffText::NoPictureIn.arg(ShownFileName(folders.first()))
                            : HandOffText::NoPicture;
    } else if (!folders.isEmpty()) {
        plan.ask = HandOffPlan::Ask::Confirm;
        const QString pictures = count == 1 ? HandOffText::OnePicture
                                            : HandOffText::Pictures.arg(QLocale().toString(count));
        plan.question = folders.size() == 1
                            ? HandOffText::ConfirmOne.arg(pictures, ShownFileName(folders.first()))
                            : HandOffText::ConfirmMany.arg(pictures).arg(folders.size());
    }
    return plan;
}
