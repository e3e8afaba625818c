// SPDX-License-Identifier: MIT
#pragma once

#include "platform/UiText.h"

#include <QString>

#include <array>

// The main window's menu (resource 128): its command ids and texts. Actions
// carry their id as their object name (QString::number(id)).

namespace FrameId {
constexpr int MainTemplate = 128; // the single-document template
} // namespace FrameId

namespace CommandId {
constexpr int UpFolder = 32797;
constexpr int Mark = 32773;
constexpr int Resize = 32774;
constexpr int MailTo = 32777;
constexpr int Exit = 57665;
constexpr int CopyTo = 57634;
constexpr int MoveTo = 32776;
constexpr int SelectAll = 57642;
constexpr int Refresh = 32798;
constexpr int Option = 32787;
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;
constexpr int ViewDetails = 32811;
constexpr int ViewThumbnails = 32812;
constexpr int SortByName = 32813; // then size, type and time, in the columns' order
constexpr int SortBySize = 32814;
constexpr int SortByType = 32815;
constexpr int SortByTime = 32816;
constexpr int Back = 32817;
constexpr int Forward = 32818;
constexpr int ViewHidden = 32819;
constexpr int FullScreen = 32820;
constexpr int Slideshow = 32821;
constexpr int VisitMyWeb = 32793;
constexpr int CheckNewVersion = 32802;
constexpr int MailToMe = 32789;
constexpr int BugReport = 32791;
constexpr int About = 57664;
constexpr int UndoLastBatch = 32830;
} // namespace CommandId

namespace FrameText {
inline constexpr UiText SlideshowPace = TrText("Frame", "Slideshow &Pace");
inline constexpr UiText Seconds = TrText("Frame", "%1 seconds");
inline constexpr UiText NoPictureHere = TrText("Frame", "This folder has no picture to show");
inline constexpr UiText LayoutNotKept = TrText(
    "Frame",
    "The window's place and the list's view and columns cannot be kept for the next start.\n\n%1");
} // namespace FrameText
// The File menu's command that undoes the last batch.
inline constexpr UiText kUndoLastBatchText = TrText("MainMenu", "Undo Last Batch");

struct MenuEntry {
    UiText menu; // the drop-down it belongs to
    UiText text; // a tab separates the accelerator's text
    int id;
    bool separatorAfter;
};

// In menu order. Up Folder answers Alt+Up too.
inline constexpr const char* kUpFolderKey = "Alt+Up";

// The slideshow's paces offered under View, in seconds.
inline constexpr int kSlideshowPaces[] = {2, 3, 5, 10, 20};
inline constexpr std::array<MenuEntry, 29> kMainMenu{{
    {TrText("MainMenu", "&File"), TrText("MainMenu", "Up Folder\tBackspace"), CommandId::UpFolder,
     false},
    {TrText("MainMenu", "&File"), TrText("MainMenu", "Mark"), CommandId::Mark, false},
    {TrText("MainMenu", "&File"), TrText("MainMenu", "Resize ..."), CommandId::Resize, false},
    {TrText("MainMenu", "&File"), kUndoLastBatchText, CommandId::UndoLastBatch, true},
    {TrText("MainMenu", "&File"), TrText("MainMenu", "Mail To ..."), CommandId::MailTo, true},
    {TrText("MainMenu", "&File"), TrText("MainMenu", "E&xit"), CommandId::Exit, false},
    {TrText("MainMenu", "&Edit"), TrText("MainMenu", "&Copy To ..."), CommandId::CopyTo, false},
    {TrText("MainMenu", "&Edit"), TrText("MainMenu", "Move To ..."), CommandId::MoveTo, false},
    {TrText("MainMenu", "&Edit"), TrText("MainMenu", "Select All\tCtrl+A"), CommandId::SelectAll,
     false},
    {TrText("MainMenu", "&Edit"), TrText("MainMenu", "Refresh\tF5"), CommandId::Refresh, true},
    {TrText("MainMenu", "&Edit"), TrText("MainMenu", "Option ..."), CommandId::Option, false},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "&Toolbar"), CommandId::ViewToolbar, false},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "&Status Bar"), CommandId::ViewStatusBar,
     true},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "&Details\tCtrl+1"), CommandId::ViewDetails,
     false},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "T&humbnails\tCtrl+2"),
     CommandId::ViewThumbnails, true},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "Sort by &Name"), CommandId::SortByName,
     false},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "Sort by Si&ze"), CommandId::SortBySize,
     false},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "Sort by T&ype"), CommandId::SortByType,
     false},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "Sort by &Create Time"), CommandId::SortByTime,
     true},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "H&idden Files\tCtrl+H"),
     CommandId::ViewHidden, true},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "&Full Screen\tF11"), CommandId::FullScreen,
     false},
    {TrText("MainMenu", "&View"), TrText("MainMenu", "Slidesho&w\tShift+F11"), CommandId::Slideshow,
     false},
    {TrText("MainMenu", "&Go"), TrText("MainMenu", "&Back\tAlt+Left"), CommandId::Back, false},
    {TrText("MainMenu", "&Go"), TrText("MainMenu", "&Forward\tAlt+Right"), CommandId::Forward,
     false},
    {TrText("MainMenu", "&Help"), TrText("MainMenu", "Visit my web"), CommandId::VisitMyWeb, false},
    {TrText("MainMenu", "&Help"), TrText("MainMenu", "Check the new version ..."),
     CommandId::CheckNewVersion, true},
    {TrText("MainMenu", "&Help"), TrText("MainMenu", "Mail to me"), CommandId::MailToMe, false},
    {TrText("MainMenu", "&Help"), TrText("MainMenu", "Bug report"), CommandId::BugReport, true},
    {TrText("MainMenu", "&Help"), TrText("MainMenu", "&About ..."), CommandId::About, false},
}};
