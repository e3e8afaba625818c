// SPDX-License-Identifier: MIT
#include "codec/ResultMetadata.h"

#include <QDate>
#include <QRegularExpression>
#include <QString>

#include <libexif/exif-data.h>
#include <libexif/exif-mem.h>
#include <libexif/exif-utils.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const QByteArray kExifPrefix("Exif\0\0", 6);

struct ExifDataUnref {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};
using ExifPtr = std::unique_ptr<ExifData, ExifDataUnref>;

ExifPtr NewExifData() {
    ExifPtr data(exif_data_new());
    // Taken as the camera wrote it: libexif's standard-conforming option
    // would add the mandatory 72 DPI to a picture that states no resolution, and drop
    // tags libexif does not know. The maker notes it knows it moves with
    // their offsets mended.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
    return data;
}

bool HoldsEntries(const ExifData* data) {
    for (const ExifContent* content : data->ifd)
        if (content && content->count > 0)
            return true;
    return false;
}

ExifPtr LoadExif(const QByteArray& source) {
    if (source.isEmpty())
        return nullptr;
    const QByteArray block = source.startsWith(kExifPrefix) ? source : kExifPrefix + source;
    ExifPtr data = NewExifData();
    // libexif reads Apple's maker notes but writes them back empty; their
    // offsets count from their own start, so they move whole unchanged.
    if (block.contains(QByteArray("Apple iOS\0", 10)))
        exif_data_set_option(data.get(), EXIF_DATA_OPTION_DONT_CHANGE_MAKER_NOTE);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char*>(block.constData()),
                        static_cast<unsigned int>(block.size()));
    return HoldsEntries(data.get()) ? std::move(data) : nullptr;
}

// Gives entry a new value of its own format and size. libexif's default
// allocator is the C library's, which its entries were made with.
void SetValue(ExifEntry* entry, ExifFormat format, const QByteArray& bytes) {
    ExifMem* mem = exif_mem_new_default();
    void* value = exif_mem_alloc(mem, ExifLong(bytes.size()));
    if (value) {
        std::memcpy(value, bytes.constData(), size_t(bytes.size()));
        exif_mem_free(mem, entry->data);
        entry->data = static_cast<unsigned char*>(value);
        entry->size = static_cast<unsigned int>(bytes.size());
        entry->format = format;
        entry->components = static_cast<unsigned long>(bytes.size()) / exif_format_get_size(format);
    }
    exif_mem_unref(mem);
}

ExifEntry* EntryFor(ExifData* data, ExifIfd ifd, ExifTag tag) {
    if (ExifEntry* entry = exif_content_get_entry(data->ifd[ifd], tag))
        return entry;
    ExifEntry* entry = exif_entry_new();
    entry->tag = tag;
    exif_content_add_entry(data->ifd[ifd], entry);
    exif_entry_unref(entry);
    return entry;
}

void SetShort(ExifData* data, ExifIfd ifd, ExifTag tag, ExifShort value) {
    QByteArray bytes(2, '\0');
    exif_set_short(reinterpret_cast<unsigned char*>(bytes.data()), exif_data_get_byte_order(data),
                   value);
    SetValue(EntryFor(data, ifd, tag), EXIF_FORMAT_SHORT, bytes);
}

void SetLong(ExifData* data, ExifIfd ifd, ExifTag tag, ExifLong value) {
    QByteArray bytes(4, '\0');
    exif_set_long(reinterpret_cast<unsigned char*>(bytes.data()), exif_data_get_byte_order(data),
                  value);
    SetValue(EntryFor(data, ifd, tag), EXIF_FORMAT_LONG, bytes);
}

void SetWholeRational(ExifData* data, ExifIfd ifd, ExifTag tag, ExifLong value) {
    QByteArray bytes(8, '\0');
    exif_set_rational(reinterpret_cast<unsigned char*>(bytes.data()),
                      exif_data_get_byte_order(data), ExifRational{value, 1});
    SetValue(EntryFor(data, ifd, tag), EXIF_FORMAT_RATIONAL, bytes);
}

void Remove(ExifData* data, ExifIfd ifd, ExifTag tag) {
    if (ExifEntry* entry = exif_content_get_entry(data->ifd[ifd], tag))
        exif_content_remove_entry(data->ifd[ifd], entry);
}

void DropThumbnail(ExifData* data) {
    ExifContent* thumbnail = data->ifd[EXIF_IFD_1];
    while (thumbnail && thumbnail->count > 0)
        exif_content_remove_entry(thumbnail, thumbnail->entries[0]);
    std::free(data->data);
    data->data = nullptr;
    data->size = 0;
}

constexpr ExifShort kUpright = 1;
constexpr ExifShort kInches = 2;

} // namespace

QByteArray ResultExif(const QByteArray& source, const ResultFacts& facts,
                      std::optional<bool> bigEndian) {
    ExifPtr data = LoadExif(source);
    if (!data) {
        // A resolution set for a type that holds it only in EXIF needs a block.
        if (!facts.dpi)
            return {};
        data = NewExifData();
        exif_data_set_byte_order(data.get(), EXIF_BYTE_ORDER_INTEL);
    }
    if (bigEndian)
        exif_data_set_byte_order(data.get(),
                                 *bigEndian ? EXIF_BYTE_ORDER_MOTOROLA : EXIF_BYTE_ORDER_INTEL);
    DropThumbnail(data.get());
    if (exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION))
        SetShort(data.get(), EXIF_IFD_0, EXIF_TAG_ORIENTATION, kUpright);
    for (const auto& [tag, value] : {std::pair(EXIF_TAG_PIXEL_X_DIMENSION, facts.width),
                                     std::pair(EXIF_TAG_PIXEL_Y_DIMENSION, facts.height)}) {
        if (exif_content_get_entry(data->ifd[EXIF_IFD_EXIF], tag))
            SetLong(data.get(), EXIF_IFD_EXIF, tag, ExifLong(value));
    }
    if (facts.dpi) {
        SetWholeRational(data.get(), EXIF_IFD_0, EXIF_TAG_X_RESOLUTION, ExifLong(facts.dpi->x));
        SetWholeRational(data.get(), EXIF_IFD_0, EXIF_TAG_Y_RESOLUTION, ExifLong(facts.dpi->y));
        SetShort(data.get(), EXIF_IFD_0, EXIF_TAG_RESOLUTION_UNIT, kInches);
    } else {
        for (const ExifTag tag :
             {EXIF_TAG_X_RESOLUTION, EXIF_TAG_Y_RESOLUTION, EXIF_TAG_RESOLUTION_UNIT})
            Remove(data.get(), EXIF_IFD_0, tag);
    }
    unsigned char* saved = nullptr;
    unsigned int size = 0;
    exif_data_save_data(data.get(), &saved, &size);
    QByteArray block;
    if (saved && size > unsigned(kExifPrefix.size()))
        block = QByteArray(reinterpret_cast<const char*>(saved) + kExifPrefix.size(),
                           qsizetype(size) - kExifPrefix.size());
    std::free(saved);
    return block;
}

QByteArray ResultXmp(const QByteArray& xmp) {
    QString text = QString::fromUtf8(xmp);
    if (xmp.isEmpty() || text.toUtf8() != xmp)
        return xmp; // not UTF-8 XMP: left as it came rather than spoilt
    // The prefix is whatever the packet binds to the TIFF namespace.
    static const QRegularExpression binding(QStringLiteral(
        R"(xmlns:([A-Za-z_][\w.-]*)\s*=\s*["']http://ns\.adobe\.com/tiff/1\.0/["'])"));
    QStringList prefixes;
    for (const QRegularExpressionMatch& match : binding.globalMatch(text))
        prefixes << QRegularExpression::escape(match.captured(1));
    for (const QString& prefix : prefixes) {
        const QRegularExpression attribute(
            QStringLiteral(R"(\b%1:Orientation\s*=\s*["']\s*(\d+)\s*["'])").arg(prefix));
        const QRegularExpression element(
            QStringLiteral(R"(<%1:Orientation(?:\s[^>]*)?>\s*(\d+)\s*</%1:Orientation>)")
                .arg(prefix));
        for (const QRegularExpression* form : {&attribute, &element}) {
            QList<QRegularExpressionMatch> matches;
            for (const QRegularExpressionMatch& match : form->globalMatch(text))
                matches.prepend(match); // from the end, so earlier offsets stay right
            for (const QRegularExpressionMatch& match : matches)
                text.replace(match.capturedStart(1), match.capturedLength(1), QStringLiteral("1"));
        }
    }
    return text.toUtf8();
}

std::optional<StatedDpi> ExifResolution(const QByteArray& exif) {
    constexpr double kCmPerInch = 2.54;
    const ExifPtr data = LoadExif(exif);
    if (!data)
        return std::nullopt;
    const ExifByteOrder order = exif_data_get_byte_order(data.get());
    const auto value = [&](ExifTag tag) -> double {
        const ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], tag);
        if (!entry || entry->format != EXIF_FORMAT_RATIONAL || entry->size < 8)
            return 0;
        const ExifRational r = exif_get_rational(entry->data, order);
        return r.denominator ? double(r.numerator) / r.denominator : 0;
    };
    const ExifEntry* unit = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_RESOLUTION_UNIT);
    const double scale = unit && unit->format == EXIF_FORMAT_SHORT && unit->size >= 2 &&
                                 exif_get_short(unit->data, order) == 3
                             ? kCmPerInch
                             : 1.0;
    const double x = value(EXIF_TAG_X_RESOLUTION) * scale;
    const double y = value(EXIF_TAG_Y_RESOLUTION) * scale;
    if (x <= 0 || y <= 0)
        return std::nullopt;
    return StatedDpi{int32_t(std::lround(x)), int32_t(std::lround(y))};
}

QByteArray ExifDateTaken(const QByteArray& exif) {
    const ExifPtr data = LoadExif(exif);
    if (!data)
        return {};
    const std::pair<ExifIfd, ExifTag> places[] = {{EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL},
                                                  {EXIF_IFD_0, EXIF_TAG_DATE_TIME}};
    // A camera that does not know leaves the date blank, or zeros: the
    // next place is asked then.
    for (const auto& [ifd, tag] : places) {
        const ExifEntry* entry = exif_content_get_entry(data->ifd[ifd], tag);
        if (!entry || entry->format != EXIF_FORMAT_ASCII || entry->size == 0)
            continue;
        const QByteArray text(
            reinterpret_cast<const char*>(entry->data),
            qsizetype(qstrnlen(reinterpret_cast<const char*>(entry->data), entry->size)));
        if (QDate::fromString(QString::fromLatin1(text.left(10)), QStringLiteral("yyyy:MM:dd"))
                .isValid())
            return text;
    }
    return {};
}
