// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdint>

// How much of a photo's metadata a result keeps.
namespace MetadataLevel {
constexpr int KeepAll = 0;
// No location, serial number, owner, maker notes, thumbnail or IPTC
// contact; the camera, exposure, date, copyright and profile stay.
constexpr int NoPrivate = 1;
// Only the colour profile and the resolution.
constexpr int ProfileOnly = 2;
} // namespace MetadataLevel

// Kinds of private data, as bits: what a result had removed, or still holds.
namespace PrivateKind {
constexpr uint32_t Gps = 1;
constexpr uint32_t Serials = 2;
constexpr uint32_t Owners = 4;
constexpr uint32_t MakerNotes = 8;
constexpr uint32_t Places = 16;   // place names in XMP and IPTC
constexpr uint32_t Contacts = 32; // IPTC and XMP contact details
constexpr uint32_t Other = 64;    // anything else, for ProfileOnly
constexpr uint32_t Count = 7;
} // namespace PrivateKind

// The kind's name as the batch reports it: "GPS position", ...
QString PrivateKindName(uint32_t kind);
// The kinds a level removes.
uint32_t KindsRemovedBy(int level);

// XMP with what level removes taken out; removed gains the kinds it found.
QByteArray StripXmp(const QByteArray& xmp, int level, uint32_t& removed);
// A Photoshop resource block (a JPEG's APP13, with or without its
// "Photoshop 3.0" prefix): the IPTC records and thumbnails level removes
// taken out; empty when nothing is left.
QByteArray StripPhotoshopBlock(const QByteArray& block, int level, uint32_t& removed);

// The kinds of private data an XMP packet or a Photoshop block holds; Other
// for anything at all.
uint32_t PrivateDataInXmp(const QByteArray& xmp);
uint32_t PrivateDataInPhotoshop(const QByteArray& block);
