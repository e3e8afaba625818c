// SPDX-License-Identifier: MIT
// The ISO box code meets a source JPEG XL file, read for its EXIF and XMP
// (compressed "brob" boxes too), and the boxes of an encoder's HEIF and
// JPEG XL files that a result's metadata goes into.
#include "FuzzInput.h"

#include "codec/ResultContainer.h"

#include <QBuffer>

namespace {

BoxMetadata JxlMetadata(const QByteArray& bytes) {
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    const BoxMetadata found = ReadJxlMetadata(file);
    Promise(file.pos() == 0, "ReadJxlMetadata leaves the file at its start");
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const QByteArray exif = input.Part();
    const QByteArray xmp = input.Part();
    const QByteArray bytes = input.Rest();
    JxlMetadata(bytes);

    QString why;
    QByteArray heif = bytes;
    PutHeifExif(heif, exif, why);

    QByteArray jxl = bytes;
    if (PutJxlMetadata(jxl, exif, xmp, why) && bytes.startsWith("\xff\x0a")) {
        // A bare codestream goes into a container that holds both blocks.
        const BoxMetadata found = JxlMetadata(jxl);
        Promise(found.exif == exif && found.xmp == xmp, "a JPEG XL result holds its blocks");
    }
    return 0;
}
