// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>

// A private X server (Xvfb) for one test, so that the real programs can be
// watched and driven as a user would: which windows they show, and keys.
class XServer {
public:
    XServer();
    ~XServer();

    bool Running() const { return !display_.isEmpty(); }
    QString Display() const { return display_; }

    // The id of a shown window whose whole name is `name`; empty when none
    // appears within the time.
    QString WaitForWindow(const QString& name, int timeoutMs = 60000) const;
    // Whether such a window is shown right now.
    bool HasWindow(const QString& name) const;
    // Gives the window the keyboard and presses a key in it.
    void PressKey(const QString& window, const QString& key) const;
    // Gives the window the keyboard and presses keys one after the other,
    // each as xdotool names it ("Tab", "ctrl+a", "space").
    void PressKeys(const QString& window, const QStringList& keys) const;
    // Gives the window the keyboard and types the text.
    void Type(const QString& window, const QString& text) const;
    // Drags with the left button between two points of the window.
    void Drag(const QString& window, const QPoint& from, const QPoint& to) const;
    // Gives the window a new size.
    void Resize(const QString& window, const QSize& size) const;
    // Waits until no window of that name is shown; false on timeout.
    bool WaitUntilGone(const QString& name, int timeoutMs = 60000) const;
    // Ends the program that owns the window.
    void EndOwner(const QString& window) const;
    // The names of the shown windows, for a failing test to tell.
    QStringList WindowNames() const;

private:
    QStringList Search(const QString& name) const;
    // The environment of a tool that works on this server.
    QStringList ToolEnvironment() const;
    // Runs xdotool on this server.
    QString Xdotool(const QStringList& arguments) const;
    QProcess server_;
    QString display_;
};
