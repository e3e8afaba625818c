// SPDX-License-Identifier: MIT
// A TIFF's EXIF, both ways. TIFF is itself the structure EXIF is made of:
// the camera's first-IFD tags (make, model, date) stand among the picture's
// own, and its EXIF and GPS IFDs hang from there. Writing, they join the
// result's first IFD and are appended; the encoder's resolution tags are
// replaced by exact ones, or removed when the result states none, on every
// page. Reading, they are gathered into an EXIF block of their own.
#include "codec/ByteFields.h"
#include "codec/ResultContainer.h"
#include "platform/UiText.h"

#include <QIODevice>
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
constexpr uint16_t kPhotoshop = 34377;
constexpr uint16_t kUndefined = 7;
constexpr uint16_t kShort = 3;
constexpr uint16_t kRational = 5;
constexpr uint16_t kInches = 2;
constexpr int kEntryBytes = 12;
constexpr int kMostPages = 100000;

// Tags that describe the pixels of the file they stand in, or that the
// encoder writes itself: never taken from the camera's block.
const std::set<uint16_t> kPictureTags = {
    254, 255, 256, 257, 258, 259, 262, 263, 266, 273, 274,   277,   278,   279,   280,  281, 282,
    283, 284, 286, 287, 296, 297, 317, 318, 319, 320, 322,   323,   324,   325,   330,  338, 339,
    340, 341, 347, 513, 514, 529, 530, 531, 532, 700, 33723, 34377, 34665, 34675, 34853};

// Tags whose values are offsets in the file.
const std::set<uint16_t> kIfdPointers = {330, kExifIfd, kGpsIfd, kInteropIfd};
const std::set<uint16_t> kOffsetTags = {273, 288, 324, 513};

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

// An IFD as the file holds it: its entries in tag order, then the offset of
// the next IFD.
QByteArray SerialiseIfd(QList<Entry> entries, uint32_t next, bool big) {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
    QByteArray out(2, '\0');
    Put16(out, 0, uint32_t(entries.size()), big);
    for (const Entry& entry : entries) {
        QByteArray field(8, '\0');
        Put16(field, 0, entry.tag, big);
        Put16(field, 2, entry.type, big);
        Put32(field, 4, entry.count, big);
        out += field + entry.value;
    }
    return out + Make32(next, big);
}

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
        const QByteArray written = Serialise(ifd.entries, ifd.next);
        bytes_.replace(ifd.at, written.size(), written);
    }

    QByteArray Serialise(const QList<Entry>& entries, uint32_t next) const {
        return SerialiseIfd(entries, next, big_);
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

// Every offset of a TIFF grows by delta, as when the bytes after its header
// move delta further on: the links between IFDs, the values kept out of
// line, and the values that are offsets themselves (sub-IFDs, strips,
// tiles).
void Relocate(QByteArray& bytes, uint32_t delta, bool big) {
    Tiff tiff(bytes);
    QList<uint32_t> pending = {tiff.FirstIfd()};
    std::set<uint32_t> seen;
    while (!pending.isEmpty()) {
        const uint32_t at = pending.takeFirst();
        std::optional<Ifd> ifd = tiff.Read(at);
        if (!ifd || !seen.insert(at).second)
            continue;
        for (Entry& entry : ifd->entries) {
            const bool ifds = kIfdPointers.count(entry.tag) != 0;
            const qsizetype element = TypeSize(entry.type);
            const qsizetype size = entry.DataSize();
            const uint32_t data = Get32(entry.value, 0, big);
            if ((ifds || kOffsetTags.count(entry.tag)) && (element == 2 || element == 4) &&
                (size <= 4 || qsizetype(data) + size <= bytes.size())) {
                QByteArray& holder = size <= 4 ? entry.value : bytes;
                const qsizetype first = size <= 4 ? 0 : data;
                for (qsizetype i = 0; i < qsizetype(entry.count); ++i) {
                    const qsizetype where = first + i * element;
                    const uint32_t value =
                        element == 2 ? Get16(holder, where, big) : Get32(holder, where, big);
                    if (ifds)
                        pending << value;
                    if (element == 2)
                        Put16(holder, where, value + delta, big);
                    else
                        Put32(holder, where, value + delta, big);
                }
            }
            if (size > 4)
                Put32(entry.value, 0, data + delta, big);
        }
        if (ifd->next)
            pending << ifd->next;
        tiff.WriteInPlace({ifd->at, ifd->entries, ifd->next ? ifd->next + delta : 0});
    }
    Put32(bytes, 4, tiff.FirstIfd() + delta, big);
}

// The last IFD of the chain from at; none when the chain is broken or
// loops.
std::optional<Ifd> LastIfd(const Tiff& tiff, uint32_t at) {
    std::optional<Ifd> ifd = tiff.Read(at);
    std::set<uint32_t> seen;
    for (int page = 0; ifd && ifd->next != 0; ++page) {
        if (page >= kMostPages || !seen.insert(uint32_t(ifd->at)).second)
            return std::nullopt;
        ifd = tiff.Read(ifd->next);
    }
    return ifd;
}

} // namespace

bool JoinTiffPages(QByteArray& encoded, const QList<QByteArray>& later, QString& why) {
    Tiff tiff(encoded);
    std::optional<Ifd> last = tiff.Valid() ? LastIfd(tiff, tiff.FirstIfd()) : std::nullopt;
    for (QByteArray page : later) {
        const Tiff alone(page);
        if (!last || !alone.Valid() || alone.BigEndian() != tiff.BigEndian() ||
            !alone.Read(alone.FirstIfd())) {
            why = QStringLiteral("the encoder made no TIFF");
            return false;
        }
        // The page's bytes after its header go to the end, at an even offset.
        if (encoded.size() % 2)
            encoded += '\0';
        if (encoded.size() + page.size() > qsizetype(UINT32_MAX)) {
            why = QStringLiteral("its pages together are more than a TIFF file can hold");
            return false;
        }
        // A list of offsets that overlaps the directory, or the header,
        // rewrites it as it moves: the directory is found where it was put,
        // and a page whose directory then no longer reads is refused.
        const uint32_t first = alone.FirstIfd();
        const auto delta = uint32_t(encoded.size() - 8);
        Relocate(page, delta, tiff.BigEndian());
        if (!alone.Read(first)) {
            why = QStringLiteral("the encoder made no TIFF");
            return false;
        }
        last->next = first + delta;
        tiff.WriteInPlace(*last);
        encoded += page.mid(8);
        last = LastIfd(tiff, last->next);
    }
    return true;
}

bool EachTiffPage(const QByteArray& bytes, const std::function<void(const QByteArray&)>& fn) {
    QByteArray alone = bytes;
    Tiff tiff(alone);
    if (!tiff.Valid())
        return false;
    std::set<uint32_t> seen;
    for (uint32_t at = tiff.FirstIfd(); at != 0;) {
        const std::optional<Ifd> ifd = tiff.Read(at);
        if (!ifd || seen.size() >= size_t(kMostPages) || !seen.insert(at).second)
            return false;
        const qsizetype next = ifd->at + 2 + ifd->entries.size() * kEntryBytes;
        Put32(alone, 4, at, tiff.BigEndian());
        Put32(alone, next, 0, tiff.BigEndian());
        fn(alone);
        Put32(alone, next, ifd->next, tiff.BigEndian());
        at = ifd->next;
    }
    return true;
}

bool PutTiffMetadata(QByteArray& encoded, const ResultFacts& facts, const ResultBlocks& blocks,
                     QString& why) {
    Tiff tiff(encoded);
    if (!tiff.Valid() || !tiff.Read(tiff.FirstIfd())) {
        why = TrText("Picture", "the encoder made no TIFF");
        return false;
    }
    std::optional<Ifd> camera;
    if (const QByteArray block = ResultExif(blocks.exif, facts, tiff.BigEndian());
        !block.isEmpty()) {
        // The camera's block goes right after the header, where its own
        // offsets already point, so nothing in it moves (maker notes keep
        // offsets of their own that no reader could mend); the picture's
        // bytes move behind it.
        QByteArray body = block.mid(8);
        if (body.size() % 2)
            body += '\0';
        Relocate(encoded, uint32_t(body.size()), tiff.BigEndian());
        encoded.insert(8, body);
        camera = tiff.Read(Get32(block, 4, tiff.BigEndian()));
    }
    const std::optional<Ifd> first = tiff.Read(tiff.FirstIfd());
    if (!first) {
        why = TrText("Picture", "the encoder made no TIFF");
        return false;
    }
    FixLaterPages(tiff, first->next, facts);
    QList<Entry> entries = first->entries;
    entries.removeIf([](const Entry& e) { return IsResolution(e) || e.tag == kOrientation; });
    entries += ResolutionEntries(tiff, facts);
    if (!blocks.photoshop.isEmpty()) {
        const uint32_t at = tiff.Append(blocks.photoshop);
        entries.append({kPhotoshop, kUndefined, uint32_t(blocks.photoshop.size()),
                        Make32(at, tiff.BigEndian())});
    }
    if (camera) {
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
    const uint32_t at = tiff.Append(tiff.Serialise(entries, first->next));
    Put32(encoded, 4, at, tiff.BigEndian());
    return true;
}

namespace {

// An entry with its whole value, wherever the file kept it.
struct Tagged {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    QByteArray value;
};

constexpr qint64 kMostValueBytes = qint64(4) << 20;

QList<Tagged> ReadIfd(QIODevice& file, quint32 at, bool big) {
    QList<Tagged> entries;
    if (!file.seek(at))
        return entries;
    const QByteArray head = file.read(2);
    if (head.size() < 2)
        return entries;
    const QByteArray table = file.read(qint64(Get16(head, 0, big)) * kEntryBytes);
    for (qsizetype e = 0; e + kEntryBytes <= table.size(); e += kEntryBytes) {
        Tagged entry{Get16(table, e, big), Get16(table, e + 2, big), Get32(table, e + 4, big), {}};
        const qint64 size = TypeSize(entry.type) * qint64(entry.count);
        if (size <= 4)
            entry.value = table.mid(e + 8, size);
        else if (size <= kMostValueBytes && file.seek(Get32(table, e + 8, big)))
            entry.value = file.read(size);
        if (entry.value.size() == size)
            entries << entry;
    }
    return entries;
}

std::optional<quint32> Pointer(const QList<Tagged>& entries, uint16_t tag, bool big) {
    for (const Tagged& entry : entries)
        if (entry.tag == tag && entry.value.size() == 4)
            return Get32(entry.value, 0, big);
    return std::nullopt;
}

// Lays IFDs out one after the other, each followed by its longer values;
// an entry whose tag names another IFD of the list points at it.
QByteArray LayOut(const QList<std::pair<uint16_t, QList<Tagged>>>& ifds, bool big) {
    QByteArray out = QByteArray(big ? "MM\0*" : "II*\0", 4) + Make32(8, big);
    QList<quint32> starts;
    quint32 at = 8;
    for (const auto& [pointer, entries] : ifds) {
        starts << at;
        at += 2 + quint32(entries.size()) * kEntryBytes + 4;
        for (const Tagged& entry : entries)
            if (entry.value.size() > 4)
                at += quint32(entry.value.size() + entry.value.size() % 2);
    }
    for (qsizetype i = 0; i < ifds.size(); ++i) {
        QList<Entry> table;
        QByteArray values;
        quint32 next = starts[i] + 2 + quint32(ifds[i].second.size()) * kEntryBytes + 4;
        for (const Tagged& entry : ifds[i].second) {
            QByteArray field = entry.value.leftJustified(4, '\0');
            for (qsizetype j = 0; j < ifds.size(); ++j)
                if (ifds[j].first == entry.tag)
                    field = Make32(starts[j], big);
            if (entry.value.size() > 4) {
                field = Make32(next, big);
                values += entry.value;
                if (values.size() % 2)
                    values += '\0';
                next = starts[i] + 2 + quint32(ifds[i].second.size()) * kEntryBytes + 4 +
                       quint32(values.size());
            }
            table.append({entry.tag, entry.type, entry.count, field});
        }
        out += SerialiseIfd(table, 0, big) + values;
    }
    return out;
}

} // namespace

QByteArray ReadTiffExif(QIODevice& file) {
    const QByteArray head = file.seek(0) ? file.read(8) : QByteArray();
    file.seek(0);
    const bool big = head.startsWith("MM\0*");
    if (head.size() < 8 || !(big || head.startsWith("II*\0")))
        return {};
    QList<Tagged> first = ReadIfd(file, Get32(head, 4, big), big);
    const std::optional<quint32> exifAt = Pointer(first, kExifIfd, big);
    const std::optional<quint32> gpsAt = Pointer(first, kGpsIfd, big);
    first.removeIf([&](const Tagged& e) {
        return e.tag != kExifIfd && e.tag != kGpsIfd && e.tag != kOrientation &&
               kPictureTags.count(e.tag);
    });
    QList<std::pair<uint16_t, QList<Tagged>>> ifds = {{0, first}};
    if (exifAt) {
        QList<Tagged> exif = ReadIfd(file, *exifAt, big);
        const std::optional<quint32> interopAt = Pointer(exif, kInteropIfd, big);
        ifds.append({kExifIfd, exif});
        if (interopAt)
            ifds.append({kInteropIfd, ReadIfd(file, *interopAt, big)});
    }
    if (gpsAt)
        ifds.append({kGpsIfd, ReadIfd(file, *gpsAt, big)});
    // Pointers to IFDs that could not be read go.
    for (auto& [pointer, entries] : ifds)
        entries.removeIf([&](const Tagged& e) {
            return (e.tag == kExifIfd || e.tag == kGpsIfd || e.tag == kInteropIfd) &&
                   std::none_of(ifds.begin(), ifds.end(),
                                [&](const auto& ifd) { return ifd.first == e.tag; });
        });
    file.seek(0);
    // Only the picture's own tags: no camera block to carry.
    if (first.isEmpty() ||
        (first.size() == 1 && first.front().tag == kOrientation && !exifAt && !gpsAt))
        return {};
    return LayOut(ifds, big);
}
