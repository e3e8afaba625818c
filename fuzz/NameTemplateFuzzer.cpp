// SPDX-License-Identifier: MIT
// The name template expander meets what a user types and what a source's
// name, folder and EXIF date hold: a template it accepts never names a
// place outside the destination, whatever the fields.
#include "FuzzInput.h"

#include "batch/NameTemplate.h"

namespace {

// A file or folder name as the system has them: no "/" and no zero byte.
QString NamePart(FuzzInput& input) {
    QByteArray part = input.Part();
    part.replace('/', '_').replace('\0', '_');
    return QString::fromUtf8(part);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    NameFields fields;
    fields.name = NamePart(input);
    fields.ext = NamePart(input);
    fields.folder = NamePart(input);
    fields.width = int64_t(input.Byte()) << (input.Byte() % 40);
    fields.height = -int64_t(input.Byte());
    fields.number = int(input.Byte()) << 16;
    fields.taken = DateTaken(QString::fromUtf8(input.Part()), QString());
    const QString nameTemplate = QString::fromUtf8(input.Rest());
    NameTemplateReadsPicture(nameTemplate);
    if (!NameTemplateError(nameTemplate).isEmpty())
        return 0;
    const QString name = ExpandNameTemplate(nameTemplate, fields);
    Promise(!name.isEmpty() && !name.startsWith(u'/'), "a result has a name below its folder");
    for (const QString& part : name.split(u'/'))
        Promise(!part.isEmpty() && part.count(u'.') != part.size(),
                "no part of a result's name is empty or climbs");
    return 0;
}
