// SPDX-License-Identifier: MIT
#pragma once

// What nearly every test uses.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <ostream>

// Tests write their texts as u"..."_s.
using namespace Qt::StringLiterals;

// Test failures show texts as texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

// The project's own copies of the camera pictures.
QString TestData(const QString& relative);

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};
// Runs a program with an argument vector (no shell) and waits for it.
// environment, when given, replaces the process's own. For our own
// programs, whose exit status the test checks; a tool we did not write
// runs through Oracle.
ToolRun RunTool(const QString& program, const QStringList& arguments, const QByteArray& input = {},
                int timeoutMs = 60000, const QStringList& environment = {});

// Runs a tool nobody here wrote, an oracle of the tests. One that cannot
// start, runs out of time or ends with a status not accepted fails the
// test, with its command and what it said: a broken oracle never passes a
// check. (compare, say, accepts 1: the pictures differ.)
ToolRun Oracle(const QString& program, const QStringList& arguments,
               std::initializer_list<int> accepted = {0}, const QByteArray& input = {},
               const QStringList& environment = {});

// The seed of a test that draws at random: TESSARY_SEED when it is set,
// else a new one. Printed, so that a failing run can be repeated exactly.
uint32_t TestSeed();

// Asks `done` every 100 ms until it says yes; false when the time runs out.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 60000);

// What ImageMagick's identify says of a file: an oracle we did not write.
struct Identified {
    QString format; // "JPEG", "PNG", ...
    int width = 0;
    int height = 0;
    double xdpi = 0; // converted to pixels per inch
    double ydpi = 0;
};
Identified Identify(const QString& path);

// Draws a test picture with ImageMagick's convert: pattern is what follows
// "-size WxH", e.g. "gradient:red-blue", and extra arguments go before the
// output name ("-type", "Palette").
void DrawPicture(const QString& path, int width, int height, const QString& pattern = {},
                 const QStringList& extra = {});

// count copies of one drawn width x height picture in folder, named by
// nameFormat with %1 the copy's number.
QStringList DrawPictures(const QString& folder, int count, const QString& nameFormat,
                         int width = 120, int height = 90);

// Writes bytes to a file, making its folder; returns the path.
QString WriteFile(const QString& path, const QByteArray& bytes = {});
// A file's bytes; empty when it cannot be read.
QByteArray ReadFile(const QString& path);

// Every file and folder under root, hidden ones too, relative to it, sorted.
QStringList EntriesUnder(const QString& root);

// The names in a folder given by its own bytes, sorted; Qt's file calls
// cannot reach a folder whose name is not UTF-8.
QStringList NamesIn(const QByteArray& folder);
// Removes such a folder and all in it, which Qt's clean-up would leave.
void RemoveTree(const QByteArray& folder);

// A hash of a file's bytes, to show it did not change.
QByteArray FileHash(const QString& path);

// The root mean square difference of two pictures of one size, from 0 to
// 1, as ImageMagick's compare measures it; 1 when it cannot tell.
double Difference(const QString& a, const QString& b);

// A file that decodes without any error or warning, checked by ImageMagick.
bool DecodesCleanly(const QString& path);

// Copies a test file into folder under a new name; returns the new path.
QString CopyInto(const QString& source, const QString& folder, const QString& name = {});

// count copies of a full-size test photo (hdr/photo) into folder, named by
// nameFormat with %1 the copy's number: pictures large enough that each
// takes a while.
QStringList CopyPhotos(const QString& photo, const QString& folder, int count,
                       const QString& nameFormat);

// A stand-in program at path that writes its arguments, each ended by a NUL, whole
// and then renamed, to the file record (whose name has no quote).
void RecordingProgram(const QString& path, const QString& record);
// Such a stand-in for xdg-email in folder; returns its record's path.
QString RecordingXdgEmail(const QString& folder);
// The arguments a record holds; empty when there is none yet.
QStringList RecordedArguments(const QString& record);
