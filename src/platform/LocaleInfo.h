// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The user's regional texts in the shape Windows gave them: signs and
// separators, and the date and time pictures ("M/d/yyyy", "h:mm:ss tt").
// A value that cannot be had stays absent.
struct LocaleInfo {
    std::optional<QString> negativeSign;
    std::optional<QString> decimalSeparator;
    std::optional<QString> thousandsSeparator;
    std::optional<QString> shortDatePicture;
    std::optional<QString> timePicture;
};

// Read from a locale (the user's own by default). The pictures are those
// a file's time is shown with: the short date with the year's century,
// the short time with its seconds.
LocaleInfo ReadLocaleInfo(const QLocale& locale = QLocale::system());

// A Qt date or time format as a Windows picture: AP/ap become tt, h is the
// 12-hour clock only beside an AM/PM marker (H otherwise); time zones and
// milliseconds, which pictures do not have, are left out with their
// brackets, and literal text is kept only where a picture can show it.
QString WindowsPicture(const QString& qtFormat);
