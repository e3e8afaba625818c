// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QString>

// Opens path for reading into file, only when it is a regular file: a FIFO,
// a device or a folder named like a picture would block or mislead every
// reader. Never waits for a writer. Returns an empty text on success, else
// the reason.
QString OpenRegularFile(QFile& file, const QString& path);

// True when nothing is at path or a regular file is: what a settings file
// may be opened as without waiting.
bool MissingOrRegularFile(const QString& path);
