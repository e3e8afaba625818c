// SPDX-License-Identifier: MIT
#pragma once

#include "app/HandOffBlock.h"
#include "browse/ShellNamespace.h"

#include <QApplication>

#include <memory>

class AppSettings;
class CMainFrame;
class CTessaryDoc;

// The application: its start-up decides between the two ways the program
// runs. Started from the file-manager menu, it finds a command and files in
// the user's hand-off block and runs only that command's dialogs; started
// any other way, it opens the main window.
class CTessaryApp : public QApplication {
    Q_OBJECT
public:
    CTessaryApp(int& argc, char** argv);
    ~CTessaryApp() override;

    // Start-up. Files given on the command line (opened with Tessary from a
    // file manager) open the main window on them, and a hand-off is not
    // looked for: it belongs to the tessary that tessary-menu starts.
    // Afterwards MainWindow() is null when a hand-off ran and the program
    // has nothing left to do.
    void InitInstance(const QStringList& files = {});
    CMainFrame* MainWindow() const { return frame_.get(); }

    // Runs the dialogs of a hand-off command; false for a code that is not a
    // command (the normal start follows, with the files in the PictureList).
    static bool RunHandOff(AppSettings& settings, const HandOff& handOff);
    static void RunPreset(AppSettings& settings);

    void OnAppAbout();

private:
    ShellNamespace shell_;
    std::unique_ptr<CTessaryDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
};
