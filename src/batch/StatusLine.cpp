// SPDX-License-Identifier: MIT
#include "batch/StatusLine.h"

#include "batch/ResizeTexts.h"

#include <QList>

QString FormatStatusLine(const QString& verb, const QString& path) {
    const QList<uint> characters = path.toUcs4();
    if (characters.size() <= kStatusPathWhole)
        return verb + path;
    const QList<uint> tail = characters.mid(characters.size() - kStatusPathTail);
    return verb + ResizeText::Ellipsis +
           QString::fromUcs4(reinterpret_cast<const char32_t*>(tail.constData()), tail.size());
}
