// SPDX-License-Identifier: MIT
#pragma once

#include "batch/TargetSize.h"
#include "platform/UiText.h"
#include "settings/ResizeSettings.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// What tessary-batch was asked to do.
struct BatchCommandLine {
    enum class AnswerPolicy { Default, Ask, YesToAll, NoToAll };

    bool help = false;
    bool version = false;
    bool info = false; // print the pictures' properties instead of resizing
    bool list = false; // print a folder's rows as the file list shows them
    int listSort = 0;  // the column: 0 name, 1 size, 2 type, 3 time
    bool listDescending = false;
    bool mail = false;      // resize into temporary copies, then hand them to the mail client
    bool recursive = false; // a FOLDER stands for every picture under it
    std::vector<std::pair<QString, QString>> sets; // --set NAME=VALUE, in order
    QStringList also;                              // --also CHANGES: one further output each
    QString filesFrom;   // --files-from FILE ("-": standard input); empty: none
    bool null = false;   // the list of --files-from is NUL-separated
    bool dryRun = false; // write nothing: print what would be written, and its size
    bool undo = false;   // undo the last batch instead of running one
    QString preset;      // --preset: start from this preset, not the stored options
    QString savePreset;  // --save-preset: store the run's options under this name
    QString deletePreset;
    bool listPresets = false;
    AnswerPolicy answer = AnswerPolicy::Default;
    std::optional<DesktopSize> desktopSize;
    int jobs = 0; // 0: one per core
    QStringList files;
};

// Parses the arguments after the program name. On a usage error returns
// nothing and sets error to a message naming the culprit.
std::optional<BatchCommandLine> ParseBatchCommandLine(const QStringList& arguments, QString& error);

// Applies one --set to settings. Unknown names and numbers that are not
// 32-bit unsigned decimals fail with a message naming them.
bool ApplyBatchSetting(ResizeSettings& settings, const QString& name, const QString& value,
                       QString& error);

// After every --set: a number outside its range fails with a message naming
// the option and the range.
bool CheckBatchSettings(const ResizeSettings& settings, QString& error);

extern const UiText kBatchUsage;
