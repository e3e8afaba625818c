// SPDX-License-Identifier: MIT
#include "batch/OutputPath.h"

#include "batch/ResizeTexts.h"
#include "codec/PictureTypeTable.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The result's name: the template's, then the source's own extension
// (type 0) or the type's extension.
QString OutputName(const QString& stem, const NameFields& fields, uint32_t imagetype) {
    if (imagetype != PictureTypeTable::SameAsSource)
        return stem + QLatin1Char('.') + PictureTypeTable::Extension(imagetype);
    return fields.ext.isNull() ? stem : stem + QLatin1Char('.') + fields.ext;
}

} // namespace

NameFields SourceNameFields(const QString& source) {
    const QFileInfo info(source);
    const QString fileName = info.fileName();
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    NameFields fields;
    fields.name = dot < 0 ? fileName : fileName.left(dot);
    fields.ext = dot < 0 ? QString() : fileName.mid(dot + 1);
    fields.folder = QFileInfo(info.path()).fileName();
    return fields;
}

OutputPlan PlanOutput(const QString& source, const ResizeSettings& settings, bool mailResults,
                      const QString& mailFolder, const NameFields& fields) {
    const QFileInfo info(source);
    QString stem = ExpandNameTemplate(settings.nametemplate, fields);
    // A mail never writes a source, whatever "override" says.
    if (mailResults) {
        stem = stem.section(QLatin1Char('/'), -1);
        return {QDir(mailFolder).filePath(OutputName(stem, fields, settings.imagetype)), {}};
    }
    if (settings.override)
        return {source, {}};
    QString folder;
    if (settings.dest.isEmpty())
        folder = QDir(info.path()).filePath(ResizeText::DefaultFolderName);
    else
        folder = QDir::cleanPath(QDir(info.path()).filePath(settings.dest));
    return {QDir(folder).filePath(OutputName(stem, fields, settings.imagetype)), folder};
}
