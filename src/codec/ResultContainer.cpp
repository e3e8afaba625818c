// SPDX-License-Identifier: MIT
#include "codec/ResultContainer.h"

#include "codec/ByteFields.h"
#include "codec/Image.h"
#include "codec/JpegSegments.h"
#include "codec/PngChunks.h"
#include "platform/UiText.h"

#include <QList>

#include <array>
#include <cmath>

namespace {

using namespace ByteFields;

const QByteArray kExifPrefix("Exif\0\0", 6);
constexpr double kInchesPerMetre = 1000.0 / 25.4;

// ---- JPEG: segments up to the scan --------------------------------------

constexpr uint8_t kMarker = 0xff;
constexpr uint8_t kApp0 = 0xe0;
constexpr uint8_t kApp1 = 0xe1;
constexpr uint8_t kStartOfScan = 0xda;
constexpr uint8_t kComment = 0xfe;
constexpr int kJfifUnits = 11; // offsets inside the APP0 segment, marker included
constexpr int kJfifXDensity = 12;
constexpr int kJfifYDensity = 14;
constexpr int kJfifMinimum = 16;
constexpr qsizetype kSegmentMaximum = 0xffff;

bool PutJpegMetadata(QByteArray& encoded, const ResultFacts& facts, const QByteArray& exif,
                     const QByteArrayList& comments, QString& why) {
    if (!encoded.startsWith("\xff\xd8")) {
        why = TrText("Picture", "the encoder made no JPEG");
        return false;
    }
    QByteArray jfif;
    QByteArray others;
    qsizetype at = 2;
    while (at + 4 <= encoded.size() && At(encoded, at) == kMarker &&
           At(encoded, at + 1) != kStartOfScan) {
        const qsizetype length = 2 + Get16(encoded, at + 2, true);
        const QByteArray segment = encoded.mid(at, length);
        const QByteArray payload = segment.mid(4);
        if (At(encoded, at + 1) == kApp0 && payload.startsWith(QByteArrayLiteral("JFIF\0")) &&
            segment.size() >= kJfifMinimum)
            jfif = segment;
        else if (At(encoded, at + 1) != kApp1 || !payload.startsWith(kExifPrefix))
            others += segment;
        at += length;
    }
    if (!jfif.isEmpty()) {
        // Unit 0 with a 1:1 aspect is JFIF's way of stating no resolution.
        jfif[kJfifUnits] = char(facts.dpi ? 1 : 0);
        Put16(jfif, kJfifXDensity, facts.dpi ? uint32_t(facts.dpi->x) : 1, true);
        Put16(jfif, kJfifYDensity, facts.dpi ? uint32_t(facts.dpi->y) : 1, true);
    }
    QByteArray exifSegment;
    if (!exif.isEmpty()) {
        const qsizetype length = 2 + kExifPrefix.size() + exif.size();
        if (length > kSegmentMaximum) {
            why = TrText("Picture", "its EXIF block of %1 bytes is more than a JPEG file holds")
                      .arg(exif.size());
            return false;
        }
        exifSegment = QByteArray("\xff\xe1", 2);
        exifSegment.resize(4);
        Put16(exifSegment, 2, uint32_t(length), true);
        exifSegment += kExifPrefix + exif;
    }
    QByteArray commentSegments;
    for (const QByteArray& comment : comments)
        commentSegments += JpegSegment(kComment, comment);
    // JFIF first, as its readers expect; the EXIF block right after it.
    encoded = encoded.left(2) + jfif + exifSegment + commentSegments + others + encoded.mid(at);
    return true;
}

// ---- PNG: chunks, each with its CRC -----------------------------------

// IPTC in a PNG, as ImageMagick writes it and exiftool and Exiv2 read it: a
// text chunk of the records in hex.
QByteArray RawIptcProfile(const QByteArray& records) {
    QByteArray text = "\niptc\n" + QByteArray::number(records.size()).rightJustified(8) + '\n';
    const QByteArray hex = records.toHex();
    for (qsizetype at = 0; at < hex.size(); at += 72)
        text += hex.mid(at, 72) + '\n';
    return text;
}

bool PutPngMetadata(QByteArray& encoded, const ResultFacts& facts, const ResultBlocks& blocks,
                    QString& why) {
    const QByteArray& exif = blocks.exif;
    const QByteArray& iptc = blocks.iptc;
    if (!encoded.startsWith(PngChunks::kSignature)) {
        why = TrText("Picture", "the encoder made no PNG");
        return false;
    }
    QByteArray ours;
    if (facts.dpi) {
        QByteArray phys = Make32(uint32_t(std::lround(facts.dpi->x * kInchesPerMetre)), true) +
                          Make32(uint32_t(std::lround(facts.dpi->y * kInchesPerMetre)), true);
        phys += char(1); // unit: the metre
        ours += PngChunks::Chunk("pHYs", phys);
    }
    if (!exif.isEmpty())
        ours += PngChunks::Chunk("eXIf", exif);
    if (!iptc.isEmpty())
        ours += PngChunks::Chunk("tEXt",
                                 QByteArray("Raw profile type iptc\0", 22) + RawIptcProfile(iptc));
    ours += blocks.pngTexts;
    QByteArray rebuilt = PngChunks::kSignature;
    qsizetype at = PngChunks::kSignature.size();
    while (at + 12 <= encoded.size()) {
        const qsizetype length = 12 + qsizetype(Get32(encoded, at, true));
        const QByteArray type = encoded.mid(at + 4, 4);
        if (length > encoded.size() - at)
            break;
        // Ours go before the pixels, where every reader looks for them.
        if (type == "IDAT" && !ours.isEmpty()) {
            rebuilt += ours;
            ours.clear();
        }
        if (type != "eXIf" && type != "pHYs")
            rebuilt += encoded.mid(at, length);
        at += length;
    }
    encoded = rebuilt;
    return true;
}

// ---- WebP: RIFF chunks ------------------------------------------------

constexpr uint8_t kVp8xExif = 0x08;
constexpr uint8_t kVp8xAlpha = 0x10;
constexpr int kRiffHeader = 12;

QByteArray RiffChunk(const QByteArray& fourcc, const QByteArray& data) {
    QByteArray chunk = fourcc + Make32(uint32_t(data.size()), false) + data;
    if (data.size() % 2)
        chunk += '\0';
    return chunk;
}

bool PutWebpMetadata(QByteArray& encoded, const ResultFacts& facts, const QByteArray& exif,
                     QString& why) {
    if (encoded.size() < kRiffHeader || !encoded.startsWith("RIFF") ||
        encoded.mid(8, 4) != "WEBP") {
        why = TrText("Picture", "the encoder made no WebP");
        return false;
    }
    QList<std::pair<QByteArray, QByteArray>> chunks;
    for (qsizetype at = kRiffHeader; at + 8 <= encoded.size();) {
        const qsizetype length = Get32(encoded, at + 4, false);
        chunks.append({encoded.mid(at, 4), encoded.mid(at + 8, length)});
        at += 8 + length + (length % 2);
    }
    chunks.removeIf([](const auto& chunk) { return chunk.first == "EXIF"; });
    if (chunks.isEmpty()) {
        why = TrText("Picture", "the encoder made an empty WebP");
        return false;
    }
    if (!exif.isEmpty() && chunks.first().first != "VP8X") {
        // The simple formats hold nothing but pixels: the extended header
        // announces the block; a lossless picture says itself whether it
        // uses alpha.
        const QByteArray& image = chunks.first().second;
        const bool alpha =
            chunks.first().first == "VP8L" && image.size() > 4 && (At(image, 4) & kVp8xAlpha) != 0;
        QByteArray header(10, '\0');
        header[0] = char(alpha ? kVp8xAlpha : 0);
        const uint32_t w = uint32_t(facts.width - 1);
        const uint32_t h = uint32_t(facts.height - 1);
        for (int i = 0; i < 3; ++i) {
            header[4 + i] = char((w >> (8 * i)) & 0xff);
            header[7 + i] = char((h >> (8 * i)) & 0xff);
        }
        chunks.prepend({"VP8X", header});
    }
    if (chunks.first().first == "VP8X" && !chunks.first().second.isEmpty()) {
        QByteArray& header = chunks.first().second;
        header[0] = char(exif.isEmpty() ? At(header, 0) & ~kVp8xExif : At(header, 0) | kVp8xExif);
    }
    // The block goes after the pixels and before the XMP, in the order the
    // format sets.
    qsizetype place = chunks.size();
    if (chunks.last().first == "XMP ")
        --place;
    if (!exif.isEmpty())
        chunks.insert(place, {"EXIF", exif});
    QByteArray body = "WEBP";
    for (const auto& [fourcc, data] : chunks)
        body += RiffChunk(fourcc, data);
    encoded = "RIFF" + Make32(uint32_t(body.size()), false) + body;
    return true;
}

// ---- BMP and PCX: resolution fields in their headers -------------------

constexpr int kBmpXPerMetre = 38;
constexpr int kBmpYPerMetre = 42;
constexpr int kBmpHeader = 46;
constexpr int kPcxXDpi = 12;
constexpr int kPcxYDpi = 14;
constexpr int kPcxHeader = 128;

// ImageMagick's writer takes no resolution from libvips; 0 is how both
// headers say "none stated".
void StampResolution(QByteArray& encoded, uint32_t format, const ResultFacts& facts) {
    const int32_t x = facts.dpi ? facts.dpi->x : 0;
    const int32_t y = facts.dpi ? facts.dpi->y : 0;
    if (format == ImageFormat::Bmp && encoded.size() >= kBmpHeader) {
        Put32(encoded, kBmpXPerMetre, uint32_t(std::lround(x * kInchesPerMetre)), false);
        Put32(encoded, kBmpYPerMetre, uint32_t(std::lround(y * kInchesPerMetre)), false);
    } else if (format == ImageFormat::Pcx && encoded.size() >= kPcxHeader) {
        Put16(encoded, kPcxXDpi, uint32_t(x), false);
        Put16(encoded, kPcxYDpi, uint32_t(y), false);
    }
}

} // namespace

bool PutResultMetadata(QByteArray& encoded, uint32_t format, const ResultFacts& facts,
                       const ResultBlocks& blocks, QString& why) {
    const QByteArray& exif = blocks.exif;
    switch (format) {
    case ImageFormat::Jpeg:
        return PutJpegMetadata(encoded, facts, exif, blocks.comments, why);
    case ImageFormat::Png:
        return PutPngMetadata(encoded, facts, blocks, why);
    case ImageFormat::Webp:
        return PutWebpMetadata(encoded, facts, exif, why);
    case ImageFormat::Avif:
    case ImageFormat::Heic:
        return PutHeifExif(encoded, exif, why);
    case ImageFormat::Jxl:
        return PutJxlMetadata(encoded, exif, blocks.xmp, why);
    case ImageFormat::Tiff:
        return PutTiffMetadata(encoded, facts, blocks, why);
    case ImageFormat::Bmp:
    case ImageFormat::Pcx:
        StampResolution(encoded, format, facts);
        return true;
    default:
        return true;
    }
}
