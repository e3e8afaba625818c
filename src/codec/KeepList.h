// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// What a shared result may keep of its source's metadata, by entry, as
// Exiv2 names them ("Exif.Photo.FNumber", "Xmp.dc.rights",
// "Iptc.Application2.Copyright"). The list says what is kept; everything
// else goes, whatever its namespace, block or chunk: an entry nobody listed
// is removed, never passed. At NoPrivate the camera, lens, exposure, date
// taken, copyright, colour profile and resolution stay; at ProfileOnly the
// profile and the resolution. The entries a container needs to be read at
// all (a TIFF's strips, a pointer to the EXIF directory) count as kept.

// Whether the entry called key is kept at level (a MetadataLevel); at
// KeepAll every entry is.
bool IsKept(const std::string& key, int level);

// The PrivateKind of what the entry called key holds: a position, a serial
// number, a person, a place, a contact, maker notes; Other for the rest.
uint32_t KindOfEntry(const std::string& key);
