// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Texts kept in fixed byte buffers (the settings file, user.dat, the
// hand-off records) are UTF-8 and count bytes, never characters.

// The longest UTF-8 prefix of text that fits in maxBytes bytes without
// cutting a character in half.
QByteArray Utf8Prefix(const QString& text, int maxBytes);

// Whether text and its ending zero fit in a buffer of bufferBytes bytes.
bool FitsFixedText(const QString& text, int bufferBytes);

// path, or the nearest folder enclosing it, that fits a buffer of
// bufferBytes bytes; empty when none does.
QString NearestFittingFolder(const QString& path, int bufferBytes);

// The text of a zero-ended buffer: the bytes up to the first zero byte, or
// all of them when there is none.
QString TextUpToZero(const char* bytes, int size);
