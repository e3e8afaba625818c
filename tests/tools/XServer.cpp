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
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp"), QStringLiteral("-noreset")});
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
        display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
}

XServer::~XServer() {
    server_.terminate();
    server_.waitForFinished();
}

QStringList XServer::ToolEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    return environment.toStringList();
}

QString XServer::Xdotool(const QStringList& arguments) const {
    return RunTool(QStringLiteral("xdotool"), arguments, {}, 10000, ToolEnvironment()).out;
}

QStringList XServer::Search(const QString& name) const {
    return Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"),
                    QLatin1Char('^') + QRegularExpression::escape(name) + QLatin1Char('$')})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList XServer::WindowNames() const {
    return Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"), QStringLiteral("."), QStringLiteral("getwindowname"),
                    QStringLiteral("%@")})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
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
    Xdotool(QStringList{QStringLiteral("windowfocus"), QStringLiteral("--sync"), window,
                        QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} +
            keys);
}

void XServer::Type(const QString& window, const QString& text) const {
    Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window,
             QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

void XServer::Drag(const QString& window, const QPoint& from, const QPoint& to) const {
    const auto move = [&window](const QPoint& point) {
        return QStringList{QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                           QString::number(point.x()), QString::number(point.y())};
    };
    const QPoint middle = (from + to) / 2;
    Xdotool(move(from) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")} +
            move(middle) + move(to) + QStringList{QStringLiteral("mouseup"), QStringLiteral("1")});
}

void XServer::Resize(const QString& window, const QSize& size) const {
    Xdotool({QStringLiteral("windowsize"), QStringLiteral("--sync"), window,
             QString::number(size.width()), QString::number(size.height())});
}

bool XServer::Capture(const QString& window, const QString& path) const {
    return RunTool(QStringLiteral("import"), {QStringLiteral("-window"), window, path}, {}, 30000,
                   ToolEnvironment())
               .exitCode == 0;
}

bool XServer::WaitUntilGone(const QString& name, int timeoutMs) const {
    return WaitUntil([&] { return Search(name).isEmpty(); }, timeoutMs);
}

void XServer::EndOwner(const QString& window) const {
    const int pid = Xdotool({QStringLiteral("getwindowpid"), window}).trimmed().toInt();
    if (pid > 0)
        kill(pid, SIGTERM);
}
