// SPDX-License-Identifier: MIT
#include "menus/MenuCommand.h"

namespace {

const QString kMarker = QStringLiteral("# Written by tessary-menu --install; "
                                       "tessary-menu --uninstall removes it.");

// POSIX shell quoting, which Thunar and Nemo also parse (with %% for %).
QString ShellQuote(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// A quoted argument of a desktop entry's Exec key, already escaped as a
// string value of the file.
QString DesktopQuote(const QString& text) {
    QString quoted;
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// text for a shell as printf's output, its percent signs and backslashes
// written as octal escapes, so that the text itself holds no percent sign.
QString PrintfQuote(const QString& text) {
    QString format;
    for (const QChar c : text) {
        if (c == QLatin1Char('%'))
            format += QStringLiteral("\\045");
        else if (c == QLatin1Char('\\'))
            format += QStringLiteral("\\134");
        else
            format += c;
    }
    return QStringLiteral("\"$(printf %1)\"").arg(ShellQuote(format));
}

// Runs the program in $1 with the arguments after it, or, when it is
// gone, shows why nothing happens. No percent sign and no single quote:
// it stands quoted in every file manager's command.
QString Guard() {
    return QStringLiteral(
               "p=$1; shift; if [ -x \"$p\" ]; then exec \"$p\" \"$@\"; fi; m=\"$(printf "
               "\"%1\")\"; "
               "for t in zenity kdialog xmessage notify-send; do "
               "if command -v $t >/dev/null 2>&1; then case $t in "
               "zenity) zenity --error --text=\"$m\";; kdialog) kdialog --error \"$m\";; "
               "xmessage) xmessage -center \"$m\";; *) notify-send Tessary \"$m\";; esac; "
               "break; fi; done; echo \"$m\" >&2; exit 127")
        .arg(QString(kProgramGoneText).replace(QLatin1Char('\n'), QStringLiteral("\\n")));
}

// The item's arguments, a preset's name quoted by quote.
QString CommandArguments(const ContextMenuItem& item, QString (*quote)(const QString&)) {
    const QString preset =
        item.preset.isEmpty() ? QString() : QStringLiteral(" --preset ") + quote(item.preset);
    return QStringLiteral(" --command %1%2 --pictures-only").arg(item.command).arg(preset);
}

} // namespace

MenuCommand::MenuCommand(QString program)
    : program_(std::move(program)) {}

QString MenuCommand::Shell(const ContextMenuItem& item) const {
    return QStringLiteral("sh -c %1 sh %2%3 --")
        .arg(ShellQuote(Guard()), ShellQuote(program_), CommandArguments(item, ShellQuote));
}

QString MenuCommand::Desktop(const ContextMenuItem& item) const {
    if (!program_.contains(QLatin1Char('%')) && !item.preset.contains(QLatin1Char('%')))
        return QStringLiteral("sh -c %1 sh %2%3 -- %F")
            .arg(DesktopQuote(Guard()), DesktopQuote(program_),
                 CommandArguments(item, DesktopQuote));
    // Dolphin does not undo %% inside a quoted argument, so a text with a
    // percent sign reaches the shell with no percent sign in it at all.
    const QString script =
        QStringLiteral("set -- %1%2 -- \"$@\"; %3")
            .arg(PrintfQuote(program_), CommandArguments(item, PrintfQuote), Guard());
    return QStringLiteral("sh -c ") + DesktopQuote(script) + QStringLiteral(" sh %F");
}

QByteArray MenuCommand::NautilusScript(const ContextMenuItem& item) const {
    // Nautilus reads a percent sign in a script's arguments as a field
    // code; its own list of the chosen files holds them as they are.
    return QStringLiteral("#!/bin/sh\n%1\nset -- %2%3 --nautilus -- \"$@\"\n%4\n")
        .arg(kMarker, ShellQuote(program_), CommandArguments(item, ShellQuote), Guard())
        .toUtf8();
}
