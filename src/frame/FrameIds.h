// SPDX-License-Identifier: MIT
#pragma once

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
constexpr int VisitMyWeb = 32793;
constexpr int CheckNewVersion = 32802;
constexpr int MailToMe = 32789;
constexpr int BugReport = 32791;
constexpr int About = 57664;
constexpr int UndoLastBatch = 32830;
} // namespace CommandId

// The File menu's command that undoes the last batch.
inline constexpr const char* kUndoLastBatchText = "Undo Last Batch";

struct MenuEntry {
    const char* menu; // the drop-down it belongs to
    const char* text; // a tab separates the accelerator's text
    int id;
    bool separatorAfter;
};

// In menu order.
inline constexpr std::array<MenuEntry, 24> kMainMenu{{
    {"&File", "Up Folder", CommandId::UpFolder, false},
    {"&File", "Mark", CommandId::Mark, false},
    {"&File", "Resize ...", CommandId::Resize, false},
    {"&File", kUndoLastBatchText, CommandId::UndoLastBatch, true},
    {"&File", "Mail To ...", CommandId::MailTo, true},
    {"&File", "E&xit", CommandId::Exit, false},
    {"&Edit", "&Copy To ...", CommandId::CopyTo, false},
    {"&Edit", "Move To ...", CommandId::MoveTo, false},
    {"&Edit", "Select All\tCtrl+A", CommandId::SelectAll, false},
    {"&Edit", "Refresh", CommandId::Refresh, true},
    {"&Edit", "Option ...", CommandId::Option, false},
    {"&View", "&Toolbar", CommandId::ViewToolbar, false},
    {"&View", "&Status Bar", CommandId::ViewStatusBar, true},
    {"&View", "&Details\tCtrl+1", CommandId::ViewDetails, false},
    {"&View", "T&humbnails\tCtrl+2", CommandId::ViewThumbnails, true},
    {"&View", "Sort by &Name", CommandId::SortByName, false},
    {"&View", "Sort by Si&ze", CommandId::SortBySize, false},
    {"&View", "Sort by T&ype", CommandId::SortByType, false},
    {"&View", "Sort by &Create Time", CommandId::SortByTime, false},
    {"&Help", "Visit my web", CommandId::VisitMyWeb, false},
    {"&Help", "Check the new version ...", CommandId::CheckNewVersion, true},
    {"&Help", "Mail to me", CommandId::MailToMe, false},
    {"&Help", "Bug report", CommandId::BugReport, true},
    {"&Help", "&About ...", CommandId::About, false},
}};
