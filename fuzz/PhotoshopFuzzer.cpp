// SPDX-License-Identifier: MIT
// The Photoshop block code meets a source's resource block (a JPEG's
// APP13) and a TIFF's bare IPTC records, and keeps what a result may.
#include "FuzzInput.h"

#include "codec/KeepList.h"
#include "codec/KeptMetadata.h"
#include "codec/PrivateData.h"

#include <exiv2/exiv2.hpp>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    InitExiv2();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const int level = input.Byte() % 3;
    const QByteArray iptc = input.Part();
    const QByteArray block = input.Rest();
    IptcRecords(block);
    uint32_t removed = 0;
    const QByteArray kept = KeptPhotoshop(block, iptc, level, removed);
    Promise(kept.isEmpty() || kept.startsWith("8BIM"), "a kept block starts with a resource");
    // Above KeepAll the block is built afresh from kept records alone: one
    // built so keeps itself whole. (KeepAll passes on the source's own
    // records, even those a second reading would drop.)
    uint32_t again = 0;
    if (level == MetadataLevel::KeepAll)
        return 0;
    Promise(KeptPhotoshop(kept, {}, level, again) == kept, "a built block is kept as it is");
    const QByteArray records = IptcRecords(kept);
    Exiv2::IptcData decoded;
    Exiv2::IptcParser::decode(decoded, reinterpret_cast<const Exiv2::byte*>(records.constData()),
                              uint32_t(records.size()));
    for (const Exiv2::Iptcdatum& record : decoded)
        Promise(IsKept(record.key(), level), "a built block holds only kept records");
    return 0;
}
