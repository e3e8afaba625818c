// SPDX-License-Identifier: MIT
// The header reader meets the first bytes of any file named like a
// picture, and the resolution fields of each type's header.
#include "FuzzInput.h"

#include "codec/ImageFormat.h"
#include "codec/ImageHeader.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzInput input(data, size);
    const QByteArray& bytes = input.All();
    const ImageHeader header = ReadImageHeader(bytes.left(kImageHeaderBytes));
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    for (const uint32_t format : {header.format, ImageFormat::Png, ImageFormat::Jpeg,
                                  ImageFormat::Tiff, ImageFormat::Bmp, ImageFormat::Pcx}) {
        HeaderStatesResolution(file, format);
        Promise(file.pos() == 0, "HeaderStatesResolution leaves the file at its start");
    }
    return 0;
}
