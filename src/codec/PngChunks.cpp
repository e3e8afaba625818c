// SPDX-License-Identifier: MIT
#include "codec/PngChunks.h"

#include "codec/ByteFields.h"

#include <QIODevice>

#include <array>
#include <cstdint>

namespace {

using namespace ByteFields;

constexpr qsizetype kHeaderDataBytes = 13;
constexpr qsizetype kHeaderChunkBytes = 8 + 12 + kHeaderDataBytes; // signature, then IHDR

uint32_t Crc32(const QByteArray& bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t crc = 0xffffffffu;
    for (const char byte : bytes)
        crc = table[(crc ^ uint8_t(byte)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
}

} // namespace

namespace PngChunks {

const QByteArray kSignature("\x89PNG\r\n\x1a\n", 8);

QByteArray Chunk(const QByteArray& type, const QByteArray& data) {
    const QByteArray body = type + data;
    return Make32(uint32_t(data.size()), true) + body + Make32(Crc32(body), true);
}

QSize Size(const QByteArray& png) {
    if (!png.startsWith(kSignature) || png.size() < kHeaderChunkBytes ||
        Get32(png, kSignature.size(), true) != kHeaderDataBytes ||
        png.mid(kSignature.size() + 4, 4) != "IHDR")
        return {};
    // Stated as 31-bit numbers; anything larger is no PNG.
    const uint32_t width = Get32(png, kSignature.size() + 8, true);
    const uint32_t height = Get32(png, kSignature.size() + 12, true);
    if (width > INT32_MAX || height > INT32_MAX)
        return {};
    return {int(width), int(height)};
}

QHash<QString, QString> Texts(const QByteArray& png) {
    QHash<QString, QString> texts;
    if (!png.startsWith(kSignature))
        return texts;
    for (qsizetype at = kSignature.size(); at + 8 <= png.size();) {
        const qsizetype length = Get32(png, at, true);
        const QByteArray type = png.mid(at + 4, 4);
        if (type == "IEND" || length > png.size() - at - 12)
            break;
        const QByteArray data = png.mid(at + 8, length);
        const qsizetype zero = data.indexOf('\0');
        if (type == "tEXt" && zero > 0) {
            texts.insert(QString::fromLatin1(data.left(zero)),
                         QString::fromLatin1(data.mid(zero + 1)));
        } else if (type == "iTXt" && zero > 0 && zero + 2 < data.size() && data[zero + 1] == 0) {
            // After the key: compression flag, method, language and translated key.
            const qsizetype language = data.indexOf('\0', zero + 3);
            const qsizetype translated = language < 0 ? -1 : data.indexOf('\0', language + 1);
            if (translated > 0)
                texts.insert(QString::fromLatin1(data.left(zero)),
                             QString::fromUtf8(data.mid(translated + 1)));
        }
        at += 12 + length;
    }
    return texts;
}

bool AddTexts(QByteArray& png, const QList<std::pair<QByteArray, QByteArray>>& texts) {
    if (Size(png).isEmpty())
        return false;
    QByteArray chunks;
    for (const auto& [key, text] : texts)
        chunks += Chunk("tEXt", key + '\0' + text);
    png.insert(kHeaderChunkBytes, chunks);
    return true;
}

Metadata ReadMetadata(QIODevice& file) {
    constexpr qint64 kMostBytes = qint64(16) << 20;
    static const QByteArray xmpKey("XML:com.adobe.xmp\0", 18);
    Metadata found;
    qint64 at = kSignature.size();
    while (at + 12 <= file.size() && file.seek(at)) {
        const QByteArray head = file.read(8);
        const qint64 length = head.size() == 8 ? qint64(Get32(head, 0, true)) : -1;
        const QByteArray type = head.mid(4, 4);
        if (length < 0 || length > file.size() - at - 12 || type == "IEND")
            break;
        const bool text = type == "tEXt" || type == "zTXt" || type == "iTXt";
        if ((type == "eXIf" || text) && length <= kMostBytes) {
            const QByteArray data = file.read(length);
            if (type == "eXIf" && found.exif.isEmpty())
                found.exif = data;
            // An iTXt: key, compressed or not, method, language, key again,
            // then the text, deflated when compressed.
            else if (type == "iTXt" && data.startsWith(xmpKey)) {
                const bool compressed = data.size() > xmpKey.size() && data[xmpKey.size()] == 1;
                const qsizetype language = data.indexOf('\0', xmpKey.size() + 2);
                const qsizetype translated = language < 0 ? -1 : data.indexOf('\0', language + 1);
                if (translated > 0)
                    found.xmp = compressed ? qUncompress(Make32(uint32_t(data.size() * 4), true) +
                                                         data.mid(translated + 1))
                                           : data.mid(translated + 1);
            } else if (text && !data.startsWith("Raw profile type exif") &&
                       !data.startsWith("Raw profile type APP1") &&
                       !data.startsWith("Raw profile type xmp") &&
                       found.texts.size() + length <= kMostBytes) {
                // Old copies of the EXIF and XMP (ImageMagick's) would state
                // the old size and turn beside the result's own blocks.
                file.seek(at);
                found.texts += file.read(12 + length);
            }
        }
        at += 12 + length;
    }
    file.seek(0);
    return found;
}

} // namespace PngChunks
