// SPDX-License-Identifier: MIT
#include "batch/NameTemplate.h"

#include "platform/FileName.h"
#include "platform/UiText.h"

#include <QRegularExpression>

#include <optional>

#include <sys/stat.h>

namespace {

const QStringList kPlainTokens{"name", "ext", "w", "h", "n", "date", "time", "folder"};
const QStringList kPictureTokens{"w", "h", "date", "time"};
// {n:3}: the number padded with zeros to that many digits.
const QRegularExpression kPaddedNumber(QStringLiteral("^n:([1-9])$"));

// Calls token for each {token} and text for what lies between them; the
// error when a brace has no partner.
template <typename Token, typename Text>
QString WalkTemplate(const QString& nameTemplate, Token token, Text text) {
    qsizetype at = 0;
    while (at < nameTemplate.size()) {
        const qsizetype open = nameTemplate.indexOf(u'{', at);
        const qsizetype stray = nameTemplate.indexOf(u'}', at);
        if (stray >= 0 && (open < 0 || stray < open))
            return TrText("Batch", "a '}' without its '{'");
        if (open < 0) {
            text(nameTemplate.mid(at));
            break;
        }
        const qsizetype close = nameTemplate.indexOf(u'}', open);
        if (close < 0)
            return TrText("Batch", "a '{' without its '}'");
        text(nameTemplate.mid(at, open - at));
        token(nameTemplate.mid(open + 1, close - open - 1));
        at = close + 1;
    }
    return {};
}

bool KnownToken(const QString& token) {
    return kPlainTokens.contains(token) || kPaddedNumber.match(token).hasMatch();
}

} // namespace

QString NameTemplateError(const QString& nameTemplate) {
    std::optional<QString> unknown; // "{}" is unknown too
    QString shape;                  // the template with every token as one letter
    const QString unpaired = WalkTemplate(
        nameTemplate,
        [&](const QString& token) {
            if (!unknown && !KnownToken(token))
                unknown = token;
            shape += u'x';
        },
        [&](const QString& text) { shape += text; });
    if (!unpaired.isEmpty())
        return TrText("Batch", "The name template \"%1\" has %2.").arg(nameTemplate, unpaired);
    if (unknown)
        return TrText("Batch", "The name template \"%1\" has the unknown token {%2}; the tokens "
                               "are {name}, {ext}, {w}, {h}, {n}, {n:3}, {date}, {time} and "
                               "{folder}.")
            .arg(nameTemplate, *unknown);
    QStringList parts = shape.split(u'/');
    // "./" and "//" add no folder.
    parts.removeIf([](const QString& part) { return part.isEmpty() || part == u'.'; });
    if (shape.startsWith(u'/') || parts.contains(QStringLiteral("..")))
        return TrText("Batch", "The name template \"%1\" would put results outside the "
                               "destination folder.")
            .arg(nameTemplate);
    if (parts.isEmpty() || shape.endsWith(u'/') || shape.endsWith(QStringLiteral("/.")))
        return TrText("Batch", "The name template \"%1\" gives no file name after its last "
                               "\"/\".")
            .arg(nameTemplate);
    return {};
}

bool NameTemplateReadsPicture(const QString& nameTemplate) {
    bool reads = false;
    WalkTemplate(
        nameTemplate,
        [&](const QString& token) { reads = reads || kPictureTokens.contains(token); },
        [](const QString&) {});
    return reads;
}

namespace {

// One folder or file name the template made, safe to join: a part that
// came out empty is the source's name (an "{ext}/{name}" of a source
// without an extension), and a part of dots alone (a source named "...jpg"
// gives the name "..") would climb or vanish, so it gets a "_" before it.
QString SafePart(QString part, const QString& sourceName) {
    if (part.isEmpty())
        part = sourceName;
    if (part.isEmpty() || part.count(u'.') == part.size())
        part.prepend(u'_');
    return part;
}

} // namespace

QString ExpandNameTemplate(const QString& nameTemplate, const NameFields& fields) {
    QStringList parts;
    // Folder by folder: "./" and "//" in the template name no folder, so
    // they add none; what the fields put in a part is made safe.
    for (const QString& part : nameTemplate.split(u'/')) {
        if (part.isEmpty() || part == u'.')
            continue;
        QString name;
        WalkTemplate(
            part,
            [&](const QString& token) {
                if (token == u"name")
                    name += fields.name;
                else if (token == u"ext")
                    name += fields.ext;
                else if (token == u"folder")
                    name += fields.folder;
                else if (token == u"w")
                    name += QString::number(fields.width);
                else if (token == u"h")
                    name += QString::number(fields.height);
                else if (token == u"date")
                    name += fields.taken.toString(QStringLiteral("yyyy-MM-dd"));
                else if (token == u"time")
                    name += fields.taken.toString(QStringLiteral("HH-mm-ss"));
                else if (token == u"n")
                    name += QString::number(fields.number);
                else if (const auto match = kPaddedNumber.match(token); match.hasMatch())
                    name += QStringLiteral("%1").arg(fields.number, match.captured(1).toInt(), 10,
                                                     QLatin1Char('0'));
            },
            [&](const QString& text) { name += text; });
        parts << SafePart(name, fields.name);
    }
    return parts.join(u'/');
}

QDateTime DateTaken(const QString& exifDate, const QString& path) {
    // A camera's clock time, taken as written: read in the local time zone
    // it could fall into a summer-time gap and not exist.
    const QString text = exifDate.trimmed();
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy:MM:dd"));
    const QTime time = QTime::fromString(text.mid(11, 8), QStringLiteral("HH:mm:ss"));
    if (text.size() >= 19 && text[10] == u' ' && date.isValid() && time.isValid())
        return QDateTime(date, time, Qt::UTC);
    struct stat st {};
    if (::stat(EncodeFileName(path).constData(), &st) != 0)
        return {};
    return QDateTime::fromSecsSinceEpoch(st.st_mtim.tv_sec);
}
