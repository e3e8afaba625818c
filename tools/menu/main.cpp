// SPDX-License-Identifier: MIT
// tessary-menu: what the file managers' context-menu items run. It hands the
// chosen files and the item's command to a starting tessary through the
// user's hand-off block, and puts the items into the file managers' menus.
#include "app/AppIds.h"
#include "app/AppSettings.h"
#include "app/ContextMenuItems.h"
#include "app/FileManagerMenus.h"
#include "app/HandOffBlock.h"
#include "app/SettingsNames.h"
#include "platform/FileName.h"
#include "platform/Registry.h"
#include "platform/SharedMemory.h"
#include "resize/PictureTree.h"
#include "resize/PictureTypeTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>

#include <cerrno>
#include <cstring>

#include <optional>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
// A hand-off that no tessary has taken yet is waited for this long before
// it is replaced, so that two quick menu picks do not lose the first one.
constexpr int kPendingWaitMs = 5000;
constexpr int kPollMs = 50;

const QString kUsage = QStringLiteral(
    "Usage: tessary-menu --command N [--wait] [--pictures-only] [--] FILE...\n"
    "       tessary-menu --install | --uninstall\n"
    "\n"
    "Hands FILEs to Tessary the way its file-manager menu items do, or puts those\n"
    "items into the menus of Dolphin, Nautilus, Nemo and Thunar. A FILE that is a\n"
    "folder stands for every picture under it, as with tessary-batch --recursive.\n"
    "\n"
    "  --command N      the command for tessary: 0 the resize dialog, 1 resize with\n"
    "                   the default settings, 2 the same and mail the results;\n"
    "                   other numbers open the main window\n"
    "  --wait           wait for tessary to end and exit with its status\n"
    "  --pictures-only  pass on only the files with a picture extension\n"
    "  --install        write the menu items that Tessary's options select\n"
    "  --uninstall      remove every menu item of Tessary's\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Exit status: 0 done, 1 failed, 2 wrong usage or a path too long for a hand-off.\n");

QTextStream& Err() {
    static QTextStream err(stderr);
    return err;
}

int UsageError(const QString& message) {
    Err() << "tessary-menu: " << message << "\nTry 'tessary-menu --help'.\n";
    return kExitUsage;
}

struct Request {
    uint32_t command = 0;
    bool wait = false;
    bool picturesOnly = false;
    QStringList files;
};

// The tessary to start: the one that last ran (its stored "location"),
// else the one beside this program, else the one on PATH.
QString TessaryProgram() {
    QString stored;
    if (const auto key = RegistryKey::Open(RegistryKey::Access::Query))
        key->QueryString(SettingsName::Location, 4096, stored);
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/tessary");
    for (const QString& candidate : {stored, beside}) {
        const QFileInfo info(candidate);
        if (!candidate.isEmpty() && info.isFile() && info.isExecutable())
            return info.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(QStringLiteral("tessary"));
}

// A block that a starting tessary has not read yet.
bool HandOffPending() {
    const std::unique_ptr<SharedMemory> block =
        SharedMemory::OpenExisting(HandOffBlock::ObjectName());
    uint8_t flag = 0;
    return block && block->ReadAt(HandOffBlock::FlagOffset, &flag, 1) && (flag & 0x80);
}

int Launch(const QString& program, bool wait) {
    const QByteArray path = EncodeFileName(program);
    char* argv[] = {const_cast<char*>(path.constData()), nullptr};
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Without --wait tessary outlives us, apart from the file manager's session.
    if (!wait)
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, path.constData(), nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        Err() << "tessary-menu: cannot start " << program << ": " << strerror(error) << "\n";
        return kExitFailed;
    }
    if (!wait)
        return 0;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return kExitFailed;
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

// The files to hand off: a folder stands for the pictures under it, found
// as tessary-batch --recursive finds them with the stored options.
QStringList ExpandFolders(const QStringList& files) {
    QStringList paths;
    std::optional<AppSettings> stored;
    for (const QString& file : files) {
        const QString path = AbsoluteFileName(file);
        if (!IsFolder(path)) {
            paths << path;
            continue;
        }
        if (!stored)
            stored.emplace();
        for (const TreePicture& picture : PicturesInTree(path, *stored))
            paths << picture.path;
    }
    return paths;
}

int HandOffFiles(const Request& request) {
    QList<QByteArray> records;
    for (const QString& path : ExpandFolders(request.files)) {
        if (request.picturesOnly && !PictureTypeTable::IsPictureFileName(path))
            continue;
        const std::optional<QByteArray> record = HandOffBlock::EncodeRecord(path);
        if (!record) {
            Err() << "tessary-menu: the path is longer than a hand-off can carry ("
                  << HandOffBlock::RecordBytes - 1 << " bytes): " << path << "\n";
            return kExitUsage;
        }
        records << *record;
    }
    if (request.picturesOnly && records.isEmpty()) {
        Err() << "tessary-menu: none of the files is a picture\n";
        return kExitFailed;
    }
    const QString program = TessaryProgram();
    if (program.isEmpty()) {
        Err() << "tessary-menu: cannot find the tessary program\n";
        return kExitFailed;
    }
    if (HandOffBlock::ObjectName().isEmpty()) {
        Err() << "tessary-menu: there is no private runtime folder (XDG_RUNTIME_DIR) for the "
                 "hand-off block\n";
        return kExitFailed;
    }
    for (int waited = 0; waited < kPendingWaitMs && HandOffPending(); waited += kPollMs)
        QThread::msleep(kPollMs);
    const std::unique_ptr<SharedMemory> block =
        SharedMemory::CreateNew(HandOffBlock::ObjectName(), HandOffBlock::SizeFor(records.size()));
    if (!block) {
        Err() << "tessary-menu: cannot make the hand-off block " << HandOffBlock::ObjectName()
              << ": " << strerror(errno) << "\n";
        return kExitFailed;
    }
    HandOffBlock::Write(block->data(), request.command, records);
    return Launch(program, request.wait);
}

int WriteMenus(bool install) {
    const FileManagerMenus menus(QCoreApplication::applicationFilePath());
    QStringList errors;
    const bool done = install ? menus.Install(ContextMenuItems(GetAppSettings()), errors)
                              : menus.Uninstall(errors);
    for (const QString& error : errors)
        Err() << "tessary-menu: " << error << "\n";
    return done ? 0 : kExitFailed;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = DecodeArguments(argc, argv);
    if (arguments.isEmpty())
        return UsageError(QStringLiteral("nothing to do"));
    const QString first = arguments.first();
    if (first == QLatin1String("--help")) {
        QTextStream(stdout) << kUsage;
        return 0;
    }
    if (first == QLatin1String("--version")) {
        QTextStream(stdout) << "tessary-menu " << AppText::VersionText << "\n";
        return 0;
    }
    if ((first == QLatin1String("--install") || first == QLatin1String("--uninstall")) &&
        arguments.size() == 1)
        return WriteMenus(first == QLatin1String("--install"));

    Request request;
    bool haveCommand = false;
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (argument == QLatin1String("--")) {
            request.files << arguments;
            break;
        }
        if (argument == QLatin1String("--command")) {
            bool ok = false;
            request.command = arguments.isEmpty() ? 0 : arguments.takeFirst().toUInt(&ok, 10);
            if (!ok)
                return UsageError(QStringLiteral("--command needs a number from 0 to 4294967295"));
            haveCommand = true;
        } else if (argument == QLatin1String("--wait")) {
            request.wait = true;
        } else if (argument == QLatin1String("--pictures-only")) {
            request.picturesOnly = true;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return UsageError(QStringLiteral("unknown option %1").arg(argument));
        } else {
            request.files << argument;
        }
    }
    if (!haveCommand)
        return UsageError(QStringLiteral("--command N is missing"));
    return HandOffFiles(request);
}
