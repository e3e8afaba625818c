// SPDX-License-Identifier: MIT
// Undoing a batch as a user meets it: the real tessary-batch, killed at a
// random step or let finish, then tessary-batch --undo.
#include "RealProgramTest.h"
#include "TestSupport.h"

#include <QDirIterator>
#include <QEventLoop>
#include <QFileSystemWatcher>
#include <QMap>
#include <QProcess>

#include <random>

namespace {

const QString kBatch = QStringLiteral(TESSARY_BATCH);

// Every file and folder under root, the files with a hash of their bytes.
QMap<QString, QString> Snapshot(const QString& root) {
    QMap<QString, QString> all;
    for (QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        all[QDir(root).relativeFilePath(path)] =
            it.fileInfo().isDir() ? u"folder"_s : QString::fromLatin1(FileHash(path).toHex());
    }
    return all;
}

class UndoTest : public RealProgramTest {
protected:
    QString Journals() const { return home_.filePath(u".config/Vorn/tsy/journal"_s); }

    // Runs a batch and kills it once its journal tells of `steps` files put
    // in place, or lets it end when it has fewer. True when it was killed.
    bool RunUntil(const QStringList& arguments, int steps) {
        QDir().mkpath(Journals());
        QProcess batch;
        QFileSystemWatcher watcher({Journals()});
        QEventLoop loop;
        bool killed = false;
        const auto count = [&] {
            int puts = 0;
            for (const QString& name : QDir(Journals()).entryList(QDir::Files)) {
                const QString journal = QDir(Journals()).filePath(name);
                if (!watcher.files().contains(journal))
                    watcher.addPath(journal);
                puts += int(ReadFile(journal).count("\nput\t"));
            }
            if (puts >= steps && batch.state() == QProcess::Running && !killed) {
                batch.kill();
                killed = true;
            }
        };
        QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, count);
        QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, count);
        QObject::connect(&batch, &QProcess::finished, &loop, &QEventLoop::quit);
        batch.setEnvironment(Environment());
        batch.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        batch.start(kBatch, arguments);
        EXPECT_TRUE(batch.waitForStarted());
        if (steps == 0) {
            batch.kill();
            killed = true;
        }
        if (batch.state() == QProcess::Running)
            loop.exec();
        return killed && batch.exitStatus() == QProcess::CrashExit;
    }
};

// Override, replace and keep-both into files that were there, further
// outputs, and a mail, each killed at a step drawn at random (or let
// finish), then undone: every file there before is back byte for byte
// (two of them named alike, so the Trash holds two of that name), and no
// result, temporary file or folder of the batch is left, not even in the
// mail's folder. The Trash used is the test's own.
TEST_F(UndoTest, AnyBatchKilledAnywhereOrFinishedIsUndoneToTheByte) {
    std::mt19937 random(TestSeed());
    struct Case {
        const char* name;
        const char* options; // split at spaces
        int outputs;         // results a picture has
        bool existing;       // results of the names there before
    };
    const std::vector<Case> cases = {
        {"override", "--set override=1", 1, false},
        {"replace", "--set onexists=3", 1, true},
        {"keep both", "--set onexists=1", 1, true},
        {"further outputs",
         "--also imagetype=8 --also width=10,height=10,nametemplate={name}-thumb", 3, false},
        {"mail", "--mail", 1, false},
    };
    RecordMail();
    const QStringList photos = {u"jpg/canon-ixus.jpg"_s, u"jpg/fujifilm-dx10.jpg"_s,
                                u"jpg/nikon-e950.jpg"_s, u"jpg/olympus-c960.jpg"_s,
                                u"hdr/canon_hdr_NO.jpg"_s};
    for (const Case& c : cases) {
        const QString root = dir_.filePath(QLatin1String(c.name));
        QStringList files;
        for (const char* folder : {"photos", "more", "photos/resize", "more/resize"})
            if (c.existing || !QLatin1String(folder).endsWith("resize"_L1))
                QDir().mkpath(QDir(root).filePath(QLatin1String(folder)));
        for (const QString& photo : photos)
            files << CopyInto(TestData(photo), QDir(root).filePath(u"photos"_s));
        // A second photo of one name, in a folder of its own.
        files << CopyInto(TestData(photos[0]), QDir(root).filePath(u"more"_s));
        if (c.existing)
            for (const QString& file : files)
                CopyInto(TestData(u"jpg/sony-cybershot.jpg"_s),
                         QFileInfo(file).dir().filePath(u"resize"_s), QFileInfo(file).fileName());
        const QMap<QString, QString> before = Snapshot(root);
        const QString mailFolder = home_.filePath(u"tmp"_s);
        const QMap<QString, QString> mailBefore = Snapshot(mailFolder);
        const int results = int(files.size()) * c.outputs;
        const int steps = std::uniform_int_distribution<int>(0, results + 1)(random);
        const QString options = u"--answer yes-to-all --set width=50 --set height=50 "_s +
                                QLatin1String(c.options) + u" --"_s;
        const bool killed = RunUntil(options.split(u' ') + files, steps);
        const std::string what = std::string(c.name) + ", after " + std::to_string(steps) +
                                 " steps" + (killed ? ", killed" : ", finished");
        if (QString(c.name) == u"override"_s && steps > 0 && !killed) {
            EXPECT_FALSE(QDir(home_.filePath(u".local/share/Trash/files"_s)).isEmpty()) << what;
        }
        const ToolRun undo = RunTool(kBatch, {u"--undo"_s}, {}, 120000, Environment());
        EXPECT_TRUE(undo.exitCode == 0 || undo.out.startsWith(u"There is no batch"_s) ||
                    undo.out.startsWith(u"The last batch left nothing"_s))
            << what << ": " << qPrintable(undo.out + undo.err);
        EXPECT_EQ(Snapshot(root), before) << what << ": " << qPrintable(undo.out);
        QStringList mailFiles;
        for (const auto& [path, hash] : Snapshot(mailFolder).asKeyValueRange())
            if (hash != u"folder"_s && !mailBefore.contains(path))
                mailFiles << path;
        EXPECT_EQ(mailFiles, QStringList()) << what;
        EXPECT_EQ(QDir(Journals()).entryList(QDir::Files), QStringList()) << what;
    }
}

} // namespace
