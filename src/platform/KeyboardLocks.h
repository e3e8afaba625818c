// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// Which of the keyboard's lock keys are on.
struct LockStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The lock states as the keyboard's lights show them (Linux LED class
// devices); nothing where the system does not tell them.
std::optional<LockStates>
ReadLockStates(const QString& ledFolder = QStringLiteral("/sys/class/leds"));
