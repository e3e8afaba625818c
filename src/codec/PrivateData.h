// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdint>

// How much of a photo's metadata a result keeps.
namespace MetadataLevel {
constexpr int KeepAll = 0;
// Only what the keep list names (KeepList.h): the camera, lens, exposure,
// date taken, copyright, colour profile and resolution.
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
