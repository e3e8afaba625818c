// SPDX-License-Identifier: MIT
#include "TerminalPrompt.h"

#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>

int TerminalPrompt::Ask(const QString& question, const QString& path) {
    QTextStream err(stderr);
    for (;;) {
        err << "\n"
            << question << "\n  " << path << "\n"
            << "[y]es, yes to [a]ll, [n]o, no to a[l]l? " << Qt::flush;
        std::string line;
        if (!std::getline(std::cin, line))
            return AnswerAsk;
        const QString answer = QString::fromLocal8Bit(line).trimmed().toLower();
        if (answer == QLatin1String("y") || answer == QLatin1String("yes"))
            return AnswerYes;
        if (answer == QLatin1String("a") || answer == QLatin1String("yes to all"))
            return AnswerYesToAll;
        if (answer == QLatin1String("n") || answer == QLatin1String("no"))
            return AnswerNo;
        if (answer == QLatin1String("l") || answer == QLatin1String("no to all"))
            return AnswerNoToAll;
    }
}
