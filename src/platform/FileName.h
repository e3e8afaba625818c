// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// File names are bytes; most are UTF-8, but not all. A name's bytes are
// kept through a QString path losslessly: each byte that is not part of
// valid UTF-8 stands as one lone surrogate, U+DC80 to U+DCFF, and turns
// back into that byte. Qt's own file calls would spoil such a path, so
// paths that may hold one go to the system through EncodeFileName.

QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& path);
// The path as the screen shows it: a byte that was not UTF-8 becomes the
// replacement character, a control character its picture ("␍" for "\r").
QString ShownFileName(const QString& path);

// A program's arguments after its name, each byte kept as above: a file
// name given on the command line reaches its file.
QStringList DecodeArguments(int argc, char** argv);

// The running program's own file: QCoreApplication's answer when there is
// one, else the kernel's (/proc/self/exe), so that a program that needs
// no application object still finds what stands beside it.
QString RunningProgram();

// The path of a file: URI of this computer ("file:///a%20b.jpg" or
// "file://localhost/..."), its escaped bytes kept as they are; empty for
// any other URI.
QString FileNameFromUri(const QByteArray& uri);

// stat(2) on the path's own bytes.
bool FileNameExists(const QString& path);
// Whether the path's own bytes name a folder, links followed.
bool IsFolder(const QString& path);

// mkdir(2) on the path's own bytes with mode; with parents, the missing
// folders above it too. True when the path is a folder afterwards; else
// errno says why.
bool MakeFolderPath(const QString& path, unsigned mode, bool parents);

// The path made absolute against the current folder, "." and ".." taken
// out, without Qt's file engine, which would spoil bytes that are not
// UTF-8.
QString AbsoluteFileName(const QString& path);

// Whether two paths name one file (links followed); false when either is missing.
bool IsSameFile(const QString& a, const QString& b);

// The system's folder for temporary files: $TMPDIR when it names a folder,
// else /tmp. Qt's own answer is empty for a $TMPDIR that does not exist,
// which would put temporary folders at the root.
QString SystemTemporaryFolder();

// The system's reason for errno `error`, as a lower-case phrase.
QString SystemReason(int error);
