// SPDX-License-Identifier: MIT
#include "platform/KeyboardLocks.h"

#include <QDir>
#include <QFile>

std::optional<LockStates> ReadLockStates(const QString& ledFolder) {
    std::optional<LockStates> states;
    const QDir leds(ledFolder);
    for (const QString& name : leds.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool* state = nullptr;
        LockStates found = states.value_or(LockStates{});
        if (name.endsWith(QLatin1String("::capslock")))
            state = &found.caps;
        else if (name.endsWith(QLatin1String("::numlock")))
            state = &found.num;
        else if (name.endsWith(QLatin1String("::scrolllock")))
            state = &found.scroll;
        if (!state)
            continue;
        QFile brightness(leds.filePath(name + QStringLiteral("/brightness")));
        if (!brightness.open(QIODevice::ReadOnly))
            continue;
        // Several keyboards: a lock is on when any of them shows it.
        *state = *state || brightness.readAll().trimmed().toInt() > 0;
        states = found;
    }
    return states;
}
