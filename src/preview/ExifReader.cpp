// SPDX-License-Identifier: MIT
#include "preview/ExifReader.h"

#include "codec/Image.h"
#include "platform/RegularFile.h"

#include <QFile>

#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>

namespace {
// exif_entry_get_value writes at most this much, with its zero.
constexpr int kValueBytes = 1024;
} // namespace

ExifReader::~ExifReader() {
    if (data)
        exif_data_unref(data);
}

int ExifReader::Load(const QString& path) {
    QFile file;
    if (!OpenRegularFile(file, path).isEmpty())
        return 0;
    ifdIndex = 0;
    entryIndex = 0;
    ExifLoader* loader = exif_loader_new();
    char chunk[kChunkBytes];
    for (;;) {
        const qint64 got = file.read(chunk, kChunkBytes);
        if (got <= 0)
            break;
        if (!exif_loader_write(loader, reinterpret_cast<unsigned char*>(chunk),
                               static_cast<unsigned int>(got)))
            break; // the loader has what it needs
        if (got < kChunkBytes)
            break;
    }
    if (data)
        exif_data_unref(data);
    data = exif_loader_get_data(loader);
    exif_loader_unref(loader);
    // The loader knows JPEG's segments only; a newer container's block
    // comes from libvips and is read the same way.
    if (!data) {
        const QByteArray block = ReadContainerExif(path);
        if (!block.isEmpty())
            data =
                exif_data_new_from_data(reinterpret_cast<const unsigned char*>(block.constData()),
                                        static_cast<unsigned int>(block.size()));
    }
    if (!data)
        return 0;
    return data->ifd[EXIF_IFD_0] && data->ifd[EXIF_IFD_0]->count > 0 ? 1 : 0;
}

ExifEntry* ExifReader::NextEntry() {
    if (!data)
        return nullptr;
    while (ifdIndex >= 0 && ifdIndex < kIfdCount &&
           (!data->ifd[ifdIndex] || entryIndex >= int64_t(data->ifd[ifdIndex]->count))) {
        ++ifdIndex;
        entryIndex = 0;
    }
    if (ifdIndex < 0 || ifdIndex >= kIfdCount || entryIndex < 0)
        return nullptr;
    ExifContent* content = data->ifd[ifdIndex];
    ExifEntry* entry = content->entries[entryIndex];
    if (++entryIndex >= int64_t(content->count)) {
        entryIndex = 0;
        ++ifdIndex;
    }
    return entry;
}

void ExifReader::Restart() {
    ifdIndex = 0;
    entryIndex = 0;
}

int ExifReader::EntryIfd(ExifEntry* entry) {
    return exif_entry_get_ifd(entry);
}

QString ExifReader::EntryTitle(ExifEntry* entry) {
    // GPS tags share their numbers with the Interoperability tags: the
    // title is the one of the IFD the entry stands in.
    const char* title = exif_tag_get_title_in_ifd(entry->tag, exif_entry_get_ifd(entry));
    return title ? QString::fromUtf8(title) : QString();
}

QString ExifReader::EntryValue(ExifEntry* entry) {
    char value[kValueBytes] = {};
    exif_entry_get_value(entry, value, sizeof value);
    return QString::fromUtf8(value);
}
