// SPDX-License-Identifier: MIT
#include "platform/LocaleInfo.h"

namespace {

// The letters of Qt's format codes; a run of one letter is one code.
bool IsCodeLetter(QChar c) {
    return QStringLiteral("dMyhHmsaApPtz").contains(c);
}

} // namespace

QString WindowsPicture(const QString& qtFormat) {
    const bool twelveHour = qtFormat.contains(QLatin1String("AP"), Qt::CaseInsensitive) ||
                            qtFormat.contains(QLatin1Char('a'), Qt::CaseInsensitive);
    QString picture;
    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat[i];
        if (c == QLatin1Char('\'')) { // quoted text, quotes included
            const qsizetype end = qtFormat.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype stop = end < 0 ? qtFormat.size() : end + 1;
            picture += qtFormat.mid(i, stop - i);
            i = stop;
            continue;
        }
        qsizetype run = 1;
        while (i + run < qtFormat.size() && qtFormat[i + run] == c)
            ++run;
        const QString code = qtFormat.mid(i, run);
        i += run;
        if (!IsCodeLetter(c)) {
            picture += code;
        } else if (c == QLatin1Char('a') || c == QLatin1Char('A') || c == QLatin1Char('p') ||
                   c == QLatin1Char('P')) {
            if (c == QLatin1Char('a') || c == QLatin1Char('A'))
                picture += QStringLiteral("tt");
        } else if (c == QLatin1Char('t') || c == QLatin1Char('z')) {
            // No picture code: drop it with the space before it.
            if (picture.endsWith(QLatin1Char(' ')) || picture.endsWith(QLatin1Char('.')))
                picture.chop(1);
        } else if (c == QLatin1Char('h') && !twelveHour) {
            picture += code.toUpper();
        } else {
            picture += code;
        }
    }
    return picture;
}

LocaleInfo ReadLocaleInfo(const QLocale& locale) {
    LocaleInfo info;
    info.negativeSign = locale.negativeSign();
    info.decimalSeparator = locale.decimalPoint();
    info.thousandsSeparator = locale.groupSeparator();
    info.shortDatePicture = WindowsPicture(locale.dateFormat(QLocale::ShortFormat));
    info.timePicture = WindowsPicture(locale.timeFormat(QLocale::LongFormat));
    return info;
}
