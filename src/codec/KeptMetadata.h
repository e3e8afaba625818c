// SPDX-License-Identifier: MIT
#pragma once

#include "codec/ResultMetadata.h"

#include <QByteArray>

#include <cstdint>

// The blocks of metadata a result carries, made with Exiv2 from its
// source's. At KeepAll the source's own, with what the result changes;
// above it, built afresh from the entries the keep list names (KeepList.h),
// so that an entry nobody listed, in whatever namespace, block or form,
// never reaches a result. removed gains the PrivateKind of every entry
// that went. Safe on any thread once InitExiv2 has run.

// Starts Exiv2 for the process: its XMP toolkit is shared by all threads,
// behind a lock it is given here, and it says nothing on the terminal.
void InitExiv2();

// The EXIF block at a level above KeepAll: the kept entries of source
// (a bare TIFF structure, or one after "Exif\0\0"), the orientation 1, the
// pixel size and resolution of facts, no thumbnail. A bare TIFF structure
// in the source's byte order unless bigEndian asks for one; empty when
// nothing is kept.
QByteArray KeptExif(const QByteArray& source, const ResultFacts& facts,
                    std::optional<bool> bigEndian, int level, uint32_t& removed);

// The XMP packet: the orientation it states set to 1, and above KeepAll
// only the kept properties. A packet Exiv2 cannot read is kept whole at
// KeepAll and dropped above it.
QByteArray KeptXmp(const QByteArray& xmp, int level, uint32_t& removed);

// Photoshop's resource block (a JPEG's APP13, with or without its
// "Photoshop 3.0" prefix, "8BIM" records) for a result, from the source's
// block and, where the source had them apart (a TIFF's IPTC tag), its bare
// IPTC records. Its thumbnails and its copies of the EXIF and XMP always
// go, as they show and state the picture before it changed; above KeepAll
// only the IPTC resource, of kept records, stays.
// "8BIM" first; empty when nothing is left.
QByteArray KeptPhotoshop(const QByteArray& block, const QByteArray& iptc, int level,
                         uint32_t& removed);

// The IPTC records of a Photoshop block's IPTC resource; empty for none.
QByteArray IptcRecords(const QByteArray& block);

// The IPTC records of a TIFF's IPTC tag, whole, as Exiv2 reads them from
// the file at path; empty for none.
QByteArray ReadTiffIptc(const QByteArray& path);

// The orientation an XMP packet states (tiff:Orientation, 1 to 8); 0 when
// it states none.
int XmpOrientation(const QByteArray& xmp);
