// SPDX-License-Identifier: MIT
#include "platform/LocaleInfo.h"

#include <QList>
#include <QRegularExpression>

namespace {

// The letters of Qt's format codes; a run of one letter is one code.
bool IsCodeLetter(QChar c) {
    return QStringLiteral("dMyhHmsaApPtz").contains(c);
}

// The characters a picture splits its runs at, and the letters that make
// a run a picture token.
bool IsDelimiter(QChar c) {
    return QStringLiteral(" -/,.:").contains(c);
}
bool HasPictureLetter(const QString& text) {
    for (QChar c : text)
        if (QStringLiteral("dMyHhmst").contains(c))
            return true;
    return false;
}

struct Part {
    enum Kind { Code, Delimiter, Literal } kind;
    QString text;
};

// Qt's format as codes, delimiters and literal text (quotes taken off).
QList<Part> SplitFormat(const QString& format) {
    QList<Part> parts;
    const auto addText = [&parts](const QString& text) {
        for (QChar c : text) {
            const Part::Kind kind = IsDelimiter(c) ? Part::Delimiter : Part::Literal;
            if (parts.isEmpty() || parts.last().kind != kind)
                parts.append(Part{kind, {}});
            parts.last().text += c;
        }
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            const qsizetype close = format.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype stop = close < 0 ? format.size() : close;
            // '' is a quote itself, inside quoted text or outside it.
            addText(stop == i + 1 ? QStringLiteral("'") : format.mid(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if (IsCodeLetter(c))
            parts.append(Part{Part::Code, format.mid(i, run)});
        else
            addText(format.mid(i, run));
        i += run;
    }
    return parts;
}

} // namespace

// A picture splits its runs only at delimiters, and knows neither quotes
// nor time zones: literal text stays only where delimiters keep it apart
// from the codes and it holds no picture letter; text glued between two
// codes becomes a space; zones and milliseconds go with their brackets.
QString WindowsPicture(const QString& qtFormat) {
    const bool twelveHour = qtFormat.contains(QLatin1String("AP"), Qt::CaseInsensitive) ||
                            qtFormat.contains(QLatin1Char('a'), Qt::CaseInsensitive);
    QList<Part> parts;
    for (Part part : SplitFormat(qtFormat)) {
        if (part.kind != Part::Code) {
            parts.append(part);
            continue;
        }
        const QChar c = part.text[0];
        if (c == QLatin1Char('t') || c == QLatin1Char('z')) {
            // The zone's brackets and the space before it go too.
            if (!parts.isEmpty() && parts.last().kind == Part::Literal &&
                QStringLiteral("([").contains(parts.last().text))
                parts.removeLast();
            if (!parts.isEmpty() && parts.last().kind == Part::Delimiter)
                parts.removeLast();
            parts.append(Part{Part::Literal, QStringLiteral("\x01")}); // a dropped code's place
            continue;
        }
        if (c == QLatin1Char('p') || c == QLatin1Char('P'))
            continue;
        if (c == QLatin1Char('a') || c == QLatin1Char('A'))
            part.text = QStringLiteral("tt");
        else if (c == QLatin1Char('h') && !twelveHour)
            part.text = part.text.toUpper();
        parts.append(part);
    }

    QString picture;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const Part& part = parts[i];
        if (part.kind != Part::Literal) {
            picture += part.text;
            continue;
        }
        const bool closesZone =
            QStringLiteral(")]").contains(part.text) && i > 0 && parts[i - 1].text == "\x01";
        if (part.text == QLatin1String("\x01") || closesZone)
            continue;
        const bool codeBefore = i > 0 && parts[i - 1].kind == Part::Code;
        const bool codeAfter = i + 1 < parts.size() && parts[i + 1].kind == Part::Code;
        if (codeBefore && codeAfter)
            picture += QLatin1Char(' ');
        else if (!codeBefore && !codeAfter && !HasPictureLetter(part.text))
            picture += part.text;
    }
    return picture.simplified();
}

namespace {

QString WithFullYear(const QString& picture) {
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)y{1,2}(?!y)"));
    QString full = picture;
    return full.replace(shortYear, QStringLiteral("yyyy"));
}

QString WithSeconds(const QString& picture) {
    if (picture.contains(QLatin1Char('s')))
        return picture;
    // Set off from the minutes as the minutes are from the hours.
    static const QRegularExpression minutes(QStringLiteral("([hH]+)([^hHmst]*)(m{1,2})"));
    const QRegularExpressionMatch match = minutes.match(picture);
    if (!match.hasMatch())
        return picture;
    QString withSeconds = picture;
    const QString separator = match.captured(2).isEmpty() ? QStringLiteral(":") : match.captured(2);
    return withSeconds.insert(match.capturedEnd(3), separator + QStringLiteral("ss"));
}

} // namespace

LocaleInfo ReadLocaleInfo(const QLocale& locale) {
    LocaleInfo info;
    info.negativeSign = locale.negativeSign();
    info.decimalSeparator = locale.decimalPoint();
    info.thousandsSeparator = locale.groupSeparator();
    // The list writes Latin digits; a locale with digits of its own (ar_EG)
    // gets the separators that go with Latin digits, not its own.
    if (locale.zeroDigit() != QStringLiteral("0")) {
        info.negativeSign = QStringLiteral("-");
        info.decimalSeparator = QStringLiteral(".");
        info.thousandsSeparator = QStringLiteral(",");
    }
    // A file's time is told whole: the year with its century, the seconds.
    info.shortDatePicture = WithFullYear(WindowsPicture(locale.dateFormat(QLocale::ShortFormat)));
    info.timePicture = WithSeconds(WindowsPicture(locale.timeFormat(QLocale::ShortFormat)));
    return info;
}
