// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A private X server (Xvfb) for one test, so that the real programs can be
// watched and driven as a user would: which windows they show, and keys.
class XServer {
public:
    XServer();
    ~XServer();

    bool Running() const { return !display_.isEmpty() && server_.state() == QProcess::Running; }
    QString Display() const { return display_; }

    // The id of a shown window whose whole name is `name`; empty when none
    // appears within the time.
    QString WaitForWindow(const QString& name, int timeoutMs = 60000) const;
    // Whether such a window is shown right now.
    bool HasWindow(const QString& name) const;
    // Gives the window the keyboard and presses a key in it.
    void PressKey(const QString& window, const QString& key) const;
    // Ends the program that owns the window.
    void EndOwner(const QString& window) const;
    // The names of the shown windows, for a failing test to tell.
    QStringList WindowNames() const;

private:
    QStringList Search(const QString& name) const;
    // Runs xdotool on this server.
    QString Xdotool(const QStringList& arguments) const;
    QProcess server_;
    QString display_;
};
