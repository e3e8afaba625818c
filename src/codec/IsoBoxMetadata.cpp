// SPDX-License-Identifier: MIT
// The EXIF and XMP of the box-structured types: HEIF (HEIC and AVIF) keeps
// its EXIF block as an item whose bytes the item location box points at;
// JPEG XL keeps them in boxes of their own beside the codestream.
#include "codec/ByteFields.h"
#include "codec/ResultContainer.h"
#include "platform/UiText.h"

#include <QIODevice>
#include <QList>

#include <brotli/decode.h>

#include <optional>

namespace {

using namespace ByteFields;

struct Box {
    qsizetype start = 0; // of its header
    qsizetype body = 0;  // of its contents
    qsizetype end = 0;
    QByteArray type;
};

// The boxes laid end to end in bytes[from, to); stops at the first that
// does not fit.
QList<Box> Boxes(const QByteArray& bytes, qsizetype from, qsizetype to) {
    QList<Box> boxes;
    while (from + 8 <= to) {
        Box box{from, from + 8, 0, bytes.mid(from + 4, 4)};
        quint64 size = Get32(bytes, from, true);
        if (size == 1 && from + 16 <= to) {
            size = quint64(Get32(bytes, from + 8, true)) << 32 | Get32(bytes, from + 12, true);
            box.body = from + 16;
        } else if (size == 0) {
            size = quint64(to - from);
        }
        if (size < quint64(box.body - from) || size > quint64(to - from))
            break;
        box.end = from + qsizetype(size);
        boxes << box;
        from = box.end;
    }
    return boxes;
}

std::optional<Box> Find(const QList<Box>& boxes, const char* type) {
    for (const Box& box : boxes)
        if (box.type == type)
            return box;
    return std::nullopt;
}

// A number of 0, 4 or 8 bytes, as the item location box sizes them.
quint64 GetSized(const QByteArray& bytes, qsizetype at, int size) {
    if (size == 4)
        return Get32(bytes, at, true);
    if (size == 8)
        return quint64(Get32(bytes, at, true)) << 32 | Get32(bytes, at + 4, true);
    return 0;
}

void PutSized(QByteArray& bytes, qsizetype at, int size, quint64 value) {
    if (size == 8) {
        Put32(bytes, at, uint32_t(value >> 32), true);
        Put32(bytes, at + 4, uint32_t(value), true);
    } else if (size == 4) {
        Put32(bytes, at, uint32_t(value), true);
    }
}

std::optional<quint32> ExifItem(const QByteArray& bytes, const Box& iinf) {
    const int version = At(bytes, iinf.body);
    const qsizetype entries = iinf.body + 4 + (version == 0 ? 2 : 4);
    for (const Box& infe : Boxes(bytes, entries, iinf.end)) {
        const int v = At(bytes, infe.body);
        if (infe.type != "infe" || v < 2)
            continue;
        const qsizetype idSize = v == 2 ? 2 : 4;
        const qsizetype at = infe.body + 4;
        if (at + idSize + 6 > infe.end)
            continue;
        if (bytes.mid(at + idSize + 2, 4) == "Exif")
            return v == 2 ? Get16(bytes, at, true) : Get32(bytes, at, true);
    }
    return std::nullopt;
}

// Where an item's bytes lie: the fields of its one extent in the item
// location box, as positions in the file.
struct Extent {
    quint64 base = 0;
    qsizetype offsetField = 0;
    qsizetype lengthField = 0;
    int offsetSize = 0;
    int lengthSize = 0;
};

std::optional<Extent> ItemExtent(const QByteArray& bytes, const Box& iloc, quint32 item) {
    const int version = At(bytes, iloc.body);
    qsizetype at = iloc.body + 4;
    if (at + 4 > iloc.end)
        return std::nullopt;
    Extent extent;
    extent.offsetSize = At(bytes, at) >> 4;
    extent.lengthSize = At(bytes, at) & 0xf;
    const int baseSize = At(bytes, at + 1) >> 4;
    const int indexSize = version >= 1 ? At(bytes, at + 1) & 0xf : 0;
    at += 2;
    const quint32 count = version < 2 ? Get16(bytes, at, true) : Get32(bytes, at, true);
    at += version < 2 ? 2 : 4;
    for (quint32 i = 0; i < count && at < iloc.end; ++i) {
        const quint32 id = version < 2 ? Get16(bytes, at, true) : Get32(bytes, at, true);
        at += version < 2 ? 2 : 4;
        const int method = version >= 1 ? Get16(bytes, at, true) & 0xf : 0;
        at += version >= 1 ? 2 : 0;
        at += 2; // data reference index
        extent.base = GetSized(bytes, at, baseSize);
        at += baseSize;
        const int extents = Get16(bytes, at, true);
        at += 2;
        if (id == item) {
            if (extents != 1 || method != 0)
                return std::nullopt;
            extent.offsetField = at + indexSize;
            extent.lengthField = extent.offsetField + extent.offsetSize;
            return extent.lengthField + extent.lengthSize <= iloc.end ? std::optional(extent)
                                                                      : std::nullopt;
        }
        at += qsizetype(extents) * (indexSize + extent.offsetSize + extent.lengthSize);
    }
    return std::nullopt;
}

// The smallest TIFF structure: a header and an empty first IFD.
const QByteArray kEmptyTiff("II*\0\x08\0\0\0\0\0\0\0\0\0", 14);

QByteArray BoxOf(const char* type, const QByteArray& contents) {
    return Make32(uint32_t(8 + contents.size()), true) + QByteArray(type, 4) + contents;
}

} // namespace

bool PutHeifExif(QByteArray& encoded, const QByteArray& exif, QString& why) {
    why = TrText("Picture", "the encoder's HEIF file has no EXIF item to hold the camera data");
    const QList<Box> top = Boxes(encoded, 0, encoded.size());
    const std::optional<Box> meta = Find(top, "meta");
    if (!meta)
        return false;
    const QList<Box> children = Boxes(encoded, meta->body + 4, meta->end);
    const std::optional<Box> iinf = Find(children, "iinf");
    const std::optional<Box> iloc = Find(children, "iloc");
    const std::optional<quint32> item = iinf ? ExifItem(encoded, *iinf) : std::nullopt;
    const std::optional<Extent> extent =
        item && iloc ? ItemExtent(encoded, *iloc, *item) : std::nullopt;
    if (!extent)
        return false;
    // The item starts with the offset of the TIFF header in what follows.
    const QByteArray payload = Make32(0, true) + (exif.isEmpty() ? kEmptyTiff : exif);
    const quint64 offset = GetSized(encoded, extent->offsetField, extent->offsetSize);
    const quint64 length = GetSized(encoded, extent->lengthField, extent->lengthSize);
    const quint64 size = quint64(encoded.size());
    if (extent->base > size || offset > size - extent->base ||
        length > size - extent->base - offset)
        return false;
    const quint64 start = extent->base + offset;
    if (quint64(payload.size()) <= length) {
        encoded.replace(qsizetype(start), payload.size(), payload);
        encoded.replace(qsizetype(start) + payload.size(), qsizetype(length) - payload.size(),
                        QByteArray(qsizetype(length) - payload.size(), '\0'));
    } else {
        // Longer than the encoder's block: a box of its own at the end.
        const quint64 newOffset = quint64(encoded.size()) + 8 - extent->base;
        if (extent->offsetSize == 4 && newOffset > UINT32_MAX)
            return false;
        encoded += BoxOf("mdat", payload);
        PutSized(encoded, extent->offsetField, extent->offsetSize, newOffset);
    }
    PutSized(encoded, extent->lengthField, extent->lengthSize, quint64(payload.size()));
    why.clear();
    return true;
}

bool PutJxlMetadata(QByteArray& encoded, const QByteArray& exif, const QByteArray& xmp,
                    QString& why) {
    static const QByteArray signature("\0\0\0\x0cJXL \r\n\x87\n", 12);
    QByteArray ours;
    if (!exif.isEmpty())
        ours += BoxOf("Exif", Make32(0, true) + exif);
    if (!xmp.isEmpty())
        ours += BoxOf("xml ", xmp);
    if (encoded.startsWith("\xff\x0a")) {
        // A bare codestream: into the container, which can hold metadata.
        if (ours.isEmpty())
            return true;
        encoded = signature + BoxOf("ftyp", QByteArrayLiteral("jxl \0\0\0\0jxl ")) + ours +
                  BoxOf("jxlc", encoded);
        return true;
    }
    if (!encoded.startsWith(signature)) {
        why = TrText("Picture", "the encoder made no JPEG XL");
        return false;
    }
    QByteArray rebuilt;
    for (const Box& box : Boxes(encoded, 0, encoded.size())) {
        // Ours replace the encoder's, compressed ("brob") or not.
        const QByteArray inner = box.type == "brob" ? encoded.mid(box.body, 4) : box.type;
        if (inner == "Exif" || inner == "xml ")
            continue;
        if (box.type == "jxlc" || box.type == "jxlp") {
            rebuilt += ours;
            ours.clear();
        }
        rebuilt += encoded.mid(box.start, box.end - box.start);
    }
    encoded = rebuilt;
    return true;
}

// A box libjxl compressed ("brob": its own type, then a Brotli stream),
// opened to at most limit bytes; empty when it does not open.
QByteArray Decompressed(const QByteArray& stream, qint64 limit) {
    BrotliDecoderState* state = BrotliDecoderCreateInstance(nullptr, nullptr, nullptr);
    if (!state)
        return {};
    QByteArray out;
    size_t available = size_t(stream.size());
    const auto* next = reinterpret_cast<const uint8_t*>(stream.constData());
    BrotliDecoderResult result = BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT;
    while (result == BROTLI_DECODER_RESULT_NEEDS_MORE_OUTPUT && out.size() < limit) {
        uint8_t chunk[64 * 1024];
        size_t room = sizeof chunk;
        uint8_t* into = chunk;
        result = BrotliDecoderDecompressStream(state, &available, &next, &room, &into, nullptr);
        out.append(reinterpret_cast<const char*>(chunk), qsizetype(sizeof chunk - room));
    }
    BrotliDecoderDestroyInstance(state);
    return result == BROTLI_DECODER_RESULT_SUCCESS && out.size() <= limit ? out : QByteArray();
}

BoxMetadata ReadJxlMetadata(QIODevice& file) {
    constexpr qint64 kMostMetadataBytes = qint64(16) << 20;
    BoxMetadata found;
    qint64 at = 0;
    while (at + 8 <= file.size() && file.seek(at)) {
        const QByteArray head = file.read(16);
        if (head.size() < 8)
            break;
        quint64 size = Get32(head, 0, true);
        qint64 body = at + 8;
        if (size == 1 && head.size() == 16) {
            size = quint64(Get32(head, 8, true)) << 32 | Get32(head, 12, true);
            body = at + 16;
        }
        if (size == 0 || size < quint64(body - at) || size > quint64(file.size() - at))
            break; // the last box, or a broken one
        QByteArray type = head.mid(4, 4);
        const qint64 length = qint64(size) - (body - at);
        const bool compressed = type == "brob" && length >= 4;
        if (length <= kMostMetadataBytes && file.seek(body)) {
            QByteArray contents;
            if (compressed) {
                contents = file.read(length);
                type = contents.left(4);
                contents = type == "Exif" || type == "xml "
                               ? Decompressed(contents.mid(4), kMostMetadataBytes)
                               : QByteArray();
            } else if (type == "Exif" || type == "xml ") {
                contents = file.read(length);
            }
            // The EXIF box starts with the offset of the TIFF header after it.
            if (type == "Exif" && contents.size() >= 4 &&
                Get32(contents, 0, true) < quint32(contents.size()) - 4)
                found.exif = contents.mid(4 + qsizetype(Get32(contents, 0, true)));
            else if (type == "xml " && !contents.isEmpty())
                found.xmp = contents;
        }
        at += qint64(size);
    }
    file.seek(0);
    return found;
}
