// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// A PNG file's chunks, read and written by hand where libraries fall
// short: Qt's reader cuts a text key at its first ":", and no writer we
// use puts text chunks of our choosing.
namespace PngChunks {

extern const QByteArray kSignature;

// One chunk: length, type, data and its CRC.
QByteArray Chunk(const QByteArray& type, const QByteArray& data);
// The uncompressed text chunks (tEXt, and iTXt without compression) of
// the PNG whose first bytes these are, before or after the pixels: key to
// text. Empty when the bytes are no PNG.
QHash<QString, QString> Texts(const QByteArray& png);
// png with tEXt chunks (Latin-1) for texts, in the order given, right after
// its header; false when png is no PNG.
bool AddTexts(QByteArray& png, const QList<std::pair<QByteArray, QByteArray>>& texts);

} // namespace PngChunks
