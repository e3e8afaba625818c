// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

class AppSettings;
class CTessaryDoc;
class QAction;

// The main window of a normal start: the menu of every picture command and
// the client area with the document's views. When it closes it stores its
// placement so that the next start opens it in the same place.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(AppSettings& settings, CTessaryDoc& document, QWidget* parent = nullptr);

    // The menu item with this command id; null for an unknown id.
    QAction* Action(int id) const;
    // Puts the window where it stood at the last close, if anything was stored.
    void ApplyPlacement();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void OnCreateClient();
    void DestroyWindow();

    AppSettings& settings_;
    CTessaryDoc& document_;
};
