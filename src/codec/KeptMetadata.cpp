// SPDX-License-Identifier: MIT
#include "codec/KeptMetadata.h"

#include "codec/ByteFields.h"
#include "codec/KeepList.h"
#include "codec/PrivateData.h"

#include <exiv2/exiv2.hpp>

#include <mutex>
#include <string>

namespace {

using namespace ByteFields;

const QByteArray kExifPrefix("Exif\0\0", 6);
const QByteArray kPhotoshopPrefix("Photoshop 3.0\0", 14);
constexpr uint16_t kIptcResource = 0x0404;
constexpr uint16_t kExifResource = 0x0422;
constexpr uint16_t kXmpResource = 0x0424;
constexpr uint16_t kThumbnailResources[] = {0x0409, 0x040c};

const Exiv2::byte* Bytes(const QByteArray& data) {
    return reinterpret_cast<const Exiv2::byte*>(data.constData());
}

// Calls keep(id, data) for each resource of a Photoshop block ("8BIM"
// records), which returns the data to keep (empty: drop it); returns the
// new block. Malformed data ends the walk, keeping what came before.
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

// The kinds an Exiv2 container's entries hold, those not kept at level.
template <typename Data> uint32_t DroppedKinds(const Data& data, int level) {
    uint32_t kinds = 0;
    for (const auto& datum : data)
        if (!IsKept(datum.key(), level))
            kinds |= KindOfEntry(datum.key());
    return kinds;
}

Exiv2::ExifData DecodeExif(const QByteArray& block, Exiv2::ByteOrder& order) {
    Exiv2::ExifData data;
    const QByteArray bare = block.startsWith(kExifPrefix) ? block.mid(kExifPrefix.size()) : block;
    if (!bare.isEmpty())
        order = Exiv2::ExifParser::decode(data, Bytes(bare), uint32_t(bare.size()));
    return data;
}

// An XMP packet as Exiv2 reads it; false when it cannot.
bool DecodeXmp(const QByteArray& packet, Exiv2::XmpData& data) {
    try {
        return Exiv2::XmpParser::decode(data, packet.toStdString()) == 0;
    } catch (const std::exception&) {
        return false;
    }
}

QByteArray EncodeXmp(const Exiv2::XmpData& data) {
    std::string packet;
    if (data.empty() ||
        Exiv2::XmpParser::encode(packet, data, Exiv2::XmpParser::useCompactFormat) != 0)
        return {};
    return QByteArray::fromStdString(packet);
}

// The IPTC records of a block's IPTC resource, else those given apart.
Exiv2::IptcData DecodeIptc(const QByteArray& resources, const QByteArray& apart) {
    Exiv2::IptcData records;
    const Exiv2::byte* record = nullptr;
    uint32_t header = 0;
    uint32_t size = 0;
    try {
        if (Exiv2::Photoshop::locateIptcIrb(Bytes(resources), long(resources.size()), &record,
                                            &header, &size) == 0)
            Exiv2::IptcParser::decode(records, record + header, size);
        else if (!apart.isEmpty())
            Exiv2::IptcParser::decode(records, Bytes(apart), uint32_t(apart.size()));
    } catch (const std::exception&) {
        records.clear();
    }
    return records;
}

// A Photoshop block holding only an IPTC resource of records; empty for none.
QByteArray IptcBlock(const QByteArray& resources, const Exiv2::IptcData& records) {
    const Exiv2::DataBuf block =
        Exiv2::Photoshop::setIptcIrb(Bytes(resources), long(resources.size()), records);
    return QByteArray(reinterpret_cast<const char*>(block.pData_), qsizetype(block.size_));
}

} // namespace

void InitExiv2() {
    static std::once_flag once;
    std::call_once(once, [] {
        static std::mutex toolkit;
        Exiv2::XmpParser::initialize(
            [](void* data, bool lock) {
                auto* mutex = static_cast<std::mutex*>(data);
                lock ? mutex->lock() : mutex->unlock();
            },
            &toolkit);
        // A damaged block is reported through the result, not the terminal.
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    });
}

QByteArray KeptExif(const QByteArray& source, const ResultFacts& facts,
                    std::optional<bool> bigEndian, int level, uint32_t& removed) {
    InitExiv2();
    Exiv2::ByteOrder order = Exiv2::littleEndian;
    Exiv2::ExifData kept;
    try {
        const Exiv2::ExifData all = DecodeExif(source, order);
        removed |= DroppedKinds(all, level) & KindsRemovedBy(level);
        for (const Exiv2::Exifdatum& datum : all)
            if (IsKept(datum.key(), level))
                kept.add(datum);
    } catch (const std::exception&) {
        removed |= PrivateKind::Other & KindsRemovedBy(level);
        kept.clear();
    }
    if (bigEndian)
        order = *bigEndian ? Exiv2::bigEndian : Exiv2::littleEndian;
    if (kept.findKey(Exiv2::ExifKey("Exif.Image.Orientation")) != kept.end())
        kept["Exif.Image.Orientation"] = uint16_t(1);
    for (const auto& [key, value] : {std::pair("Exif.Photo.PixelXDimension", facts.width),
                                     std::pair("Exif.Photo.PixelYDimension", facts.height)})
        if (kept.findKey(Exiv2::ExifKey(key)) != kept.end())
            kept[key] = uint32_t(value);
    for (const char* key :
         {"Exif.Image.XResolution", "Exif.Image.YResolution", "Exif.Image.ResolutionUnit"})
        if (auto at = kept.findKey(Exiv2::ExifKey(key)); at != kept.end())
            kept.erase(at);
    if (facts.dpi) {
        kept["Exif.Image.XResolution"] = Exiv2::URational(uint32_t(facts.dpi->x), 1);
        kept["Exif.Image.YResolution"] = Exiv2::URational(uint32_t(facts.dpi->y), 1);
        kept["Exif.Image.ResolutionUnit"] = uint16_t(2); // inches
    }
    if (kept.empty())
        return {};
    Exiv2::Blob blob;
    try {
        Exiv2::ExifParser::encode(blob, order, kept);
    } catch (const std::exception&) {
        return {};
    }
    return QByteArray(reinterpret_cast<const char*>(blob.data()), qsizetype(blob.size()));
}

QByteArray KeptXmp(const QByteArray& xmp, int level, uint32_t& removed) {
    if (xmp.isEmpty())
        return xmp;
    InitExiv2();
    Exiv2::XmpData all;
    if (!DecodeXmp(xmp, all)) {
        if (level <= MetadataLevel::KeepAll)
            return ResultXmp(xmp);
        removed |= PrivateKind::Other & KindsRemovedBy(level);
        return {};
    }
    const Exiv2::XmpKey orientation("Xmp.tiff.Orientation");
    if (level <= MetadataLevel::KeepAll) {
        // Kept as it came, unless it states a turn the pixels no longer need.
        const auto stated = all.findKey(orientation);
        if (stated == all.end() || stated->toString() == "1")
            return xmp;
        all["Xmp.tiff.Orientation"] = "1";
        const QByteArray packet = EncodeXmp(all);
        return packet.isEmpty() ? ResultXmp(xmp) : packet;
    }
    removed |= DroppedKinds(all, level) & KindsRemovedBy(level);
    Exiv2::XmpData kept;
    for (const Exiv2::Xmpdatum& datum : all)
        if (IsKept(datum.key(), level))
            kept.add(datum);
    if (kept.findKey(orientation) != kept.end())
        kept["Xmp.tiff.Orientation"] = "1";
    return EncodeXmp(kept);
}

QByteArray KeptPhotoshop(const QByteArray& block, const QByteArray& iptc, int level,
                         uint32_t& removed) {
    if (block.isEmpty() && iptc.isEmpty())
        return {};
    InitExiv2();
    const QByteArray resources =
        block.startsWith(kPhotoshopPrefix) ? block.mid(kPhotoshopPrefix.size()) : block;
    Exiv2::IptcData records = DecodeIptc(resources, iptc);
    if (level <= MetadataLevel::KeepAll) {
        // Its thumbnails show the picture as it was, and its copies of the
        // EXIF and the XMP state the old size, turn and thumbnail: the
        // result's own blocks say it all, true.
        const QByteArray kept = EachResource(resources, [](uint16_t id, const QByteArray& data) {
            const bool stale = id == kThumbnailResources[0] || id == kThumbnailResources[1] ||
                               id == kExifResource || id == kXmpResource;
            return stale ? QByteArray() : data;
        });
        return IptcBlock(kept, records);
    }
    // What the other resources hold goes with them: a copy of the EXIF or
    // the XMP is judged entry by entry for the summary.
    uint32_t found = DroppedKinds(records, level);
    EachResource(resources, [&](uint16_t id, const QByteArray& data) {
        Exiv2::ByteOrder order = Exiv2::littleEndian;
        Exiv2::XmpData xmp;
        try {
            if (id == kExifResource)
                found |= DroppedKinds(DecodeExif(data, order), level);
            else if (id == kXmpResource && DecodeXmp(data, xmp))
                found |= DroppedKinds(xmp, level);
            else if (id != kIptcResource)
                found |= PrivateKind::Other;
        } catch (const std::exception&) {
            found |= PrivateKind::Other;
        }
        return data;
    });
    removed |= found & KindsRemovedBy(level);
    Exiv2::IptcData kept;
    // An empty record says nothing, and a reader may not even see it.
    for (const Exiv2::Iptcdatum& record : records)
        if (IsKept(record.key(), level) && record.size() > 0)
            kept.add(record);
    // Only envelope records left say nothing: no block at all then.
    const bool says = std::any_of(kept.begin(), kept.end(), [](const Exiv2::Iptcdatum& record) {
        return record.recordName() != "Envelope" && record.tagName() != "RecordVersion";
    });
    return says ? IptcBlock({}, kept) : QByteArray();
}

QByteArray IptcRecords(const QByteArray& block) {
    const Exiv2::byte* record = nullptr;
    uint32_t header = 0;
    uint32_t size = 0;
    if (block.isEmpty() || Exiv2::Photoshop::locateIptcIrb(Bytes(block), long(block.size()),
                                                           &record, &header, &size) != 0)
        return {};
    return QByteArray(reinterpret_cast<const char*>(record + header), qsizetype(size));
}

QByteArray ReadTiffIptc(const QByteArray& path) {
    InitExiv2();
    try {
        auto file = Exiv2::ImageFactory::open(path.toStdString());
        file->readMetadata();
        if (file->iptcData().empty())
            return {};
        const Exiv2::DataBuf records = Exiv2::IptcParser::encode(file->iptcData());
        return QByteArray(reinterpret_cast<const char*>(records.pData_), qsizetype(records.size_));
    } catch (const std::exception&) {
        return {};
    }
}

int XmpOrientation(const QByteArray& xmp) {
    if (xmp.isEmpty())
        return 0;
    InitExiv2();
    Exiv2::XmpData data;
    if (!DecodeXmp(xmp, data))
        return 0;
    const auto stated = data.findKey(Exiv2::XmpKey("Xmp.tiff.Orientation"));
    if (stated == data.end())
        return 0;
    const long value = stated->toLong();
    return value >= 1 && value <= 8 ? int(value) : 0;
}
