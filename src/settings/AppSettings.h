// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ResizeSettings.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

// How the list shows the folder: rows of details, or a grid of thumbnails.
namespace ViewMode {
constexpr int32_t Details = 0;
constexpr int32_t Thumbnails = 1;
} // namespace ViewMode

// The placement of the main window: the eleven numbers of a Windows
// WINDOWPLACEMENT record, in its field order.
struct WindowPlacement {
    int32_t length = 0;
    int32_t flags = 0;
    int32_t showCmd = 0;
    int32_t minX = 0;
    int32_t minY = 0;
    int32_t maxX = 0;
    int32_t maxY = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Byte sizes of the fixed text buffers; a text keeps at most one byte less
// (the zero), counted in UTF-8 and never cutting a character.
constexpr int kMailSubjectBytes = 200;
constexpr int kMailBodyBytes = 5000;
constexpr int kUserDatBytes = kMailSubjectBytes + kMailBodyBytes;

// A slideshow's pace, in seconds a picture.
constexpr int32_t kDefaultSlideshowPace = 5;
constexpr int32_t kMostSlideshowPace = 3600;

// All state that outlives one command: the resize options, the lists that
// carry a batch between its stages, the mail texts, the file-manager menu
// choices, the window layout and the last folders.
// The program's one object comes from GetAppSettings; tests may build their
// own. User-interface thread: a batch's workers report to it, and the
// progress dialog collects their results here when they are done.
class AppSettings : public ResizeSettings {
public:
    AppSettings(); // sets the constructed values, then loads all three groups
    virtual ~AppSettings();

    void LoadResizeSettings();
    void LoadMenuAndMailSettings();
    void LoadLayoutSettings();
    // Each returns why the settings could not be written; empty when they were.
    [[nodiscard]] QString SaveResizeSettings() const;
    [[nodiscard]] QString SaveMenuAndMailSettings() const;
    [[nodiscard]] QString SaveLayoutSettings() const;

    // ~/.config/Vorn/tsy/user.dat: the mail subject and body.
    static QString UserDataPath();

    QString versionText;
    QStringList PictureList;
    QStringList MailTempList;
    QString mailSubject;
    QString mailBody;
    uint32_t extTessary = 1;
    uint32_t extResize = 1;
    uint32_t extResizeAsDefaultSetting = 1;
    uint32_t extResizeAndMail = 1;
    uint32_t extResizeDefaultAndMail = 1; // 1 default settings and mail, 0 dialog then mail
    uint32_t extPresets = 1;              // 1: "Resize with preset" items, one a preset
    WindowPlacement windowPlacement;
    bool hasWindowPlacement = false; // false: leave the window where the system puts it
    int32_t curcol = 500;            // width of the list pane
    std::array<int32_t, 4> columnWidth{200, 50, 100, -2}; // -2: size the last column to its header
    bool columnWidthsStored = false; // false: the list sizes its columns to its font
    int32_t viewMode = ViewMode::Details;
    bool showHidden = false; // View > Hidden Files: names starting with a dot are listed
    int32_t slideshowPace = kDefaultSlideshowPace; // seconds a picture stays in a slideshow
    uint32_t AnyJpegSource = 0;
    QString cmto;           // folder last chosen for Copy To / Move To
    QString LastBrowsePIDL; // folder the list showed last, as a parsable text
};

// The program's one AppSettings, built and loaded on the first call; it
// lives until the process ends.
AppSettings& GetAppSettings();
