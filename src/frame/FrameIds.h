// SPDX-License-Identifier: MIT
#pragma once

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
} // namespace CommandId

namespace FrameText {
inline const QString SlideshowPace = QStringLiteral("Slideshow &Pace");
inline const QString Seconds = QStringLiteral("%1 seconds");
inline const QString NoPictureHere = QStringLiteral("This folder has no picture to show");
inline const QString LayoutNotKept = QStringLiteral(
    "The window's place and the list's view and columns cannot be kept for the next start.\n\n%1");
} // namespace FrameText

struct MenuEntry {
    const char* menu; // the drop-down it belongs to
    const char* text; // a tab separates the accelerator's text
    int id;
    bool separatorAfter;
};

// In menu order. Up Folder answers Alt+Up too.
inline constexpr const char* kUpFolderKey = "Alt+Up";

// The slideshow's paces offered under View, in seconds.
inline constexpr int kSlideshowPaces[] = {2, 3, 5, 10, 20};
inline constexpr std::array<MenuEntry, 28> kMainMenu{{
    {"&File", "Up Folder\tBackspace", CommandId::UpFolder, false},
    {"&File", "Mark", CommandId::Mark, false},
    {"&File", "Resize ...", CommandId::Resize, true},
    {"&File", "Mail To ...", CommandId::MailTo, true},
    {"&File", "E&xit", CommandId::Exit, false},
    {"&Edit", "&Copy To ...", CommandId::CopyTo, false},
    {"&Edit", "Move To ...", CommandId::MoveTo, false},
    {"&Edit", "Select All\tCtrl+A", CommandId::SelectAll, false},
    {"&Edit", "Refresh\tF5", CommandId::Refresh, true},
    {"&Edit", "Option ...", CommandId::Option, false},
    {"&View", "&Toolbar", CommandId::ViewToolbar, false},
    {"&View", "&Status Bar", CommandId::ViewStatusBar, true},
    {"&View", "&Details\tCtrl+1", CommandId::ViewDetails, false},
    {"&View", "T&humbnails\tCtrl+2", CommandId::ViewThumbnails, true},
    {"&View", "Sort by &Name", CommandId::SortByName, false},
    {"&View", "Sort by Si&ze", CommandId::SortBySize, false},
    {"&View", "Sort by T&ype", CommandId::SortByType, false},
    {"&View", "Sort by &Create Time", CommandId::SortByTime, true},
    {"&View", "H&idden Files\tCtrl+H", CommandId::ViewHidden, true},
    {"&View", "&Full Screen\tF11", CommandId::FullScreen, false},
    {"&View", "Slidesho&w\tShift+F11", CommandId::Slideshow, false},
    {"&Go", "&Back\tAlt+Left", CommandId::Back, false},
    {"&Go", "&Forward\tAlt+Right", CommandId::Forward, false},
    {"&Help", "Visit my web", CommandId::VisitMyWeb, false},
    {"&Help", "Check the new version ...", CommandId::CheckNewVersion, true},
    {"&Help", "Mail to me", CommandId::MailToMe, false},
    {"&Help", "Bug report", CommandId::BugReport, true},
    {"&Help", "&About ...", CommandId::About, false},
}};
