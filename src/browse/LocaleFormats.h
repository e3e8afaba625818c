// SPDX-License-Identifier: MIT
#pragma once

#include "platform/LocaleInfo.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

// A moment as the file list keeps it: 100-nanosecond units since 1601-01-01
// UTC (a Windows file time), so rows sort by a plain number.
using FileTime = uint64_t;
FileTime ToFileTime(const QDateTime& moment);
QDateTime FromFileTime(FileTime time);

// Turns the file list's numbers into the user's regional text: a size with
// thousands separators, a file time as the short date and the time. The
// texts are read once; changing the regional settings takes effect at the
// next start. Read-only after construction, so any thread may use it.
class LocaleFormats {
public:
    explicit LocaleFormats(LocaleInfo info);

    // Separators into a decimal number text, in place: 1234567 -> 1,234,567.
    void GroupThousands(QString& text) const;
    // A size in the largest unit of 1024 that keeps it at least 1, with
    // one decimal: "812 bytes", "12.4 MB".
    QString FormatByteSize(uint64_t bytes) const;
    // The short date, a space and the time, in local time.
    QString FormatFileTime(FileTime time) const;
    // A locale picture in the date-formatting codes of FormatTime.
    static QString PictureToCodes(const QString& picture);

    const LocaleInfo& Info() const { return info_; }

private:
    LocaleInfo info_;
    QString dateCodes_;
    QString timeCodes_;
};

// The program's one LocaleFormats, read from the user's locale on first use.
const LocaleFormats& GetLocaleFormats();

// Formats a local date and time with the codes %#m %m %b %B %#d %d %A %y %Y
// %#H %H %#I %I %M %S %p (and %% for a percent sign), with English month and
// weekday names; any other text is copied as it stands.
QString FormatTime(const QString& codes, const QDateTime& moment);
