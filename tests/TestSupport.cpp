// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QProcess>
#include <QThread>

#include <iostream>
#include <random>

#include <dirent.h>
#include <ftw.h>

QString TestData(const QString& relative) {
    return QStringLiteral(TESSARY_TEST_DATA "/") + relative;
}

ToolRun RunTool(const QString& program, const QStringList& arguments, const QByteArray& input,
                int timeoutMs, const QStringList& environment) {
    QProcess process;
    if (!environment.isEmpty())
        process.setEnvironment(environment);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted()) {
        run.err = u"cannot start "_s + program;
        return run;
    }
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = u"timed out"_s;
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

ToolRun Oracle(const QString& program, const QStringList& arguments,
               std::initializer_list<int> accepted, const QByteArray& input,
               const QStringList& environment) {
    // Generous: a loaded machine under the sanitizers is slow.
    constexpr int kOracleTimeoutMs = 300000;
    const ToolRun run = RunTool(program, arguments, input, kOracleTimeoutMs, environment);
    if (std::find(accepted.begin(), accepted.end(), run.exitCode) == accepted.end())
        ADD_FAILURE() << qPrintable(program) << ' ' << qPrintable(arguments.join(u' '))
                      << "\nended with status " << run.exitCode << ": " << qPrintable(run.err);
    return run;
}

uint32_t TestSeed() {
    bool set = false;
    const uint32_t seed = qEnvironmentVariable("TESSARY_SEED").toUInt(&set);
    const uint32_t chosen = set ? seed : std::random_device()();
    std::cout << "seed " << chosen << " (TESSARY_SEED=" << chosen << " repeats this run)\n";
    testing::Test::RecordProperty("seed", std::to_string(chosen));
    return chosen;
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100); // not a wait: the pace of the polling
    }
    return true;
}

Identified Identify(const QString& path) {
    // [0]: the first frame (an ICO or GIF may hold more).
    const ToolRun run =
        Oracle(u"identify"_s, {u"-format"_s, u"%m %w %h %x %y %U"_s, path + u"[0]"_s});
    Identified result;
    const QStringList parts = run.out.split(u' ');
    if (run.exitCode != 0 || parts.size() < 6)
        return result;
    result.format = parts[0];
    result.width = parts[1].toInt();
    result.height = parts[2].toInt();
    const double toInch = parts[5] == "PixelsPerCentimeter"_L1 ? 2.54 : 1.0;
    result.xdpi = parts[3].toDouble() * toInch;
    result.ydpi = parts[4].toDouble() * toInch;
    return result;
}

void DrawPicture(const QString& path, int width, int height, const QString& pattern,
                 const QStringList& extra) {
    QStringList arguments{u"-size"_s, u"%1x%2"_s.arg(width).arg(height),
                          pattern.isEmpty() ? u"gradient:red-blue"_s : pattern};
    arguments << extra << path;
    Oracle(u"convert"_s, arguments);
}

QStringList DrawPictures(const QString& folder, int count, const QString& nameFormat, int width,
                         int height) {
    QStringList pictures;
    for (int i = 0; i < count; ++i) {
        pictures << QDir(folder).filePath(nameFormat.arg(i));
        if (i == 0)
            DrawPicture(pictures[0], width, height);
        else
            EXPECT_TRUE(QFile::copy(pictures[0], pictures.last())) << qPrintable(pictures.last());
    }
    return pictures;
}

QString WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
    return path;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray FileHash(const QString& path) {
    return QCryptographicHash::hash(ReadFile(path), QCryptographicHash::Sha256);
}

double Difference(const QString& a, const QString& b) {
    // Status 1: the pictures differ, which is what is measured.
    const ToolRun run = Oracle(u"compare"_s, {u"-metric"_s, u"RMSE"_s, a, b, u"null:"_s}, {0, 1});
    // "1234.5 (0.0188)": the part in brackets is normalised.
    bool read = false;
    const double difference = run.err.section(u'(', 1).section(u')', 0, 0).toDouble(&read);
    EXPECT_TRUE(read) << "compare said: " << qPrintable(run.err);
    return read ? difference : 1.0;
}

bool DecodesCleanly(const QString& path) {
    // 1: it decodes with an error or a warning; anything else is the tool's.
    return Oracle(u"convert"_s, {u"-regard-warnings"_s, path, u"null:"_s}, {0, 1}).exitCode == 0;
}

QString CopyInto(const QString& source, const QString& folder, const QString& name) {
    const QString target =
        QDir(folder).filePath(name.isEmpty() ? QFileInfo(source).fileName() : name);
    QFile::remove(target);
    if (!QFile::copy(source, target))
        ADD_FAILURE() << "cannot copy " << qPrintable(source) << " to " << qPrintable(target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
    return target;
}

QStringList CopyPhotos(const QString& photo, const QString& folder, int count,
                       const QString& nameFormat) {
    QStringList copies;
    for (int i = 0; i < count; ++i)
        copies << CopyInto(TestData(u"hdr/"_s + photo), folder, nameFormat.arg(i));
    return copies;
}

void RecordingProgram(const QString& path, const QString& record) {
    // Written whole, then renamed: a reader never sees half a record.
    WriteFile(path, QStringLiteral("#!/bin/sh\nprintf '%s\\0' \"$@\" > '%1.part'\n"
                                   "mv '%1.part' '%1'\n")
                        .arg(record)
                        .toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString RecordingXdgEmail(const QString& folder) {
    const QString record = QDir(folder).filePath(u"mail"_s);
    RecordingProgram(QDir(folder).filePath(u"xdg-email"_s), record);
    return record;
}

QStringList RecordedArguments(const QString& record) {
    QStringList arguments;
    for (const QByteArray& argument : ReadFile(record).split('\0'))
        arguments << QString::fromUtf8(argument);
    arguments.removeLast(); // after the last NUL, or of an empty file
    return arguments;
}

QStringList EntriesUnder(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(root).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

QStringList NamesIn(const QByteArray& folder) {
    QStringList names;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir))
            if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                names << QString::fromUtf8(entry->d_name);
        ::closedir(dir);
    }
    names.sort();
    return names;
}

void RemoveTree(const QByteArray& folder) {
    ::nftw(
        folder.constData(),
        [](const char* path, const struct stat*, int, FTW*) { return ::remove(path); }, 16,
        FTW_DEPTH | FTW_PHYS);
}
