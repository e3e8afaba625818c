// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The browsing windows' ids and texts.

namespace BrowseId {
constexpr int AddressBar = 230;
} // namespace BrowseId

namespace BrowseText {
inline const QString ColumnName = QStringLiteral("File Name");
inline const QString ColumnSize = QStringLiteral("Size");
inline const QString ColumnType = QStringLiteral("File Type");
inline const QString ColumnTime = QStringLiteral("Create Time");
// The status bar's summary of the folder shown: %1 the pictures, and after
// it, when some are marked, %1 the marked and %2 their size.
inline const QString Pictures = QStringLiteral("%1 pictures");
inline const QString OnePicture = QStringLiteral("%1 picture");
inline const QString Marked = QStringLiteral(", %1 marked, %2");
// The type of a picture whose extension the system knows no name for.
inline const QString UnknownPicture = QStringLiteral("%1 picture");
inline const QString MarkBeforeCopy = QStringLiteral("Please mark the pictures before Copy");
inline const QString MarkBeforeMove = QStringLiteral("Please mark the pictures before Move");
inline const QString MarkBeforeMail = QStringLiteral("Please mark the pictures before Mail");
inline const QString MarkBeforeResize = QStringLiteral("Please mark the pictures before Resize");
// After a copy or move: %1 "copied" or "moved", %2 the pictures.
inline const QString NotTransferred = QStringLiteral("These pictures could not be %1:\n\n%2");
// A destination that is the pictures' own folder (or a link to it).
inline const QString AlreadyThere =
    QStringLiteral("These pictures are already in \"%1\", so they were not %2:\n\n%3");
} // namespace BrowseText

// The status-bar prompt and the tooltip of each command of the list.
struct CommandPrompt {
    int id;
    const char* prompt;
    const char* tooltip;
};
inline constexpr CommandPrompt kCommandPrompts[] = {
    {32773, "Mark the selected picture in order to resize, mail, move or copy the marked pictures",
     "Mark the selected picture"},
    {57642, "Select the all pictures in the folder", "Select All"},
    {32798, "Refresh the file list", "Refresh"},
    {57634, "Copy the marked pictures to pointed folder", "Copy"},
    {32776, "Move the marked pictures to pointed folder", "Move"},
    {32777, "Mail the marked pictures", "Mail"},
    {32774, "Resize the marked pictures", "Tessary"},
    {32787, "Set the program option", "Option"},
    {32811, "Show the pictures as a list with their size, type and time", "Details"},
    {32812, "Show the pictures as thumbnails", "Thumbnails"},
    {32813, "Sort the list by name; again: the other way round", ""},
    {32814, "Sort the list by size; again: the other way round", ""},
    {32815, "Sort the list by type; again: the other way round", ""},
    {32816, "Sort the list by time; again: the other way round", ""},
    {57664, "Display program information, version number and copyright", "About"},
    {32817, "Go back to the folder shown before", ""},
    {32818, "Go forward to the folder left by Back", ""},
    {32819, "Show or hide the files and folders whose names begin with a dot", ""},
    {32820, "Show the picture on the whole screen; the arrow keys go through the folder", ""},
    {32821, "Show the folder's pictures one after the other on the whole screen", ""},
};
