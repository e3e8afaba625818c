// SPDX-License-Identifier: MIT
// tessary-menu: what the file managers' context-menu items run. It hands the
// chosen files and the item's command to a starting tessary through the
// user's hand-off block, and puts the items into the file managers' menus.
#include "app/HandOffBlock.h"
#include "app/HandOffPlan.h"
#include "batch/BatchJournal.h"
#include "menus/ContextMenuItems.h"
#include "menus/FileManagerMenus.h"
#include "platform/FileLock.h"
#include "platform/FileName.h"
#include "platform/Registry.h"
#include "platform/SharedMemory.h"
#include "platform/UiText.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"
#include "settings/PresetStore.h"
#include "settings/SettingsNames.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
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
// it is replaced: a starting tessary takes it in a second or two, and one
// that never does has died.
constexpr int kPendingWaitMs = 30000;
constexpr int kPollMs = 50;

constexpr UiText kUsage = TrText(
    "tessary-menu",
    "Usage: tessary-menu --command N [--preset NAME] [--wait] [--pictures-only] [--nautilus]\n"
    "                    [--] FILE...\n"
    "       tessary-menu --install | --uninstall\n"
    "\n"
    "Hands FILEs to Tessary the way its file-manager menu items do, or puts those\n"
    "items into the menus of Dolphin, Nautilus, Nemo and Thunar. A FILE that is a\n"
    "folder stands for every picture under it, as with tessary-batch --recursive.\n"
    "\n"
    "  --command N      the command for tessary: 0 the resize dialog, 1 resize with\n"
    "                   the default settings, 2 the same and mail the results,\n"
    "                   3 resize with the preset of --preset; other numbers open\n"
    "                   the main window\n"
    "  --preset NAME    the preset of --command 3\n"
    "  --wait           wait for tessary to end and exit with its status\n"
    "  --pictures-only  pass on only the files with a picture extension\n"
    "  --nautilus       take the files from NAUTILUS_SCRIPT_SELECTED_URIS when it is\n"
    "                   set (what Nautilus's scripts get), not from the arguments\n"
    "\n"
    "A folder, or files none of which is a picture, is shown to the user in a window\n"
    "first (the pictures found, with Resize and Cancel), so it needs a screen.\n"
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
    Err() << "tessary-menu: " << message << "\n"
          << TrText("tessary-menu", "Try 'tessary-menu --help'.") << "\n";
    return kExitUsage;
}

const QByteArray kOffscreen = QByteArrayLiteral("offscreen");

// A screen a person looks at, reached: not the offscreen stand-in of
// scripts, nor a display that is gone.
bool HasScreen() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) &&
           QGuiApplication::platformName() != kOffscreen;
}

QtMessageHandler gPassOn = nullptr;

// Qt's words on a display it cannot reach: that is said our own way.
void QuietAboutDisplays(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!QByteArray(context.category).startsWith("qt.qpa"))
        gPassOn(type, context, message);
}

// The application of a hand-off, which may have to ask or tell the user
// something in a window: with widgets where a display is named. A display
// that is gone (a stale DISPLAY in tmux or over ssh) leaves the offscreen
// platform, which reads as no screen, where Qt alone would abort. The
// other commands need no window and make no application of this kind.
std::unique_ptr<QCoreApplication> StartApplication(int& argc, char** argv) {
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (chosen == kOffscreen ||
        (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY")))
        return std::make_unique<QCoreApplication>(argc, argv);
    const QByteArray tried = !chosen.isEmpty()                      ? chosen
                             : qEnvironmentVariableIsSet("DISPLAY") ? QByteArray("xcb;wayland")
                                                                    : QByteArray("wayland");
    qputenv("QT_QPA_PLATFORM", tried + ';' + kOffscreen);
    gPassOn = qInstallMessageHandler(QuietAboutDisplays);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(gPassOn);
    // tessary, started later, chooses for itself.
    if (chosen.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    else
        qputenv("QT_QPA_PLATFORM", chosen);
    return app;
}

// What went wrong, on standard error and, for a file manager's user who
// never sees that, in a window as well.
int Fail(const QString& message) {
    Err() << "tessary-menu: " << message << "\n" << Qt::flush;
    if (!isatty(STDERR_FILENO) && HasScreen())
        QMessageBox::warning(nullptr, HandOffText::Caption, message);
    return kExitFailed;
}

struct Request {
    uint32_t command = 0;
    QString preset; // for command 3: handed on as the first record
    bool wait = false;
    bool picturesOnly = false;
    bool nautilus = false;
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
    if (error != 0)
        return Fail(TrText("tessary-menu", "Cannot start %1: %2.").arg(program, strerror(error)));
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

// Asks before a folder's pictures are handed off, or tells that there is
// no picture: false when nothing is to be done.
bool Confirmed(const HandOffPlan& plan) {
    if (plan.ask == HandOffPlan::Ask::Nothing)
        return true;
    if (!HasScreen()) {
        Fail(plan.question.section(QLatin1Char('\n'), 0, 0) +
             TrText("tessary-menu",
                    " Tessary asks before it resizes a folder's pictures, in a window; "
                    "there is no screen (tessary-batch --recursive works without one)."));
        return false;
    }
    if (plan.ask == HandOffPlan::Ask::NoPicture) {
        Fail(plan.question);
        return false;
    }
    QMessageBox box(QMessageBox::Question, HandOffText::Caption, plan.question);
    QPushButton* resize = box.addButton(HandOffText::ResizeButton, QMessageBox::AcceptRole);
    // A misclick on a folder's background must not resize all below it.
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == resize;
}

int HandOffFiles(const Request& request) {
    // A preset's own destination decides which folders hold results.
    ResizeSettings settings = GetAppSettings();
    if (request.command == HandOffCommand::ResizeWithPreset &&
        !PresetStore().Load(request.preset, settings))
        return Fail(TrText("tessary-menu", "There is no preset named \"%1\" any more.")
                        .arg(request.preset));
    const HandOffPlan plan = PlanHandOff(request.files, request.picturesOnly, settings);
    if (!Confirmed(plan))
        return kExitFailed;
    QList<QByteArray> records;
    QStringList texts = plan.paths;
    if (request.command == HandOffCommand::ResizeWithPreset)
        texts.prepend(request.preset);
    for (const QString& path : texts) {
        const std::optional<QByteArray> record = HandOffBlock::EncodeRecord(path);
        if (!record) {
            Fail(TrText("tessary-menu",
                        "The path is longer than a hand-off can carry (%1 bytes): %2")
                     .arg(HandOffBlock::RecordBytes - 1)
                     .arg(ShownFileName(path)));
            return kExitUsage;
        }
        records << *record;
    }
    const QString program = TessaryProgram();
    if (program.isEmpty())
        return Fail(TrText("tessary-menu", "Cannot find the tessary program."));
    QString why;
    const QString name = HandOffBlock::ObjectName(&why);
    if (name.isEmpty())
        return Fail(
            TrText("tessary-menu", "There is no private folder for the hand-off: %1.").arg(why));
    {
        // One writer at a time, each waiting until the block before its own
        // was taken: two items picked at once both get done.
        const std::unique_ptr<FileLock> turn = FileLock::Take(name + QStringLiteral(".lock"));
        if (!turn)
            return Fail(
                TrText("tessary-menu", "Cannot lock the hand-off: %1.").arg(strerror(errno)));
        for (int waited = 0; waited < kPendingWaitMs && HandOffPending(); waited += kPollMs)
            QThread::msleep(kPollMs);
        const std::unique_ptr<SharedMemory> block =
            SharedMemory::CreateNew(name, HandOffBlock::SizeFor(records.size()));
        if (!block)
            return Fail(TrText("tessary-menu", "Cannot make the hand-off block %1: %2.")
                            .arg(name, strerror(errno)));
        HandOffBlock::Write(block->data(), request.command, records);
    }
    return Launch(program, request.wait);
}

int WriteMenus(bool install) {
    const FileManagerMenus menus(QCoreApplication::applicationFilePath());
    QStringList errors;
    bool done = true;
    if (install) {
        // Reading the settings makes them when they are missing; what it
        // makes is recorded, and goes again with --uninstall.
        const QStringList missing = FileManagerMenus::MissingSettings();
        const QList<ContextMenuItem> items = ContextMenuItems(GetAppSettings());
        if (items.isEmpty())
            Err() << "tessary-menu: \"" << kContextMenuTitle
                  << "\" is unticked in Tessary's options (Edit > Option ... > Menu Context), "
                     "so no menu item was written.\n";
        done = menus.Install(items, errors, missing);
    } else {
        // The last batch's journal names the pictures of the last pick too;
        // removed first, so that the folders it stood in can go with the rest.
        const QString journal = BatchJournal::Folder();
        QDir(journal).removeRecursively();
        QDir().rmdir(QFileInfo(journal).path());
        done = menus.Uninstall(errors);
        HandOffBlock::Discard();
    }
    if (!errors.isEmpty())
        Fail(errors.join(QLatin1Char('\n')));
    return done ? 0 : kExitFailed;
}

// The files Nautilus chose, from its own list: it reads a percent sign in
// a script's arguments as a field code ("x%1.jpg" arrives as "x.jpg").
bool TakeNautilusChoice(Request& request) {
    constexpr const char* kChosen = "NAUTILUS_SCRIPT_SELECTED_URIS";
    if (!request.nautilus || !qEnvironmentVariableIsSet(kChosen))
        return true;
    request.files.clear();
    for (const QByteArray& uri : qgetenv(kChosen).split('\n')) {
        if (uri.isEmpty())
            continue;
        const QString path = FileNameFromUri(uri);
        if (path.isEmpty()) {
            Fail(TrText("tessary-menu",
                        "Tessary works on the files of this computer, and %1 is not one.")
                     .arg(ShownFileName(QString::fromUtf8(uri))));
            return false;
        }
        request.files << path;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    LoadTranslations();
    QStringList arguments = DecodeArguments(argc, argv);
    if (arguments.isEmpty())
        return UsageError(TrText("tessary-menu", "nothing to do"));
    const QString first = arguments.first();
    if (first == QLatin1String("--help")) {
        QTextStream(stdout) << kUsage.toString();
        return 0;
    }
    if (first == QLatin1String("--version")) {
        QTextStream(stdout) << "tessary-menu " << AppText::VersionText << "\n";
        return 0;
    }
    if ((first == QLatin1String("--install") || first == QLatin1String("--uninstall")) &&
        arguments.size() == 1) {
        const QCoreApplication app(argc, argv);
        return WriteMenus(first == QLatin1String("--install"));
    }

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
                return UsageError(
                    TrText("tessary-menu", "--command needs a number from 0 to 4294967295"));
            haveCommand = true;
        } else if (argument == QLatin1String("--preset")) {
            if (arguments.isEmpty() || arguments.first().isEmpty())
                return UsageError(TrText("tessary-menu", "--preset needs a NAME"));
            request.preset = arguments.takeFirst();
        } else if (argument == QLatin1String("--wait")) {
            request.wait = true;
        } else if (argument == QLatin1String("--pictures-only")) {
            request.picturesOnly = true;
        } else if (argument == QLatin1String("--nautilus")) {
            request.nautilus = true;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return UsageError(TrText("tessary-menu", "unknown option %1").arg(argument));
        } else {
            request.files << argument;
        }
    }
    if (!haveCommand)
        return UsageError(TrText("tessary-menu", "--command N is missing"));
    if ((request.command == HandOffCommand::ResizeWithPreset) == request.preset.isEmpty())
        return UsageError(
            TrText("tessary-menu", "--preset NAME goes with --command 3, and only with it"));
    const std::unique_ptr<QCoreApplication> app = StartApplication(argc, argv);
    LoadTranslations(); // for Qt's own texts in its windows
    if (!TakeNautilusChoice(request))
        return kExitFailed;
    return HandOffFiles(request);
}
