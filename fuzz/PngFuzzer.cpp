// SPDX-License-Identifier: MIT
// The PNG chunk code meets a source PNG, read for its metadata, and any
// file in the thumbnail cache, read for its size and keys.
#include "FuzzInput.h"

#include "codec/PngChunks.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzInput input(data, size);
    const QByteArray& bytes = input.All();
    const QSize pixels = PngChunks::Size(bytes);
    const QHash<QString, QString> texts = PngChunks::Texts(bytes);

    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    PngChunks::ReadMetadata(file);
    Promise(file.pos() == 0, "ReadMetadata leaves the file at its start");

    // Keys added to a PNG are read back as written.
    QByteArray keyed = bytes;
    const bool added = PngChunks::AddTexts(keyed, {{"Thumb::URI", "file:///fuzz"}});
    Promise(added == !pixels.isEmpty(), "texts go into every PNG with a header");
    if (added && !texts.contains(QStringLiteral("Thumb::URI")))
        Promise(PngChunks::Texts(keyed).value(QStringLiteral("Thumb::URI")) ==
                    QLatin1String("file:///fuzz"),
                "an added key reads back");
    return 0;
}
