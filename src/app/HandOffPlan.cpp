// SPDX-License-Identifier: MIT
#include "app/HandOffPlan.h"

#include "batch/PictureTree.h"
#include "codec/PictureTypeTable.h"
#include "platform/FileName.h"

#include <QLocale>

namespace {

QString CountedPictures(qsizetype count) {
    if (count == 0)
        return HandOffText::NoPictureFound;
    return count == 1 ? HandOffText::OnePicture
                      : HandOffText::Pictures.arg(QLocale().toString(count));
}

} // namespace

HandOffPlan PlanHandOff(const QStringList& files, bool picturesOnly,
                        const ResizeSettings& settings) {
    HandOffPlan plan;
    QStringList folders;
    qsizetype chosen = 0;
    for (const QString& file : files) {
        const QString path = AbsoluteFileName(file);
        if (!IsFolder(path)) {
            if (!picturesOnly || PictureTypeTable::IsPictureFileName(path)) {
                plan.paths << path;
                ++chosen;
            }
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
        const QString where = folders.size() == 1 ? ShownFileName(folders.first())
                                                  : QLocale().toString(folders.size());
        if (chosen == 0)
            plan.question =
                (folders.size() == 1 ? HandOffText::ConfirmOne : HandOffText::ConfirmMany)
                    .arg(CountedPictures(count), where);
        else
            plan.question = (folders.size() == 1 ? HandOffText::ConfirmChosenAndOne
                                                 : HandOffText::ConfirmChosenAndMany)
                                .arg(CountedPictures(count), QLocale().toString(chosen),
                                     CountedPictures(count - chosen), where);
    }
    return plan;
}
