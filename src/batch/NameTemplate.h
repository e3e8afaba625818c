// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// What the tokens of a name template stand for, for one result.
struct NameFields {
    QString name;       // {name}: the source's name without its extension
    QString ext;        // {ext}: the source's extension, without the dot
    QString folder;     // {folder}: the name of the source's folder
    int64_t width = 0;  // {w}
    int64_t height = 0; // {h}
    int number = 1;     // {n}: the picture's place in the batch, from 1
    QDateTime taken;    // {date}, {time}: when the photo was taken
};

// Why template cannot name a result (an unknown token, a brace without
// its partner, a name that would leave the destination or has no file
// name), in words for the user; empty when it can.
QString NameTemplateError(const QString& nameTemplate);

// Whether the template needs the picture's header ({w}, {h}, {date},
// {time}), which naming can otherwise do without.
bool NameTemplateReadsPicture(const QString& nameTemplate);

// The result's name without its extension, "/" between the folders it
// makes below the destination. The template must have passed
// NameTemplateError. "./" and "//" make no folder; a part that comes out
// empty is the source's name, and one of dots alone (from a source named
// "...jpg") gets a "_" before it, so no result climbs out of its folder.
QString ExpandNameTemplate(const QString& nameTemplate, const NameFields& fields);

// When the photo was taken: its EXIF date as the camera's clock showed it
// (held as UTC so that no time zone moves it), else the file's
// modification time.
QDateTime DateTaken(const QString& exifDate, const QString& path);
