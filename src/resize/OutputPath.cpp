// SPDX-License-Identifier: MIT
#include "resize/OutputPath.h"

#include "codec/PictureTypeTable.h"
#include "resize/ResizeTexts.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The name of the result: the source's name up to its last dot, then the
// source's own extension (type 0) or the type's extension.
QString OutputName(const QString& fileName, uint32_t imagetype) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? fileName : fileName.left(dot);
    if (imagetype == PictureTypeTable::SameAsSource)
        return fileName;
    return stem + QLatin1Char('.') + PictureTypeTable::Extension(imagetype);
}

} // namespace

OutputPlan PlanOutput(const QString& source, const ResizeSettings& settings, bool mailResults,
                      const QString& mailFolder) {
    if (settings.override)
        return {source, {}};
    const QFileInfo info(source);
    const QString name = OutputName(info.fileName(), settings.imagetype);
    if (mailResults)
        return {QDir(mailFolder).filePath(name), {}};
    QString folder;
    if (settings.dest.isEmpty())
        folder = QDir(info.path()).filePath(ResizeText::DefaultFolderName);
    else
        folder = QDir::cleanPath(QDir(info.path()).filePath(settings.dest));
    return {QDir(folder).filePath(name), folder};
}
