// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Texts kept in fixed byte buffers (the settings file, user.dat, the
// hand-off records) are UTF-8 and count bytes, never characters.

// The longest UTF-8 prefix of text that fits in maxBytes bytes without
// cutting a character in half.
QByteArray Utf8Prefix(const QString& text, int maxBytes);

// The text of a zero-ended buffer: the bytes up to the first zero byte, or
// all of them when there is none.
QString TextUpToZero(const char* bytes, int size);
