// SPDX-License-Identifier: MIT
#include "browse/LocaleFormats.h"

#include <gtest/gtest.h>

namespace {

LocaleInfo English() {
    return {QStringLiteral("-"), QStringLiteral("."), QStringLiteral(","),
            QStringLiteral("M/d/yyyy"), QStringLiteral("h:mm:ss tt")};
}

TEST(LocaleFormatsTest, GroupsThousandsLikeTheRegionalSettings) {
    LocaleInfo wide = English();
    wide.thousandsSeparator = QStringLiteral("'~"); // only its first character counts
    LocaleInfo none = English();
    none.thousandsSeparator.reset();
    const std::string tooLong(129, '9'); // longer runs of digits stay as they are
    struct Case {
        LocaleInfo info;
        const char* in;
        const char* out;
    } const cases[] = {
        {English(), "999", "999"},
        {English(), "1000", "1,000"},
        {English(), "1234567", "1,234,567"},
        {English(), "-1234", "-1,234"},
        {English(), "1234567.891", "1,234,567.891"},
        {English(), "", ""},
        {wide, "1024000", "1'024'000"},
        {none, "1024000", "1024000"},
        {English(), tooLong.c_str(), tooLong.c_str()},
    };
    for (const Case& c : cases) {
        QString text = QString::fromLatin1(c.in);
        LocaleFormats(c.info).GroupThousands(text);
        EXPECT_EQ(text.toStdString(), c.out) << c.in;
    }
}

TEST(LocaleFormatsTest, PicturesBecomeCodesAndUnknownTokensStayLiteral) {
    const std::pair<const char*, const char*> cases[] = {
        {"M/d/yyyy", "%#m/%#d/%Y"},    {"h:mm:ss tt", "%#I:%M:%S %p"},
        {"dd.MM.yy", "%d.%m.%y"},      {"HH:mm", "%H:%M"},
        {"ddd, MMM d", "ddd, %b %#d"}, {"dddd, MMMM dd, yyyy", "%A, %B %d, %Y"},
        {"'Week' m", "'Week' m"},      {"", ""},
    };
    for (const auto& [picture, codes] : cases)
        EXPECT_EQ(LocaleFormats::PictureToCodes(QString::fromLatin1(picture)).toStdString(), codes)
            << picture;
}

TEST(LocaleFormatsTest, FormatsAFileTimeAsTheShortDateAndTheTimeInLocalTime) {
    const QDateTime moment(QDate(2003, 3, 7), QTime(15, 5, 9), Qt::LocalTime);
    const FileTime time = ToFileTime(moment);
    EXPECT_EQ(LocaleFormats(English()).FormatFileTime(time), QStringLiteral("3/7/2003 3:05:09 PM"));
    LocaleInfo other = English();
    other.shortDatePicture = QStringLiteral("ddd, MMM d");
    other.timePicture = QStringLiteral("HH:mm");
    EXPECT_EQ(LocaleFormats(other).FormatFileTime(
                  ToFileTime(QDateTime(QDate(2003, 3, 7), QTime(9, 5), Qt::LocalTime))),
              QStringLiteral("ddd, Mar 7 09:05"));
    EXPECT_EQ(FromFileTime(time), moment.toUTC());
    EXPECT_EQ(FormatTime(QStringLiteral("%A %B %#H %I %p %% %q"),
                         QDateTime(QDate(2024, 12, 29), QTime(0, 7), Qt::LocalTime)),
              QStringLiteral("Sunday December 0 12 AM % %q"));
}

TEST(LocaleFormatsTest, QtFormatsTurnIntoWindowsPictures) {
    const std::pair<const char*, const char*> cases[] = {
        {"M/d/yy", "M/d/yy"},         {"h:mm:ss AP t", "h:mm:ss tt"},
        {"HH:mm:ss t", "HH:mm:ss"},   {"h:mm", "H:mm"}, // Qt's h is 0-23 without AM/PM
        {"dd.MM.yyyy", "dd.MM.yyyy"}, {"hh:mm:ss.zzz", "HH:mm:ss"},
    };
    for (const auto& [qt, picture] : cases)
        EXPECT_EQ(WindowsPicture(QString::fromLatin1(qt)).toStdString(), picture) << qt;
}

} // namespace
