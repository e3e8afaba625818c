// SPDX-License-Identifier: MIT
#pragma once

#include "XServer.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

// The real installed-style programs, run as separate processes with a home
// of their own: settings, file-manager menus, mail folders and the hand-off
// block all land in temporary folders, never in the user's, so the tests
// can run side by side.
class RealProgramTest : public testing::Test {
protected:
    static const QString kMenu;
    static const QString kTessary;

    void SetUp() override;

    // The programs' environment: the temporary home, the stand-in tools
    // first on PATH, and the given X display (offscreen when none).
    QStringList Environment(const QString& display = {}) const;
    // A stand-in for xdg-email that keeps its arguments, one a line, in the
    // file whose path it returns.
    QString RecordMail() const;
    // Starts a program and leaves it running. Its output goes to a file, not
    // a pipe nobody reads, so it can never stall on a full pipe.
    void Launch(QProcess& process, const QString& program, const QStringList& arguments,
                const QString& display) const;
    // What the started programs printed, and what the server shows: told
    // when an expected window or file did not appear.
    std::string Told(const XServer& x) const;

    QTemporaryDir home_;
    QTemporaryDir runtime_; // made private to its owner, as a session's is
    QTemporaryDir dir_;
    QTemporaryDir bin_;

private:
    QString Log() const;
};
