// SPDX-License-Identifier: MIT
#include "codec/PrivateData.h"

#include "codec/ByteFields.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>

namespace {

using namespace ByteFields;

// XMP properties that name a place, a person or a single camera, by the
// namespace they belong to: a packet may bind any prefix to it.
struct XmpPrivate {
    const char* uri;
    const char* names; // a pattern for the property's local name
    uint32_t kind;
};
constexpr XmpPrivate kXmpPrivate[] = {
    {"http://ns.adobe.com/exif/1.0/", "GPS\\w*", PrivateKind::Gps},
    {"http://ns.adobe.com/exif/1.0/", "ImageUniqueID", PrivateKind::Serials},
    {"http://ns.adobe.com/exif/1.0/aux/", "SerialNumber|LensSerialNumber", PrivateKind::Serials},
    {"http://ns.adobe.com/exif/1.0/aux/", "OwnerName", PrivateKind::Owners},
    {"http://cipa.jp/exif/1.0/", "BodySerialNumber|LensSerialNumber|ImageUniqueID",
     PrivateKind::Serials},
    {"http://cipa.jp/exif/1.0/", "CameraOwnerName", PrivateKind::Owners},
    {"http://ns.adobe.com/tiff/1.0/", "Artist", PrivateKind::Owners},
    {"http://purl.org/dc/elements/1.1/", "creator", PrivateKind::Owners},
    {"http://ns.adobe.com/photoshop/1.0/", "City|State|Country", PrivateKind::Places},
    {"http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/", "Location|CountryCode", PrivateKind::Places},
    {"http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/", "CreatorContactInfo", PrivateKind::Contacts},
    {"http://iptc.org/std/Iptc4xmpExt/2008-02-29/", "LocationCreated|LocationShown",
     PrivateKind::Places},
};

// The forms a property takes in a packet bound to prefix: an attribute,
// an empty element, an element with content.
QList<QRegularExpression> XmpForms(const QString& prefix, const QString& names) {
    const QString name = QStringLiteral("%1:(?:%2)").arg(QRegularExpression::escape(prefix), names);
    return {
        QRegularExpression(QStringLiteral(R"(\s%1\s*=\s*(?:"[^"]*"|'[^']*'))").arg(name)),
        QRegularExpression(QStringLiteral(R"(<%1(?:\s[^>]*)?/>)").arg(name)),
        QRegularExpression(QStringLiteral(R"(<(%1)(?:\s[^>]*)?>.*?</\1\s*>)").arg(name),
                           QRegularExpression::DotMatchesEverythingOption),
    };
}

// The kinds found in text; with remove, taken out of it.
uint32_t XmpEntries(QString& text, bool remove) {
    uint32_t found = 0;
    for (const XmpPrivate& property : kXmpPrivate) {
        const QRegularExpression binding(
            QStringLiteral(R"(xmlns:([A-Za-z_][\w.-]*)\s*=\s*["']%1["'])")
                .arg(QRegularExpression::escape(QString::fromLatin1(property.uri))));
        for (const QRegularExpressionMatch& bound : binding.globalMatch(text)) {
            for (const QRegularExpression& form :
                 XmpForms(bound.captured(1), QString::fromLatin1(property.names))) {
                if (!form.match(text).hasMatch())
                    continue;
                found |= property.kind;
                if (remove)
                    text.remove(form);
            }
        }
    }
    return found;
}

// IPTC datasets of record 2 that name a person or a place.
uint32_t IptcKind(uint8_t record, uint8_t dataset) {
    if (record != 2)
        return 0;
    switch (dataset) {
    case 80:  // By-line
    case 85:  // By-line title
    case 122: // Writer/editor
        return PrivateKind::Owners;
    case 90:  // City
    case 92:  // Sub-location
    case 95:  // Province/state
    case 100: // Country code
    case 101: // Country
        return PrivateKind::Places;
    case 118: // Contact
        return PrivateKind::Contacts;
    default:
        return 0;
    }
}

constexpr uint16_t kIptcResource = 0x0404;
constexpr uint16_t kThumbnailResources[] = {0x0409, 0x040c};
const QByteArray kPhotoshopPrefix("Photoshop 3.0\0", 14);

// The IPTC datasets of iptc without those of the kinds in drop; found
// gains the kinds of every private dataset seen. Malformed data ends the
// walk, keeping what came before.
QByteArray FilterIptc(const QByteArray& iptc, uint32_t drop, uint32_t& found) {
    QByteArray kept;
    qsizetype at = 0;
    while (at + 5 <= iptc.size() && uint8_t(iptc[at]) == 0x1c) {
        const uint16_t length = Get16(iptc, at + 3, true);
        if (length & 0x8000 || at + 5 + length > iptc.size())
            break; // extended lengths are for binary records, never text
        const uint32_t kind = IptcKind(uint8_t(iptc[at + 1]), uint8_t(iptc[at + 2]));
        found |= kind;
        if (!(kind & drop))
            kept += iptc.mid(at, 5 + length);
        at += 5 + length;
    }
    return kept;
}

// Walks a Photoshop resource block: calls keep(id, data) for each
// resource, which returns the data to keep (empty: drop it); returns the
// new block.
template <typename Keep> QByteArray EachResource(const QByteArray& block, Keep keep) {
    QByteArray out;
    qsizetype at = 0;
    while (at + 12 <= block.size() && block.mid(at, 4) == "8BIM") {
        const uint16_t id = Get16(block, at + 4, true);
        const int nameLength = uint8_t(block[at + 6]);
        const qsizetype nameBytes = (1 + nameLength + 1) & ~qsizetype(1);
        const qsizetype sizeAt = at + 6 + nameBytes;
        if (sizeAt + 4 > block.size())
            break;
        const uint32_t size = Get32(block, sizeAt, true);
        if (sizeAt + 4 + qsizetype(size) > block.size())
            break;
        const QByteArray data = keep(id, block.mid(sizeAt + 4, size));
        if (!data.isEmpty()) {
            out += block.mid(at, 6 + nameBytes);
            out += Make32(uint32_t(data.size()), true) + data;
            if (data.size() % 2)
                out += '\0';
        }
        at = sizeAt + 4 + qsizetype(size) + (size % 2);
    }
    return out;
}

} // namespace

QString PrivateKindName(uint32_t kind) {
    switch (kind) {
    case PrivateKind::Gps:
        return QStringLiteral("GPS position");
    case PrivateKind::Serials:
        return QStringLiteral("serial numbers");
    case PrivateKind::Owners:
        return QStringLiteral("owner and author names");
    case PrivateKind::MakerNotes:
        return QStringLiteral("maker notes");
    case PrivateKind::Places:
        return QStringLiteral("place names");
    case PrivateKind::Contacts:
        return QStringLiteral("contact details");
    default:
        return QStringLiteral("all other metadata");
    }
}

uint32_t KindsRemovedBy(int level) {
    if (level <= MetadataLevel::KeepAll)
        return 0;
    const uint32_t all = (1u << PrivateKind::Count) - 1;
    return level >= MetadataLevel::ProfileOnly ? all : all & ~PrivateKind::Other;
}

QByteArray StripXmp(const QByteArray& xmp, int level, uint32_t& removed) {
    if (xmp.isEmpty() || level <= MetadataLevel::KeepAll)
        return xmp;
    if (level >= MetadataLevel::ProfileOnly) {
        removed |= PrivateDataInXmp(xmp);
        return {};
    }
    QString text = QString::fromUtf8(xmp);
    // Not UTF-8: nothing in it can be trusted to be found, so none of it stays.
    if (text.toUtf8() != xmp) {
        removed |= PrivateKind::Other;
        return {};
    }
    removed |= XmpEntries(text, true);
    return text.toUtf8();
}

uint32_t PrivateDataInXmp(const QByteArray& xmp) {
    if (xmp.isEmpty())
        return 0;
    QString text = QString::fromUtf8(xmp);
    return XmpEntries(text, false) | PrivateKind::Other;
}

QByteArray StripPhotoshopBlock(const QByteArray& block, int level, uint32_t& removed) {
    if (block.isEmpty() || level <= MetadataLevel::KeepAll)
        return block;
    const bool prefixed = block.startsWith(kPhotoshopPrefix);
    const QByteArray resources = prefixed ? block.mid(kPhotoshopPrefix.size()) : block;
    if (level >= MetadataLevel::ProfileOnly) {
        removed |= PrivateDataInPhotoshop(block);
        return {};
    }
    const QByteArray kept = EachResource(resources, [&](uint16_t id, const QByteArray& data) {
        if (std::find(std::begin(kThumbnailResources), std::end(kThumbnailResources), id) !=
            std::end(kThumbnailResources))
            return QByteArray();
        if (id != kIptcResource)
            return data;
        uint32_t found = 0;
        const QByteArray iptc = FilterIptc(data, KindsRemovedBy(level), found);
        removed |= found;
        return iptc;
    });
    if (kept.isEmpty())
        return {};
    return prefixed ? kPhotoshopPrefix + kept : kept;
}

uint32_t PrivateDataInPhotoshop(const QByteArray& block) {
    if (block.isEmpty())
        return 0;
    uint32_t found = PrivateKind::Other;
    const QByteArray resources =
        block.startsWith(kPhotoshopPrefix) ? block.mid(kPhotoshopPrefix.size()) : block;
    EachResource(resources, [&](uint16_t id, const QByteArray& data) {
        if (id == kIptcResource)
            FilterIptc(data, 0, found);
        return data;
    });
    return found;
}
