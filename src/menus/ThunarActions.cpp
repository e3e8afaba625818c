// SPDX-License-Identifier: MIT
#include "menus/ThunarActions.h"
#include "platform/UiText.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QString kRoot = QStringLiteral("actions");
const QString kUniqueId = QStringLiteral("unique-id");

// A uca.xml's text and how to turn it back into the same bytes.
struct Document {
    QString text;
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    char32_t highest = 0x10FFFF; // the highest character the encoding holds
};

// The encoding the XML declaration names: UTF-8 when it names none.
std::optional<Document> Decode(const QByteArray& xml, QString& error) {
    static const QRegularExpression kDeclared(
        QStringLiteral(R"(^<\?xml[^>]*\sencoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])"));
    static const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");
    const QByteArray head = xml.left(256);
    const QString start = QString::fromLatin1(head.startsWith(kBom) ? head.mid(kBom.size()) : head);
    const QString name = kDeclared.match(start).captured(1).toLower();
    Document document;
    if (name == u"us-ascii" || name == u"ascii") {
        document.encoding = QStringConverter::Latin1;
        document.highest = 0x7F;
    } else if (!name.isEmpty()) {
        const auto encoding = QStringConverter::encodingForName(name.toLatin1().constData());
        if (encoding != QStringConverter::Utf8 && encoding != QStringConverter::Latin1) {
            error =
                TrText("Menus", "it is written in %1, which Tessary cannot write back unchanged")
                    .arg(name);
            return std::nullopt;
        }
        document.encoding = *encoding;
        document.highest = *encoding == QStringConverter::Latin1 ? 0xFF : 0x10FFFF;
    }
    // The byte order mark stays a character, so that it is written back.
    QStringDecoder decoder(document.encoding, QStringConverter::Flag::ConvertInitialBom);
    document.text = decoder.decode(xml);
    QStringEncoder encoder(document.encoding);
    if (decoder.hasError() || QByteArray(encoder.encode(document.text)) != xml) {
        error = TrText("Menus", "it is not valid %1")
                    .arg(name.isEmpty() ? QStringLiteral("UTF-8") : name);
        return std::nullopt;
    }
    return document;
}

// Where an action stands in the text, and what it says.
struct Found {
    qsizetype start = 0; // its "<action"
    qsizetype end = 0;   // just after its "</action>"
    QString uniqueId;
    QStringList fields; // each child as "name[lang]=text", for comparing
};

struct Parsed {
    QList<Found> actions;
    qsizetype rootStart = -1; // the list's "<actions"
    qsizetype rootEnd = -1;   // its "</actions>", or rootStart when it is "<actions/>"
    qsizetype rootAfter = -1; // just after the list's end
};

// The actions of a uca.xml and where they stand; nothing when the text is
// not a well-formed action list.
std::optional<Parsed> Parse(const QString& text) {
    // The reader passes over a byte order mark and does not count it.
    const qsizetype bom = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    QXmlStreamReader reader(text);
    Parsed parsed;
    int depth = 0;
    QString field;
    QString value;
    while (!reader.atEnd()) {
        reader.readNext();
        const qsizetype offset = bom + reader.characterOffset();
        if (reader.isStartElement()) {
            ++depth;
            const qsizetype start = text.lastIndexOf(QLatin1Char('<'), offset - 1);
            if (depth == 1 && reader.name() != kRoot)
                return std::nullopt;
            if (depth == 1)
                parsed.rootStart = start;
            if (depth == 2)
                parsed.actions.append({start, 0, {}, {}});
            if (depth == 3) {
                field = reader.name().toString();
                const QStringView lang = reader.attributes().value(QStringLiteral("xml:lang"));
                if (!lang.isEmpty())
                    field += u'[' + lang.toString() + u']';
                value.clear();
            }
        } else if (reader.isCharacters() && depth == 3) {
            value += reader.text();
        } else if (reader.isEndElement()) {
            if (depth == 3 && !parsed.actions.isEmpty()) {
                Found& action = parsed.actions.last();
                if (field == kUniqueId)
                    action.uniqueId = value.trimmed();
                else
                    action.fields << field + QLatin1Char('=') + value.trimmed();
            }
            if (depth == 2 && !parsed.actions.isEmpty())
                parsed.actions.last().end = offset;
            if (depth == 1) {
                parsed.rootEnd = text.lastIndexOf(QLatin1Char('<'), offset - 1);
                parsed.rootAfter = offset;
            }
            --depth;
        }
    }
    if (reader.hasError() || parsed.rootEnd < 0)
        return std::nullopt;
    return parsed;
}

// An action as what it does: its fields in any order, without its id
// (Thunar gives the system's actions ids when it saves a user's copy) and
// without the empty fields Thunar writes or leaves out as it likes.
QStringList Meaning(const Found& action) {
    static const QStringList kOptional = {QStringLiteral("range="), QStringLiteral("submenu=")};
    QStringList fields = action.fields;
    fields.removeIf([](const QString& f) { return kOptional.contains(f); });
    fields.sort();
    return fields;
}

// A value as XML text: escaped, and each character that XML 1.0 cannot
// hold at all (controls, lone surrogates) as U+FFFD, since one of them
// would make Thunar drop the whole list, the user's actions too.
QString XmlText(const QString& value) {
    QString held;
    for (const char32_t c : value.toUcs4()) {
        const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                             (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
        const char32_t kept = allowed ? c : 0xFFFD;
        held += QString::fromUcs4(&kept, 1);
    }
    return held.toHtmlEscaped();
}

// Ours, laid out as Thunar lays out its own, each on lines of its own.
QString Written(const ThunarAction& action) {
    QString text = QStringLiteral("<action>\n");
    const auto field = [&text](const QString& name, const QString& value) {
        text += QStringLiteral("\t<%1>%2</%1>\n").arg(name, XmlText(value));
    };
    field(QStringLiteral("icon"), action.icon);
    field(QStringLiteral("name"), action.name);
    field(QStringLiteral("submenu"), action.submenu);
    field(kUniqueId, action.uniqueId);
    field(QStringLiteral("command"), action.command);
    field(QStringLiteral("description"), action.description);
    field(QStringLiteral("range"), QString());
    field(QStringLiteral("patterns"), action.patterns);
    text += QStringLiteral("\t<directories/>\n\t<image-files/>\n</action>\n");
    return text;
}

// Our text as the encoding can hold it: each character beyond it as a
// character reference (our text has characters only inside elements).
QString Holdable(const QString& text, char32_t highest) {
    QString held;
    for (const char32_t c : text.toUcs4()) {
        if (c <= highest)
            held += QString::fromUcs4(&c, 1);
        else
            held += QStringLiteral("&#x") + QString::number(uint(c), 16).toUpper() + u';';
    }
    return held;
}

// Takes out the actions whose ids are ours, each with the whitespace
// before it on its line and its line's end: exactly what came in with it.
void RemoveById(QString& text, const Parsed& parsed, const QStringList& ids) {
    for (auto it = parsed.actions.crbegin(); it != parsed.actions.crend(); ++it) {
        if (it->uniqueId.isEmpty() || !ids.contains(it->uniqueId))
            continue;
        qsizetype from = it->start;
        while (from > 0 && (text[from - 1] == u' ' || text[from - 1] == u'\t'))
            --from;
        qsizetype to = it->end;
        if (to < text.size() && text[to] == u'\n' && (from == 0 || text[from - 1] == u'\n'))
            ++to;
        text.remove(from, to - from);
    }
}

} // namespace

std::optional<ThunarRewrite> RewriteThunarActions(const QByteArray& xml,
                                                  const MenuRecord::Thunar& previous,
                                                  const QList<ThunarAction>& actions,
                                                  QString& error) {
    std::optional<Document> document = Decode(xml, error);
    if (!document)
        return std::nullopt;
    QString& text = document->text;
    if (!Parse(text)) {
        error = TrText("Menus", "it is not a list of Thunar actions");
        return std::nullopt;
    }
    // What we put in, when it still stands as we wrote it, goes as a whole.
    if (!previous.inserted.isEmpty() && text.count(previous.inserted) == 1)
        text.replace(previous.inserted, previous.replaced);
    std::optional<Parsed> parsed = Parse(text);
    if (parsed) {
        RemoveById(text, *parsed, previous.ids);
        parsed = Parse(text);
    }
    if (!parsed) {
        error = TrText("Menus", "it is not a list of Thunar actions without ours");
        return std::nullopt;
    }
    ThunarRewrite rewrite;
    rewrite.ours.created = previous.created;
    rewrite.others = int(parsed->actions.size());
    QString ours;
    for (const ThunarAction& action : actions) {
        ours += Written(action);
        rewrite.ours.ids << action.uniqueId;
    }
    ours = Holdable(ours, document->highest);
    if (!ours.isEmpty() && parsed->rootEnd == parsed->rootStart) {
        // "<actions/>" opens up around ours, and closes again without them.
        rewrite.ours.replaced = text.mid(parsed->rootStart, parsed->rootAfter - parsed->rootStart);
        QString open = rewrite.ours.replaced.chopped(2).trimmed();
        rewrite.ours.inserted =
            open + QStringLiteral(">\n") + ours + QStringLiteral("</") + kRoot + QLatin1Char('>');
        text.replace(parsed->rootStart, rewrite.ours.replaced.size(), rewrite.ours.inserted);
    } else if (!ours.isEmpty()) {
        // At the start of the closing tag's line, or on a line of their own.
        if (parsed->rootEnd > 0 && text[parsed->rootEnd - 1] != u'\n')
            ours.prepend(QLatin1Char('\n'));
        rewrite.ours.inserted = ours;
        text.insert(parsed->rootEnd, ours);
    }
    rewrite.bytes = QStringEncoder(document->encoding).encode(text);
    return rewrite;
}

bool SameThunarActions(const QByteArray& a, const QByteArray& b) {
    const auto meanings = [](const QByteArray& xml) -> std::optional<QList<QStringList>> {
        QString error;
        const std::optional<Document> document = Decode(xml, error);
        const std::optional<Parsed> parsed = document ? Parse(document->text) : std::nullopt;
        if (!parsed)
            return std::nullopt;
        QList<QStringList> all;
        for (const Found& action : parsed->actions)
            all << Meaning(action);
        std::sort(all.begin(), all.end());
        return all;
    };
    const auto first = meanings(a);
    return first && first == meanings(b);
}
