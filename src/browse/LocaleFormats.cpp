// SPDX-License-Identifier: MIT
#include "browse/LocaleFormats.h"
#include "platform/UiText.h"

#include <array>
#include <ctime>

namespace {

constexpr int64_t kFileTimeUnitsPerMs = 10000;
// Milliseconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kEpochDifferenceMs = 11644473600000;
constexpr int kMinGroupedDigits = 4;
constexpr int kMaxGroupedDigits = 128;
constexpr qsizetype kMaxRun = 4096;

const QString kDelimiters = QStringLiteral(" -/,.:");

struct Token {
    const char* picture;
    const char* code;
};
constexpr std::array<Token, 16> kTokens{{
    {"M", "%#m"},
    {"MM", "%m"},
    {"MMM", "%b"},
    {"MMMM", "%B"},
    {"d", "%#d"},
    {"dd", "%d"},
    {"dddd", "%A"},
    {"yy", "%y"},
    {"yyyy", "%Y"},
    {"H", "%#H"},
    {"HH", "%H"},
    {"h", "%#I"},
    {"hh", "%I"},
    {"mm", "%M"},
    {"ss", "%S"},
    {"tt", "%p"},
}};

const std::array<const char*, 12> kMonths{"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
const std::array<const char*, 7> kWeekdays{"Monday", "Tuesday",  "Wednesday", "Thursday",
                                           "Friday", "Saturday", "Sunday"};

QString TwoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

FileTime ToFileTime(const QDateTime& moment) {
    const int64_t ms = moment.toMSecsSinceEpoch() + kEpochDifferenceMs;
    return ms < 0 ? 0 : FileTime(ms) * kFileTimeUnitsPerMs;
}

QDateTime FromFileTime(FileTime time) {
    return QDateTime::fromMSecsSinceEpoch(int64_t(time / kFileTimeUnitsPerMs) - kEpochDifferenceMs,
                                          Qt::UTC);
}

LocaleFormats::LocaleFormats(LocaleInfo info)
    : info_(std::move(info))
    , dateCodes_(PictureToCodes(info_.shortDatePicture.value_or(QString())))
    , timeCodes_(PictureToCodes(info_.timePicture.value_or(QString()))) {}

void LocaleFormats::GroupThousands(QString& text) const {
    QString sign;
    QString fraction;
    QString digits = text;
    const QString decimal = info_.decimalSeparator.value_or(QString());
    const qsizetype point = decimal.isEmpty() ? -1 : digits.indexOf(decimal);
    if (point >= 0) {
        fraction = digits.mid(point);
        digits.truncate(point);
    } else if (info_.negativeSign && !info_.negativeSign->isEmpty() &&
               digits.startsWith(*info_.negativeSign)) {
        sign = digits.left(1);
        digits.remove(0, 1);
    }
    const QString separator = info_.thousandsSeparator.value_or(QString()).left(1);
    if (digits.size() >= kMinGroupedDigits && digits.size() <= kMaxGroupedDigits &&
        !separator.isEmpty()) {
        for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
            digits.insert(at, separator);
    }
    text = sign + digits + fraction;
}

QString LocaleFormats::FormatByteSize(uint64_t bytes) const {
    static const char* const kUnits[] = {"KB", "MB", "GB", "TB", "PB"};
    if (bytes < 1024)
        return TrText("Browse", "%1 bytes").arg(bytes);
    double value = double(bytes) / 1024;
    size_t unit = 0;
    // 1023.96 KB would read 1024.0 KB: such a size is 1.0 MB.
    while (value >= 1023.95 && unit + 1 < std::size(kUnits)) {
        value /= 1024;
        ++unit;
    }
    const QString number = QString::number(value, 'f', 1);
    QString whole = number.left(number.size() - 2);
    GroupThousands(whole);
    return whole + info_.decimalSeparator.value_or(QStringLiteral(".")) + number.right(1) +
           QLatin1Char(' ') + QLatin1String(kUnits[unit]);
}

QString LocaleFormats::FormatFileTime(FileTime time) const {
    // The C library's own conversion: Qt's reads the zone's file again for
    // every time, a third of a big folder's listing.
    const time_t seconds = time_t(FromFileTime(time).toSecsSinceEpoch());
    struct tm parts {};
    if (!localtime_r(&seconds, &parts))
        return {};
    // Wall-clock fields only: the zone is not written.
    const QDateTime local(QDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday),
                          QTime(parts.tm_hour, parts.tm_min, parts.tm_sec), Qt::UTC);
    return FormatTime(dateCodes_, local) + QLatin1Char(' ') + FormatTime(timeCodes_, local);
}

QString LocaleFormats::PictureToCodes(const QString& picture) {
    QString codes;
    for (qsizetype i = 0; i < picture.size();) {
        const bool delimiter = kDelimiters.contains(picture[i]);
        qsizetype end = i + 1;
        while (end < picture.size() && end - i < kMaxRun &&
               kDelimiters.contains(picture[end]) == delimiter)
            ++end;
        const QString run = picture.mid(i, end - i);
        QString translated = run;
        if (!delimiter)
            for (const Token& token : kTokens)
                if (run == QLatin1String(token.picture))
                    translated = QLatin1String(token.code);
        codes += translated;
        i = end;
    }
    return codes;
}

const LocaleFormats& GetLocaleFormats() {
    static const LocaleFormats formats(ReadLocaleInfo());
    return formats;
}

QString FormatTime(const QString& codes, const QDateTime& moment) {
    if (!moment.isValid())
        return {};
    const QDate date = moment.date();
    const QTime time = moment.time();
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    QString text;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (codes[i] != QLatin1Char('%') || i + 1 >= codes.size()) {
            text += codes[i];
            continue;
        }
        const bool noZero = codes[i + 1] == QLatin1Char('#') && i + 2 < codes.size();
        const QChar code = codes[i + (noZero ? 2 : 1)];
        const auto number = [noZero](int value) {
            return noZero ? QString::number(value) : TwoDigits(value);
        };
        QString part;
        switch (code.unicode()) {
        case 'm':
            part = number(date.month());
            break;
        case 'b':
            part = QString::fromLatin1(kMonths[size_t(date.month() - 1)]).left(3);
            break;
        case 'B':
            part = QString::fromLatin1(kMonths[size_t(date.month() - 1)]);
            break;
        case 'd':
            part = number(date.day());
            break;
        case 'A':
            part = QString::fromLatin1(kWeekdays[size_t(date.dayOfWeek() - 1)]);
            break;
        case 'y':
            part = TwoDigits(date.year() % 100);
            break;
        case 'Y':
            part = QString::number(date.year());
            break;
        case 'H':
            part = number(time.hour());
            break;
        case 'I':
            part = number(hour12);
            break;
        case 'M':
            part = TwoDigits(time.minute());
            break;
        case 'S':
            part = TwoDigits(time.second());
            break;
        case 'p':
            part = time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
            break;
        case '%':
            part = QStringLiteral("%");
            break;
        default: // not one of ours: as it stands
            text += codes[i];
            continue;
        }
        text += part;
        i += noZero ? 2 : 1;
    }
    return text;
}
