// SPDX-License-Identifier: MIT
#include "platform/FixedText.h"

#include <cstring>

QByteArray Utf8Prefix(const QString& text, int maxBytes) {
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= maxBytes)
        return utf8;
    int end = std::max(maxBytes, 0);
    // Step back over continuation bytes (10xxxxxx) to a character's start.
    while (end > 0 && (uchar(utf8[end]) & 0xC0) == 0x80)
        --end;
    utf8.truncate(end);
    return utf8;
}

bool FitsFixedText(const QString& text, int bufferBytes) {
    return text.toUtf8().size() < bufferBytes;
}

QString NearestFittingFolder(const QString& path, int bufferBytes) {
    QString folder = path;
    while (!FitsFixedText(folder, bufferBytes)) {
        const qsizetype slash = folder.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return {};
        folder.truncate(slash);
    }
    return folder;
}

QString TextUpToZero(const char* bytes, int size) {
    const void* zero = std::memchr(bytes, 0, size_t(size));
    const int length = zero ? int(static_cast<const char*>(zero) - bytes) : size;
    return QString::fromUtf8(bytes, length);
}
