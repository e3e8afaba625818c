// SPDX-License-Identifier: MIT
#include "XServer.h"

#include "TestSupport.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <csignal>

namespace {
constexpr int kPollMs = 100;
} // namespace

XServer::XServer() {
    // -displayfd: the server picks a free display and tells its number.
    // -noreset: by default the server starts afresh whenever its last client
    // leaves, and a program connecting just then is turned away.
    server_.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x1024x24"_s,
                              u"-nolisten"_s, u"tcp"_s, u"-noreset"_s});
    if (!server_.waitForStarted())
        return;
    QElapsedTimer timer;
    timer.start();
    QByteArray number;
    while (!number.contains('\n') && timer.elapsed() < 20000) {
        server_.waitForReadyRead(kPollMs);
        number += server_.readAllStandardOutput();
    }
    if (number.contains('\n'))
        display_ = u':' + QString::fromLatin1(number.trimmed());
}

XServer::~XServer() {
    server_.terminate();
    server_.waitForFinished();
}

QStringList XServer::ToolEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, display_);
    return environment.toStringList();
}

QString XServer::Xdotool(const QStringList& arguments) const {
    // A search that finds no window ends with 1; every other command must work.
    if (arguments.value(0) == "search"_L1)
        return Oracle(u"xdotool"_s, arguments, {0, 1}, {}, ToolEnvironment()).out;
    return Oracle(u"xdotool"_s, arguments, {0}, {}, ToolEnvironment()).out;
}

QStringList XServer::Search(const QString& name) const {
    return Xdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s,
                    u'^' + QRegularExpression::escape(name) + u'$'})
        .split(u'\n', Qt::SkipEmptyParts);
}

QStringList XServer::WindowNames() const {
    return Xdotool(
               {u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"."_s, u"getwindowname"_s, u"%@"_s})
        .split(u'\n', Qt::SkipEmptyParts);
}

QString XServer::WaitForWindow(const QString& name, int timeoutMs) const {
    QStringList windows;
    WaitUntil([&] { return !(windows = Search(name)).isEmpty(); }, timeoutMs);
    return windows.value(0);
}

bool XServer::HasWindow(const QString& name) const {
    return !Search(name).isEmpty();
}

void XServer::PressKey(const QString& window, const QString& key) const {
    PressKeys(window, {key});
}

void XServer::PressKeys(const QString& window, const QStringList& keys) const {
    // A short pause between keys, as a typing person leaves.
    Xdotool(QStringList{u"windowfocus"_s, u"--sync"_s, window, u"key"_s, u"--delay"_s, u"40"_s} +
            keys);
}

void XServer::Type(const QString& window, const QString& text) const {
    Xdotool({u"windowfocus"_s, u"--sync"_s, window, u"type"_s, u"--delay"_s, u"20"_s, text});
}

void XServer::Drag(const QString& window, const QPoint& from, const QPoint& to) const {
    const auto move = [&window](const QPoint& point) {
        return QStringList{u"mousemove"_s, u"--window"_s, window, QString::number(point.x()),
                           QString::number(point.y())};
    };
    const QPoint middle = (from + to) / 2;
    Xdotool(move(from) + QStringList{u"mousedown"_s, u"1"_s} + move(middle) + move(to) +
            QStringList{u"mouseup"_s, u"1"_s});
}

void XServer::Resize(const QString& window, const QSize& size) const {
    Xdotool({u"windowsize"_s, u"--sync"_s, window, QString::number(size.width()),
             QString::number(size.height())});
}

bool XServer::WaitUntilGone(const QString& name, int timeoutMs) const {
    return WaitUntil([&] { return Search(name).isEmpty(); }, timeoutMs);
}

void XServer::EndOwner(const QString& window) const {
    const int pid = Xdotool({u"getwindowpid"_s, window}).trimmed().toInt();
    if (pid > 0)
        kill(pid, SIGTERM);
}
