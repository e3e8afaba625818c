// SPDX-License-Identifier: MIT
#include "browse/LocaleFormats.h"
#include "TestSupport.h"
#include "browse/FolderListing.h"

#include <ctime>

namespace {

LocaleInfo English() {
    return {u"-"_s, u"."_s, u","_s, u"M/d/yyyy"_s, u"h:mm:ss tt"_s};
}

// The status bar's sizes and counts, in the user's separators.
TEST(LocaleFormatsTest, SizesAndTheFolderSummaryReadAsTheRegionWritesNumbers) {
    LocaleInfo french = English();
    french.thousandsSeparator = u"\u202f"_s;
    french.decimalSeparator = u","_s;
    struct Case {
        LocaleInfo info;
        uint64_t bytes;
        const char* text;
    } const cases[] = {
        {English(), 0, "0 bytes"},
        {English(), 1023, "1023 bytes"},
        {English(), 1024, "1.0 KB"},
        {English(), 13002342, "12.4 MB"},
        {french, 13002342, "12,4 MB"},
        {English(), 1048575, "1.0 MB"}, // not "1024.0 KB"
        {English(), uint64_t(1536) << 30, "1.5 TB"},
        {English(), uint64_t(3000) << 50, "3,000.0 PB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LocaleFormats(c.info).FormatByteSize(c.bytes).toStdString(), c.text) << c.bytes;

    const ShellNamespace shell;
    const LocaleFormats formats(french);
    const FolderListing listing(shell, formats);
    EXPECT_EQ(listing.SummaryText(1514, 3, 13002342), u"1\u202f514 pictures, 3 marked, 12,4 MB"_s);
    EXPECT_EQ(listing.SummaryText(1, 0, 0), u"1 picture"_s);
}

TEST(LocaleFormatsTest, GroupsThousandsLikeTheRegionalSettings) {
    LocaleInfo wide = English();
    wide.thousandsSeparator = u"'~"_s; // only its first character counts
    LocaleInfo none = English();
    none.thousandsSeparator.reset();
    const std::string tooLong(129, '9'); // longer runs of digits stay as they are
    struct Case {
        LocaleInfo info;
        const char* in;
        const char* out;
    } const cases[] = {
        // Plain groups are the size column's, tested with the listing.
        {English(), "999", "999"},
        {English(), "-1234", "-1,234"},
        {English(), "1234567.891", "1,234,567.891"},
        {wide, "1024000", "1'024'000"},
        {none, "1024000", "1024000"},
        {English(), tooLong.c_str(), tooLong.c_str()},
        // A locale with digits of its own gets Latin separators for Latin digits.
        {ReadLocaleInfo(QLocale(u"ar_EG"_s)), "2813", "2,813"},
        {ReadLocaleInfo(QLocale(u"de_DE"_s)), "2813", "2.813"},
    };
    for (const Case& c : cases) {
        QString text = QString::fromLatin1(c.in);
        LocaleFormats(c.info).GroupThousands(text);
        EXPECT_EQ(text.toStdString(), c.out) << c.in;
    }
}

// The short date and time of a file in local time, through the codes the
// Windows pictures become: unknown codes and literal text stay as written.
TEST(LocaleFormatsTest, FormatsAFileTimeAsTheShortDateAndTheTimeInLocalTime) {
    const QDateTime moment(QDate(2003, 3, 7), QTime(15, 5, 9), Qt::LocalTime);
    const FileTime time = ToFileTime(moment);
    EXPECT_EQ(FromFileTime(time), moment.toUTC());
    EXPECT_EQ(LocaleFormats(English()).FormatFileTime(time), u"3/7/2003 3:05:09 PM"_s);
    LocaleInfo other = English();
    other.shortDatePicture = u"'Week' ddd, MMMM d"_s;
    other.timePicture = u"HH:mm"_s;
    EXPECT_EQ(LocaleFormats(other).FormatFileTime(time), u"'Week' ddd, March 7 15:05"_s);
    EXPECT_EQ(FormatTime(u"%A %B %#H %I %p %% %q"_s,
                         QDateTime(QDate(2024, 12, 29), QTime(0, 7), Qt::LocalTime)),
              u"Sunday December 0 12 AM % %q"_s);

    // A zone with summer time: each file's own offset, before 1970 too.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    tzset();
    for (const QDate day : {QDate(2003, 7, 1), QDate(2003, 1, 1), QDate(1960, 1, 1)}) {
        const FileTime berlin = ToFileTime(QDateTime(day, QTime(15, 5, 9), Qt::LocalTime));
        EXPECT_EQ(LocaleFormats(English()).FormatFileTime(berlin),
                  u"%1/%2/%3 3:05:09 PM"_s.arg(day.month()).arg(day.day()).arg(day.year()));
        EXPECT_EQ(FromFileTime(berlin).toUTC().time().hour(), day.month() == 7 ? 13 : 14);
    }
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    tzset();
}

// The numbers of a text in order, whatever digits the locale writes them in.
QList<int> Numbers(const QString& text) {
    QList<int> numbers;
    bool inNumber = false;
    for (QChar c : text) {
        const int digit = c.digitValue();
        if (digit < 0) {
            inNumber = false;
        } else {
            if (!inNumber)
                numbers.append(0);
            numbers.last() = numbers.last() * 10 + digit;
            inNumber = true;
        }
    }
    return numbers;
}

// Real locales: the list shows the locale's own short date, with the
// year's century, and its time with seconds, with English names, and never
// a code, quote or bracket.
TEST(LocaleFormatsTest, RealLocalesShowTheirOwnShortDateAndTimeWhole) {
    const QDateTime moment(QDate(2003, 11, 27), QTime(15, 5, 9), Qt::LocalTime);
    for (const char* name : {"en_US", "de_DE", "fr_FR", "es_ES", "ja_JP", "ko_KR", "zh_TW", "bg_BG",
                             "ar_EG", "fa_IR", "fr_CA", "hu_HU"}) {
        const QLocale locale{QLatin1String(name)};
        const QString shown =
            LocaleFormats(ReadLocaleInfo(locale)).FormatFileTime(ToFileTime(moment));
        const bool twelveHour =
            locale.timeFormat(QLocale::ShortFormat).contains('a', Qt::CaseInsensitive);
        // The locale's own date numbers, with "03" as the year it stands for.
        QList<int> expected = Numbers(locale.toString(moment.date(), QLocale::ShortFormat));
        std::replace(expected.begin(), expected.end(), 3, 2003);
        expected << (twelveHour ? 3 : 15) << 5 << 9;
        EXPECT_EQ(Numbers(shown), expected) << name << ": " << qPrintable(shown);
        QString letters = shown;
        letters.remove(u"PM"_s);
        for (QChar c : letters)
            EXPECT_FALSE((c.isLetter() && c.unicode() < 128) || u"'[]()%"_s.contains(c))
                << name << ": " << qPrintable(shown);
        EXPECT_EQ(shown.contains(u"PM"_s), twelveHour) << name << ": " << qPrintable(shown);
    }
}

} // namespace
