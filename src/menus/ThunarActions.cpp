// SPDX-License-Identifier: MIT
#include "menus/ThunarActions.h"

#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QString kRoot = QStringLiteral("actions");
const QString kAction = QStringLiteral("action");
const QString kUniqueId = QStringLiteral("unique-id");

// Where an action stands in the text, and what it says.
struct Found {
    qsizetype start = 0; // its "<action"
    qsizetype end = 0;   // just after its "</action>"
    QString uniqueId;
    QStringList fields; // each child as "name[lang]=text", for comparing
};

struct Parsed {
    QList<Found> actions;
    qsizetype rootEnd = -1; // the "</actions>"
};

// The actions of a uca.xml and where they stand; nothing when the text is
// not a well-formed action list.
std::optional<Parsed> Parse(const QString& text) {
    QXmlStreamReader reader(text);
    Parsed parsed;
    int depth = 0;
    QString field;
    QString value;
    while (!reader.atEnd()) {
        reader.readNext();
        const qsizetype offset = reader.characterOffset();
        if (reader.isStartElement()) {
            ++depth;
            if (depth == 1 && reader.name() != kRoot)
                return std::nullopt;
            if (depth == 2)
                parsed.actions.append({text.lastIndexOf(QLatin1Char('<'), offset - 1), 0, {}, {}});
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
            if (depth == 1)
                parsed.rootEnd = text.lastIndexOf(QLatin1Char('<'), offset - 1);
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

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// Ours, laid out as Thunar lays out its own, each on lines of its own.
QString Written(const ThunarAction& action) {
    QString text = QStringLiteral("<action>\n");
    const auto field = [&text](const QString& name, const QString& value) {
        text += QStringLiteral("\t<%1>%2</%1>\n").arg(name, Escaped(value));
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

} // namespace

std::optional<QByteArray> RewriteThunarActions(const QByteArray& xml, const QString& ourPrefix,
                                               const QList<ThunarAction>& actions, int& remaining) {
    QString text = QString::fromUtf8(xml);
    const std::optional<Parsed> parsed = Parse(text);
    if (!parsed)
        return std::nullopt;
    remaining = int(actions.size());
    qsizetype rootEnd = parsed->rootEnd;
    // From the back, so that earlier positions stay right. An action of ours
    // goes with the whitespace before it on its line and its line's end,
    // which is exactly what was added with it.
    for (auto it = parsed->actions.crbegin(); it != parsed->actions.crend(); ++it) {
        if (ourPrefix.isEmpty() || !it->uniqueId.startsWith(ourPrefix)) {
            ++remaining;
            continue;
        }
        qsizetype from = it->start;
        while (from > 0 && (text[from - 1] == u' ' || text[from - 1] == u'\t'))
            --from;
        qsizetype to = it->end;
        if (to < text.size() && text[to] == u'\n' && (from == 0 || text[from - 1] == u'\n'))
            ++to;
        text.remove(from, to - from);
        if (rootEnd >= to)
            rootEnd -= to - from;
    }
    QString ours;
    for (const ThunarAction& action : actions)
        ours += Written(action);
    // At the start of the closing tag's line, or on a line of their own.
    if (!ours.isEmpty() && rootEnd > 0 && text[rootEnd - 1] != u'\n')
        ours.prepend(QLatin1Char('\n'));
    text.insert(rootEnd, ours);
    return text.toUtf8();
}

bool SameThunarActions(const QByteArray& a, const QByteArray& b, const QString& ourPrefix) {
    const auto meanings = [&ourPrefix](const QByteArray& xml) -> std::optional<QList<QStringList>> {
        const std::optional<Parsed> parsed = Parse(QString::fromUtf8(xml));
        if (!parsed)
            return std::nullopt;
        QList<QStringList> all;
        for (const Found& action : parsed->actions)
            if (ourPrefix.isEmpty() || !action.uniqueId.startsWith(ourPrefix))
                all << Meaning(action);
        std::sort(all.begin(), all.end());
        return all;
    };
    const auto first = meanings(a);
    return first && first == meanings(b);
}
