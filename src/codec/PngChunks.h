// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
#include <QSize>
#include <QString>

class QIODevice;

// A PNG file's chunks, read and written by hand where libraries fall
// short: Qt's reader cuts a text key at its first ":", and no writer we
// use puts text chunks of our choosing.
namespace PngChunks {

extern const QByteArray kSignature;

// One chunk: length, type, data and its CRC.
QByteArray Chunk(const QByteArray& type, const QByteArray& data);
// The width and height the header of the PNG whose first bytes these are
// states; empty when the bytes are no PNG.
QSize Size(const QByteArray& png);
// The uncompressed text chunks (tEXt, and iTXt without compression) of
// the PNG whose first bytes these are, before or after the pixels: key to
// text. Empty when the bytes are no PNG.
QHash<QString, QString> Texts(const QByteArray& png);
// png with tEXt chunks (Latin-1) for texts, in the order given, right after
// its header; false when png is no PNG.
bool AddTexts(QByteArray& png, const QList<std::pair<QByteArray, QByteArray>>& texts);

// What a PNG file holds beside its pixels, which libvips 8.14 does not
// read: its EXIF (the eXIf chunk), its XMP (the iTXt chunk libraries write
// it in) and every other text chunk, whole, for a PNG result to carry.
struct Metadata {
    QByteArray exif;
    QByteArray xmp;
    QByteArray texts; // tEXt, zTXt and iTXt chunks, one after another
};
// Walks the chunk headers only, keeping at most a few megabytes of each
// kind. Leaves the file at its start.
Metadata ReadMetadata(QIODevice& file);

} // namespace PngChunks
