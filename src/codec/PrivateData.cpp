// SPDX-License-Identifier: MIT
#include "codec/PrivateData.h"

#include <QString>

QString PrivateKindName(uint32_t kind) {
    switch (kind) {
    case PrivateKind::Gps:
        return QStringLiteral("GPS position");
    case PrivateKind::Serials:
        return QStringLiteral("serial numbers");
    case PrivateKind::Owners:
        return QStringLiteral("owner and author names");
    case PrivateKind::MakerNotes:
        return QStringLiteral("maker notes");
    case PrivateKind::Places:
        return QStringLiteral("place names");
    case PrivateKind::Contacts:
        return QStringLiteral("contact details");
    default:
        return QStringLiteral("all other metadata");
    }
}

uint32_t KindsRemovedBy(int level) {
    if (level <= MetadataLevel::KeepAll)
        return 0;
    const uint32_t all = (1u << PrivateKind::Count) - 1;
    return level >= MetadataLevel::ProfileOnly ? all : all & ~PrivateKind::Other;
}
