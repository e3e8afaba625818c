// SPDX-License-Identifier: MIT
#include "RealProgramTest.h"

#include "TestSupport.h"

#include "app/HandOffBlock.h"
#include "platform/SharedMemory.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

const QString RealProgramTest::kMenu = QStringLiteral(TESSARY_MENU);
const QString RealProgramTest::kTessary = QStringLiteral(TESSARY_APP);

void RealProgramTest::SetUp() {
    // This process reads what the programs stored.
    qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral(".config")).toUtf8());
    SharedMemory::Remove(HandOffBlock::ObjectName());
}

void RealProgramTest::TearDown() {
    SharedMemory::Remove(HandOffBlock::ObjectName());
}

QStringList RealProgramTest::Environment(const QString& display) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral(".config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral(".local/share")));
    // Mail copies go to a temporary folder that goes with the test.
    QDir().mkpath(home_.filePath(QStringLiteral("tmp")));
    env.insert(QStringLiteral("TMPDIR"), home_.filePath(QStringLiteral("tmp")));
    env.insert(QStringLiteral("PATH"),
               bin_.path() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    if (display.isEmpty()) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("DISPLAY"), display);
    }
    return env.toStringList();
}

QString RealProgramTest::RecordMail() const {
    return RecordingXdgEmail(bin_.path());
}

void RealProgramTest::Launch(QProcess& process, const QString& program,
                             const QStringList& arguments, const QString& display) const {
    process.setEnvironment(Environment(display));
    process.setStandardOutputFile(Log(), QIODevice::Append);
    process.setStandardErrorFile(Log(), QIODevice::Append);
    process.start(program, arguments);
    ASSERT_TRUE(process.waitForStarted());
}

QString RealProgramTest::Log() const {
    return bin_.filePath(QStringLiteral("output"));
}

std::string RealProgramTest::Told(const XServer& x) const {
    QFile log(Log());
    const QByteArray printed = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    return ("printed:\n" + printed +
            "windows: " + x.WindowNames().join(QLatin1String(", ")).toUtf8())
        .toStdString();
}
