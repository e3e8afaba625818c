// SPDX-License-Identifier: MIT
#include "XServer.h"

#include "TestSupport.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

namespace {
constexpr int kPollMs = 100;
} // namespace

XServer::XServer() {
    // -displayfd: the server picks a free display and tells its number.
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp")});
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

QString XServer::Xdotool(const QStringList& arguments) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    return RunTool(QStringLiteral("xdotool"), arguments, {}, 10000, environment.toStringList()).out;
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
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        const QStringList windows = Search(name);
        if (!windows.isEmpty())
            return windows.first();
        QThread::msleep(kPollMs);
    }
    return {};
}

bool XServer::HasWindow(const QString& name) const {
    return !Search(name).isEmpty();
}

void XServer::PressKey(const QString& window, const QString& key) const {
    Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window, QStringLiteral("key"),
             key});
}

void XServer::EndOwner(const QString& window) const {
    const int pid = Xdotool({QStringLiteral("getwindowpid"), window}).trimmed().toInt();
    if (pid > 0)
        kill(pid, SIGTERM);
}
