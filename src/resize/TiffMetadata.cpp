// SPDX-License-Identifier: MIT
// A TIFF result's EXIF and resolution. TIFF is itself the structure EXIF is
// made of: the camera's first-IFD tags (make, model, date) join the
// picture's first IFD, and its EXIF and GPS IFDs are appended and pointed
// at from there. The encoder's resolution tags are replaced by exact ones,
// or removed when the result states none, on every page.
#include "resize/ByteFields.h"
#include "resize/ResultContainer.h"

#include <QList>

#include <algorithm>
#include <optional>
#include <set>

namespace {

using namespace ByteFields;

constexpr uint16_t kOrientation = 274;
constexpr uint16_t kXResolution = 282;
constexpr uint16_t kYResolution = 283;
constexpr uint16_t kResolutionUnit = 296;
constexpr uint16_t kExifIfd = 34665;
constexpr uint16_t kGpsIfd = 34853;
constexpr uint16_t kInteropIfd = 40965;
constexpr uint16_t kShort = 3;
constexpr uint16_t kLong = 4;
constexpr uint16_t kRational = 5;
constexpr uint16_t kIfdType = 13;
constexpr uint16_t kInches = 2;
constexpr int kEntryBytes = 12;
constexpr int kMostPages = 100000;

// Tags that describe the pixels of the file they stand in, or that the
// encoder writes itself: never taken from the camera's block.
const std::set<uint16_t> kPictureTags = {
    254, 255, 256, 257, 258, 259, 262, 263, 266, 273, 274,   277,   278,   279,   280,  281, 282,
    283, 284, 286, 287, 296, 297, 317, 318, 319, 320, 322,   323,   324,   325,   330,  338, 339,
    340, 341, 347, 513, 514, 529, 530, 531, 532, 700, 33723, 34377, 34665, 34675, 34853};

qsizetype TypeSize(uint16_t type) {
    switch (type) {
    case 3:
    case 8:
        return 2;
    case 4:
    case 9:
    case 11:
    case 13:
        return 4;
    case 5:
    case 10:
    case 12:
        return 8;
    default:
        return 1;
    }
}

struct Entry {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    QByteArray value; // the 4-byte value or offset field, as stored

    qsizetype DataSize() const { return TypeSize(type) * qsizetype(count); }
};

struct Ifd {
    qsizetype at = 0;
    QList<Entry> entries;
    uint32_t next = 0;
};

class Tiff {
public:
    explicit Tiff(QByteArray& bytes)
        : bytes_(bytes)
        , big_(bytes.startsWith("MM\0*"))
        , valid_(big_ || bytes.startsWith("II*\0")) {}

    bool Valid() const { return valid_; }
    bool BigEndian() const { return big_; }
    uint32_t FirstIfd() const { return Get32(bytes_, 4, big_); }

    std::optional<Ifd> Read(uint32_t at) const {
        if (at < 8 || qsizetype(at) + 2 > bytes_.size())
            return std::nullopt;
        Ifd ifd{at, {}, 0};
        const int count = Get16(bytes_, at, big_);
        const qsizetype end = qsizetype(at) + 2 + qsizetype(count) * kEntryBytes;
        if (end + 4 > bytes_.size())
            return std::nullopt;
        for (int i = 0; i < count; ++i) {
            const qsizetype e = qsizetype(at) + 2 + qsizetype(i) * kEntryBytes;
            ifd.entries.append({Get16(bytes_, e, big_), Get16(bytes_, e + 2, big_),
                                Get32(bytes_, e + 4, big_), bytes_.mid(e + 8, 4)});
        }
        ifd.next = Get32(bytes_, end, big_);
        return ifd;
    }

    // Writes ifd's entries and next pointer where it stands; it must not
    // have grown.
    void WriteInPlace(const Ifd& ifd) {
        bytes_.replace(ifd.at, Serialise(ifd.entries, ifd.next).size(),
                       Serialise(ifd.entries, ifd.next));
    }

    QByteArray Serialise(QList<Entry> entries, uint32_t next) const {
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
        QByteArray out(2, '\0');
        Put16(out, 0, uint32_t(entries.size()), big_);
        for (const Entry& entry : entries) {
            QByteArray field(8, '\0');
            Put16(field, 0, entry.tag, big_);
            Put16(field, 2, entry.type, big_);
            Put32(field, 4, entry.count, big_);
            out += field + entry.value;
        }
        return out + Make32(next, big_);
    }

    QByteArray Short(uint16_t value) const {
        QByteArray field(4, '\0');
        Put16(field, 0, value, big_);
        return field;
    }

    QByteArray Rational(uint32_t numerator) const {
        return Make32(numerator, big_) + Make32(1, big_);
    }

    // Appends bytes at an even offset, as TIFF wants; returns where.
    uint32_t Append(const QByteArray& data) {
        if (bytes_.size() % 2)
            bytes_ += '\0';
        const auto at = uint32_t(bytes_.size());
        bytes_ += data;
        return at;
    }

    QByteArray& Bytes() { return bytes_; }

private:
    QByteArray& bytes_;
    bool big_;
    bool valid_;
};

// The resolution entries a page gets: exact whole numbers, or none.
QList<Entry> ResolutionEntries(Tiff& tiff, const ResultFacts& facts) {
    if (!facts.dpi)
        return {};
    const uint32_t x = tiff.Append(tiff.Rational(uint32_t(facts.dpi->x)));
    const uint32_t y = tiff.Append(tiff.Rational(uint32_t(facts.dpi->y)));
    return {{kXResolution, kRational, 1, Make32(x, tiff.BigEndian())},
            {kYResolution, kRational, 1, Make32(y, tiff.BigEndian())},
            {kResolutionUnit, kShort, 1, tiff.Short(kInches)}};
}

bool IsResolution(const Entry& entry) {
    return entry.tag == kXResolution || entry.tag == kYResolution || entry.tag == kResolutionUnit;
}

// Pages after the first: their resolution entries are set or removed where
// they stand.
void FixLaterPages(Tiff& tiff, uint32_t next, const ResultFacts& facts) {
    std::set<uint32_t> seen;
    for (int page = 0; next != 0 && page < kMostPages && seen.insert(next).second; ++page) {
        std::optional<Ifd> ifd = tiff.Read(next);
        if (!ifd)
            return;
        if (facts.dpi) {
            for (const Entry& entry : ifd->entries) {
                const bool x = entry.tag == kXResolution;
                const uint32_t at = Get32(entry.value, 0, tiff.BigEndian());
                if ((x || entry.tag == kYResolution) && entry.type == kRational &&
                    entry.count == 1 && qsizetype(at) + 8 <= tiff.Bytes().size())
                    tiff.Bytes().replace(at, 8,
                                         tiff.Rational(uint32_t(x ? facts.dpi->x : facts.dpi->y)));
            }
        } else {
            ifd->entries.removeIf(IsResolution);
            tiff.WriteInPlace(*ifd);
        }
        next = ifd->next;
    }
}

// The camera's block, moved to offset base of the file: every offset in
// its IFDs grows by base. Returns its first IFD, moved, or nothing.
std::optional<Ifd> Relocate(QByteArray& block, uint32_t base, bool big) {
    QByteArray bytes = block;
    Tiff exif(bytes);
    std::optional<Ifd> first;
    QList<uint32_t> pending = {exif.FirstIfd()};
    std::set<uint32_t> seen;
    while (!pending.isEmpty()) {
        const uint32_t at = pending.takeFirst();
        std::optional<Ifd> ifd = exif.Read(at);
        if (!ifd || !seen.insert(at).second)
            continue;
        for (Entry& entry : ifd->entries) {
            const uint32_t value = Get32(entry.value, 0, big);
            const bool pointer =
                entry.tag == kExifIfd || entry.tag == kGpsIfd || entry.tag == kInteropIfd;
            if (pointer && (entry.type == kLong || entry.type == kIfdType))
                pending << value;
            if (pointer || entry.DataSize() > 4)
                Put32(entry.value, 0, value + base, big);
        }
        // The thumbnail's IFD is gone; nothing follows the first.
        exif.WriteInPlace({ifd->at, ifd->entries, 0});
        if (at == exif.FirstIfd())
            first = exif.Read(at);
    }
    block = bytes;
    return first;
}

} // namespace

bool PutTiffMetadata(QByteArray& encoded, const ResultFacts& facts, const QByteArray& exif,
                     QString& why) {
    Tiff tiff(encoded);
    std::optional<Ifd> first = tiff.Valid() ? tiff.Read(tiff.FirstIfd()) : std::nullopt;
    if (!first) {
        why = QStringLiteral("the encoder made no TIFF");
        return false;
    }
    FixLaterPages(tiff, first->next, facts);

    QList<Entry> entries = first->entries;
    entries.removeIf([](const Entry& e) { return IsResolution(e) || e.tag == kOrientation; });
    entries += ResolutionEntries(tiff, facts);
    if (!exif.isEmpty()) {
        QByteArray block = ResultExif(exif, facts, tiff.BigEndian());
        // Its offsets count from its own start: once appended, from the file's.
        const auto base = uint32_t(encoded.size() + encoded.size() % 2);
        const std::optional<Ifd> camera = Relocate(block, base, tiff.BigEndian());
        if (camera) {
            tiff.Append(block);
            std::set<uint16_t> present;
            for (const Entry& entry : entries)
                present.insert(entry.tag);
            for (const Entry& entry : camera->entries) {
                const bool pointer = entry.tag == kExifIfd || entry.tag == kGpsIfd;
                if (!present.count(entry.tag) &&
                    (pointer || entry.tag == kOrientation || !kPictureTags.count(entry.tag)))
                    entries << entry;
            }
        }
    }
    const uint32_t at = tiff.Append(tiff.Serialise(entries, first->next));
    Put32(encoded, 4, at, tiff.BigEndian());
    return true;
}
