// SPDX-License-Identifier: MIT
// The TIFF directory code meets a source TIFF file, read for its EXIF and
// walked page by page, and any source's EXIF block, carried into a TIFF
// result, to which the same bytes are then joined as its next page.
#include "FuzzInput.h"

#include "codec/ByteFields.h"
#include "codec/ResultContainer.h"

#include <QBuffer>

namespace {

using namespace ByteFields;

// The smallest TIFF an encoder makes: one grey pixel, in either byte order.
QByteArray OnePixelTiff(bool big) {
    struct Field {
        uint16_t tag;
        uint16_t type; // 3 SHORT, 4 LONG
        uint32_t value;
    };
    constexpr Field kFields[] = {{256, 3, 1}, {257, 3, 1}, {258, 3, 8}, {259, 3, 1}, {262, 3, 1},
                                 {273, 4, 0}, {277, 3, 1}, {278, 3, 1}, {279, 4, 1}};
    constexpr qsizetype kCount = std::size(kFields);
    QByteArray tiff = big ? QByteArray("MM\0*", 4) : QByteArray("II*\0", 4);
    tiff += Make32(8, big);
    QByteArray count(2, '\0');
    Put16(count, 0, kCount, big);
    tiff += count;
    const uint32_t pixel = uint32_t(8 + 2 + kCount * 12 + 4);
    for (const Field& field : kFields) {
        QByteArray entry(12, '\0');
        Put16(entry, 0, field.tag, big);
        Put16(entry, 2, field.type, big);
        Put32(entry, 4, 1, big);
        const uint32_t value = field.tag == 273 ? pixel : field.value;
        if (field.type == 3)
            Put16(entry, 8, value, big);
        else
            Put32(entry, 8, value, big);
        tiff += entry;
    }
    return tiff + Make32(0, big) + QByteArray(1, '\x80');
}

QByteArray TiffExif(const QByteArray& bytes) {
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    const QByteArray exif = ReadTiffExif(file);
    Promise(file.pos() == 0, "ReadTiffExif leaves the file at its start");
    return exif;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const bool big = input.Byte() & 1;
    const QByteArray bytes = input.Rest();
    TiffExif(bytes);
    EachTiffPage(bytes, [&](const QByteArray& page) {
        Promise(page.size() == bytes.size(), "a page is shown in the file's own bytes");
    });

    ResultFacts facts;
    facts.width = 1;
    facts.height = 1;
    facts.dpi = StatedDpi{300, 300};
    ResultBlocks blocks;
    blocks.exif = bytes;
    QByteArray result = OnePixelTiff(big);
    QString why;
    Promise(PutTiffMetadata(result, facts, blocks, why), "a TIFF takes any EXIF block");
    // What was written is a TIFF that the reader takes again.
    TiffExif(result);
    if (JoinTiffPages(result, {bytes}, why)) {
        int pages = 0;
        EachTiffPage(result, [&pages](const QByteArray&) { ++pages; });
        Promise(pages >= 2, "a joined page follows the first");
    }
    return 0;
}
