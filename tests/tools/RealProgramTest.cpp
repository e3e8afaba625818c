// SPDX-License-Identifier: MIT
#include "RealProgramTest.h"

#include "TestSupport.h"

#include <QProcessEnvironment>

const QString RealProgramTest::kMenu = QStringLiteral(TESSARY_MENU);
const QString RealProgramTest::kTessary = QStringLiteral(TESSARY_APP);

void RealProgramTest::SetUp() {
    // This process reads what the programs stored, and their hand-off block.
    qputenv("XDG_CONFIG_HOME", home_.filePath(u".config"_s).toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
}

QStringList RealProgramTest::Environment(const QString& display) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, home_.path());
    env.insert(u"XDG_CONFIG_HOME"_s, home_.filePath(u".config"_s));
    env.insert(u"XDG_DATA_HOME"_s, home_.filePath(u".local/share"_s));
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime_.path());
    // Mail copies go to a temporary folder that goes with the test.
    QDir().mkpath(home_.filePath(u"tmp"_s));
    env.insert(u"TMPDIR"_s, home_.filePath(u"tmp"_s));
    env.insert(u"PATH"_s, bin_.path() + u':' + env.value(u"PATH"_s));
    // English whatever the tester's language: the tests read the words.
    env.insert(u"LANGUAGE"_s, u"en"_s);
    if (display.isEmpty()) {
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    } else {
        env.remove(u"QT_QPA_PLATFORM"_s);
        env.insert(u"DISPLAY"_s, display);
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
    return bin_.filePath(u"output"_s);
}

std::string RealProgramTest::Told(const XServer& x) const {
    return ("printed:\n" + ReadFile(Log()) + "windows: " + x.WindowNames().join(", "_L1).toUtf8())
        .toStdString();
}
