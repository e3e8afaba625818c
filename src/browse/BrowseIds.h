// SPDX-License-Identifier: MIT
#pragma once

#include "platform/UiText.h"

#include <QString>

// The browsing windows' ids and texts.

namespace BrowseId {
constexpr int AddressBar = 230;
} // namespace BrowseId

namespace BrowseText {
inline constexpr UiText ColumnName = TrText("Browse", "File Name");
inline constexpr UiText ColumnSize = TrText("Browse", "Size");
inline constexpr UiText ColumnType = TrText("Browse", "File Type");
inline constexpr UiText ColumnTime = TrText("Browse", "Create Time");
// The status bar's summary of the folder shown: %1 the pictures, and after
// it, when some are marked, %1 the marked and %2 their size.
inline constexpr UiText Pictures = TrText("Browse", "%1 pictures");
inline constexpr UiText OnePicture = TrText("Browse", "%1 picture");
inline constexpr UiText Marked = TrText("Browse", ", %1 marked, %2");
// The type of a picture whose extension the system knows no name for.
inline constexpr UiText UnknownPicture = TrText("Browse", "%1 picture");
inline constexpr UiText MarkBeforeCopy = TrText("Browse", "Please mark the pictures before Copy");
inline constexpr UiText MarkBeforeMove = TrText("Browse", "Please mark the pictures before Move");
inline constexpr UiText MarkBeforeMail = TrText("Browse", "Please mark the pictures before Mail");
inline constexpr UiText MarkBeforeResize =
    TrText("Browse", "Please mark the pictures before Resize");
// After a copy or move: %1 "copied" or "moved", %2 the pictures.
inline constexpr UiText NotTransferred = TrText("Browse", "These pictures could not be %1:\n\n%2");
// A destination that is the pictures' own folder (or a link to it).
inline constexpr UiText AlreadyThere =
    TrText("Browse", "These pictures are already in \"%1\", so they were not %2:\n\n%3");
} // namespace BrowseText

// The status-bar prompt and the tooltip of each command of the list.
struct CommandPrompt {
    int id;
    UiText prompt;
    UiText tooltip;
};
inline constexpr UiText kNoTooltip{"", ""};
inline constexpr CommandPrompt kCommandPrompts[] = {
    {32773,
     TrText("CommandPrompt",
            "Mark the selected picture in order to resize, mail, move or copy the marked pictures"),
     TrText("CommandPrompt", "Mark the selected picture")},
    {57642, TrText("CommandPrompt", "Select the all pictures in the folder"),
     TrText("CommandPrompt", "Select All")},
    {32798, TrText("CommandPrompt", "Refresh the file list"), TrText("CommandPrompt", "Refresh")},
    {57634, TrText("CommandPrompt", "Copy the marked pictures to pointed folder"),
     TrText("CommandPrompt", "Copy")},
    {32776, TrText("CommandPrompt", "Move the marked pictures to pointed folder"),
     TrText("CommandPrompt", "Move")},
    {32777, TrText("CommandPrompt", "Mail the marked pictures"), TrText("CommandPrompt", "Mail")},
    {32774, TrText("CommandPrompt", "Resize the marked pictures"),
     TrText("CommandPrompt", "Tessary")},
    {32787, TrText("CommandPrompt", "Set the program option"), TrText("CommandPrompt", "Option")},
    {32811, TrText("CommandPrompt", "Show the pictures as a list with their size, type and time"),
     TrText("CommandPrompt", "Details")},
    {32812, TrText("CommandPrompt", "Show the pictures as thumbnails"),
     TrText("CommandPrompt", "Thumbnails")},
    {32813, TrText("CommandPrompt", "Sort the list by name; again: the other way round"),
     kNoTooltip},
    {32814, TrText("CommandPrompt", "Sort the list by size; again: the other way round"),
     kNoTooltip},
    {32815, TrText("CommandPrompt", "Sort the list by type; again: the other way round"),
     kNoTooltip},
    {32816, TrText("CommandPrompt", "Sort the list by time; again: the other way round"),
     kNoTooltip},
    {57664, TrText("CommandPrompt", "Display program information, version number and copyright"),
     TrText("CommandPrompt", "About")},
    {32817, TrText("CommandPrompt", "Go back to the folder shown before"), kNoTooltip},
    {32818, TrText("CommandPrompt", "Go forward to the folder left by Back"), kNoTooltip},
    {32819,
     TrText("CommandPrompt", "Show or hide the files and folders whose names begin with a dot"),
     kNoTooltip},
    {32820,
     TrText("CommandPrompt",
            "Show the picture on the whole screen; the arrow keys go through the folder"),
     kNoTooltip},
    {32821,
     TrText("CommandPrompt", "Show the folder's pictures one after the other on the whole screen"),
     kNoTooltip},
};
