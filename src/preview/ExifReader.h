// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

struct _ExifData;
struct _ExifEntry;
using ExifData = _ExifData;
using ExifEntry = _ExifEntry;

// The EXIF block of one picture file, walked entry by entry over its five
// IFDs (0, 1, EXIF, GPS, Interoperability) in the order libexif stored them.
// Owns the data of its last load; an entry stays valid until the next
// load. One thread at a time.
class ExifReader {
public:
    static constexpr int kIfdCount = 5;
    static constexpr int kChunkBytes = 1024;

    ExifReader() = default;
    virtual ~ExifReader();
    ExifReader(const ExifReader&) = delete;
    ExifReader& operator=(const ExifReader&) = delete;

    // 1 when the file holds EXIF data whose IFD 0 has an entry, else 0. A
    // file that cannot be opened leaves the previous data in place.
    int Load(const QString& path);
    // The walk's next entry, IFD by IFD, or null when the walk is over.
    ExifEntry* NextEntry();
    void Restart();

    // The IFD the entry stands in.
    static int EntryIfd(ExifEntry* entry);
    // The tag's title as the IFD it stands in names it; empty for a tag the
    // library does not know.
    static QString EntryTitle(ExifEntry* entry);
    // The library's text of the value, as it gives it.
    static QString EntryValue(ExifEntry* entry);

    ExifData* data = nullptr;
    int32_t ifdIndex = 0;
    int32_t entryIndex = 0;
};
