// SPDX-License-Identifier: MIT
#include "app/ThunarActions.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString kRoot = QStringLiteral("actions");
const QString kAction = QStringLiteral("action");
const QString kUniqueId = QStringLiteral("unique-id");

// A token of an action held back until its unique id tells whether it stays.
struct Token {
    QXmlStreamReader::TokenType type;
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
    bool cdata = false;
};

Token Capture(const QXmlStreamReader& reader) {
    return {reader.tokenType(), reader.qualifiedName().toString(), reader.attributes(),
            reader.text().toString(), reader.isCDATA()};
}

void Replay(QXmlStreamWriter& writer, const Token& token) {
    switch (token.type) {
    case QXmlStreamReader::StartElement:
        writer.writeStartElement(token.name);
        writer.writeAttributes(token.attributes);
        break;
    case QXmlStreamReader::EndElement:
        writer.writeEndElement();
        break;
    case QXmlStreamReader::Characters:
        if (token.cdata)
            writer.writeCDATA(token.text);
        else
            writer.writeCharacters(token.text);
        break;
    case QXmlStreamReader::Comment:
        writer.writeComment(token.text);
        break;
    default:
        break;
    }
}

void WriteAction(QXmlStreamWriter& writer, const ThunarAction& action) {
    writer.writeCharacters(QStringLiteral("\n"));
    writer.writeStartElement(kAction);
    const auto field = [&writer](const QString& name, const QString& value) {
        writer.writeCharacters(QStringLiteral("\n\t"));
        writer.writeTextElement(name, value);
    };
    field(QStringLiteral("icon"), action.icon);
    field(QStringLiteral("name"), action.name);
    field(QStringLiteral("submenu"), action.submenu);
    field(kUniqueId, action.uniqueId);
    field(QStringLiteral("command"), action.command);
    field(QStringLiteral("description"), action.description);
    field(QStringLiteral("range"), QString());
    field(QStringLiteral("patterns"), action.patterns);
    writer.writeCharacters(QStringLiteral("\n\t"));
    writer.writeEmptyElement(QStringLiteral("directories"));
    writer.writeCharacters(QStringLiteral("\n\t"));
    writer.writeEmptyElement(QStringLiteral("image-files"));
    writer.writeCharacters(QStringLiteral("\n"));
    writer.writeEndElement();
}

} // namespace

std::optional<QByteArray> RewriteThunarActions(const QByteArray& xml, const QString& ourPrefix,
                                               const QList<ThunarAction>& actions, int& remaining) {
    QXmlStreamReader reader(xml);
    QByteArray out;
    QXmlStreamWriter writer(&out);
    remaining = 0;
    int depth = 0;
    bool sawRoot = false;
    QList<Token> held; // the current action, while it is undecided
    QString uniqueId;  // of the current action
    bool inUniqueId = false;
    QString spaceBetween; // layout between two actions, dropped with ours

    while (!reader.atEnd()) {
        reader.readNext();
        const QXmlStreamReader::TokenType type = reader.tokenType();
        if (type == QXmlStreamReader::Invalid)
            break;
        if (type == QXmlStreamReader::StartElement) {
            ++depth;
            if (depth == 1) {
                if (reader.name() != kRoot)
                    return std::nullopt;
                sawRoot = true;
            } else if (depth == 2) {
                held.clear();
                uniqueId.clear();
            }
            if (depth >= 2) {
                inUniqueId = depth == 3 && reader.name() == kUniqueId;
                held << Capture(reader);
                continue;
            }
        } else if (type == QXmlStreamReader::EndElement) {
            --depth;
            if (depth >= 1) {
                held << Capture(reader);
                inUniqueId = false;
                if (depth == 1) {
                    const bool ours =
                        !ourPrefix.isEmpty() && uniqueId.trimmed().startsWith(ourPrefix);
                    if (!ours) {
                        writer.writeCharacters(spaceBetween);
                        for (const Token& token : std::as_const(held))
                            Replay(writer, token);
                        ++remaining;
                    }
                    spaceBetween.clear();
                    held.clear();
                }
                continue;
            }
            for (const ThunarAction& action : actions)
                WriteAction(writer, action);
            remaining += int(actions.size());
            writer.writeCharacters(spaceBetween.isEmpty() ? QStringLiteral("\n") : spaceBetween);
            spaceBetween.clear();
        } else if (depth >= 2) {
            if (inUniqueId && type == QXmlStreamReader::Characters)
                uniqueId += reader.text();
            held << Capture(reader);
            continue;
        } else if (depth == 1 && reader.isWhitespace()) {
            spaceBetween += reader.text();
            continue;
        } else if (depth == 1) {
            writer.writeCharacters(spaceBetween);
            spaceBetween.clear();
        }
        writer.writeCurrentToken(reader);
        // The reader drops the line break after the declaration.
        if (type == QXmlStreamReader::StartDocument)
            writer.writeCharacters(QStringLiteral("\n"));
    }
    if (reader.hasError() || !sawRoot)
        return std::nullopt;
    return out;
}
