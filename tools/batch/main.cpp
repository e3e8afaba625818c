// SPDX-License-Identifier: MIT
// tessary-batch: the resize batch from a terminal, with the stored options.
#include "BatchCommandLine.h"
#include "FileList.h"
#include "TerminalPrompt.h"

#include "batch/BatchUndo.h"
#include "batch/PictureTree.h"
#include "batch/Recipe.h"
#include "batch/ResizeJob.h"
#include "batch/SizeEstimate.h"
#include "browse/FolderListing.h"
#include "codec/Image.h"
#include "mail/MailPictures.h"
#include "mail/MailTempFolder.h"
#include "mail/MailTexts.h"
#include "menus/ContextMenuItems.h"
#include "menus/FileManagerMenus.h"
#include "platform/DesktopMetrics.h"
#include "platform/FileName.h"
#include "platform/UiText.h"
#include "preview/ExifReader.h"
#include "preview/PanelLayout.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"
#include "settings/PresetStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int UsageError(const QString& message) {
    QTextStream(stderr) << "tessary-batch: " << message << "\n"
                        << TrText("tessary-batch", "Try 'tessary-batch --help'.") << "\n";
    return kExitUsage;
}

bool HasDisplay() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

std::unique_ptr<ConfirmationPrompt> MakePrompt(BatchCommandLine::AnswerPolicy policy) {
    using Policy = BatchCommandLine::AnswerPolicy;
    if (policy == Policy::Default)
        policy = isatty(STDIN_FILENO) ? Policy::Ask : Policy::NoToAll;
    switch (policy) {
    case Policy::YesToAll:
        return std::make_unique<FixedAnswerPrompt>(AnswerYesToAll);
    case Policy::NoToAll:
        return std::make_unique<FixedAnswerPrompt>(AnswerNoToAll);
    default:
        return std::make_unique<TerminalPrompt>();
    }
}

// Below a thumbnail's size: enough to find out that the pixels decode.
constexpr int kDecodeCheckSide = 64;

// The rows the preview's properties panel shows for each file.
int PrintInfo(const QStringList& files) {
    QTextStream out(stdout);
    bool failed = false;
    ExifReader reader;
    for (const QString& file : files) {
        out << "== " << file << "\n";
        const int hasExif = reader.Load(file);
        CxImage image;
        DecodedPixels pixels;
        if (!image.Load(file) || !image.DecodeToFit(kDecodeCheckSide, kDecodeCheckSide, pixels)) {
            out << "cannot read picture (" << image.GetLastError() << ")\n";
            failed = true;
            continue;
        }
        for (const PanelRow& row :
             PanelRows(reader, hasExif != 0, image.GetWidth(), image.GetHeight())) {
            if (row.newGroup)
                out << "\n";
            out << row.ShownTitle();
            if (hasExif)
                out << "\t" << row.ShownValue();
            out << "\n";
        }
    }
    return failed ? kExitFailed : 0;
}

// The rows the file list shows for a folder, in its order.
int PrintList(const BatchCommandLine& line) {
    if (line.files.size() != 1)
        return UsageError(TrText("tessary-batch", "--list needs one FOLDER"));
    const QString folder = line.files.first();
    const ShellNamespace shell;
    IdList list;
    const QString typed = folder.startsWith(QLatin1String("::")) || folder.isEmpty()
                              ? folder
                              : AbsoluteFileName(folder);
    if (!shell.ParsePath(typed, list) || !shell.BindFolder(list)) {
        QTextStream(stderr) << "tessary-batch: "
                            << TrText("tessary-batch", "not a folder: %1").arg(folder) << "\n";
        return kExitFailed;
    }
    const FolderListing listing(shell, GetLocaleFormats());
    QList<FileItem> rows = listing.List(list, GetAppSettings().showHidden);
    listing.Sort(rows, line.listSort, !line.listDescending, list);
    QTextStream out(stdout);
    for (const FileItem& row : rows)
        out << FolderListing::RowText(row) << "\n";
    return 0;
}

// The stored presets; what is wrong with them is said on the way.
PresetStore Presets() {
    PresetStore presets;
    if (!presets.Problem().isEmpty())
        QTextStream(stderr) << "tessary-batch: " << presets.Problem() << "\n";
    return presets;
}

// The stored options with this run's --set changes.
std::optional<ResizeSettings> RunSettings(const BatchCommandLine& line, QString& error) {
    ResizeSettings settings = GetAppSettings();
    if (!line.preset.isEmpty() && !Presets().Load(line.preset, settings)) {
        error = TrText("tessary-batch", "there is no preset named '%1'; --list-presets lists them")
                    .arg(line.preset);
        return std::nullopt;
    }
    for (const auto& [name, value] : line.sets)
        if (!ApplyBatchSetting(settings, name, value, error))
            return std::nullopt;
    if (!CheckBatchSettings(settings, error))
        return std::nullopt;
    settings.also = JoinFurtherOutputs(SplitFurtherOutputs(settings.also) + line.also);
    if (RecipeOutputs(settings, error).empty())
        return std::nullopt;
    return settings;
}

// The application the run needs: one with a screen only when the desktop
// size must come from it, so the batch runs on machines without a display.
std::unique_ptr<QCoreApplication> StartApplication(int& argc, char** argv, bool needsScreen,
                                                   DesktopSize& desktop, QString& error) {
    if (!needsScreen)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (!HasDisplay()) {
        error = TrText("tessary-batch",
                       "desktop=1 needs the desktop size, and there is no screen; give "
                       "it with --desktop-size WxH");
        return nullptr;
    }
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    const std::optional<DesktopSize> screen = PrimaryDesktopSize();
    if (!screen) {
        error = TrText("tessary-batch", "cannot find the primary screen's size; give it with "
                                        "--desktop-size WxH");
        return nullptr;
    }
    desktop = *screen;
    return app;
}

// The pictures FILE... stand for, each with the folder under the
// destination its result goes to ("" for the destination itself).
struct BatchPictures {
    QStringList paths;
    QStringList subfolders;
    QStringList emptyFolders; // given, with no picture under them
};

// The paths listed by --files-from; the reason in error when the list
// cannot be read. A pipe is read as it is written ("<(find ...)", a FIFO).
std::optional<QStringList> ListedFiles(const BatchCommandLine& line, QString& error) {
    if (line.filesFrom.isEmpty())
        return QStringList();
    const bool standardInput = line.filesFrom == QLatin1String("-");
    const int fd = standardInput
                       ? STDIN_FILENO
                       : ::open(EncodeFileName(line.filesFrom).constData(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    FileListReader reader(line.null);
    QString why;
    if (fd < 0 || ::fstat(fd, &st) != 0)
        why = SystemReason(errno);
    else if (S_ISDIR(st.st_mode))
        why = TrText("tessary-batch", "it is a folder");
    else if (!reader.ReadAll(fd))
        why = reader.Error();
    if (fd >= 0 && !standardInput)
        ::close(fd);
    if (!why.isEmpty()) {
        error = TrText("tessary-batch", "--files-from: cannot read %1 (%2)")
                    .arg(ShownFileName(line.filesFrom), why);
        return std::nullopt;
    }
    return reader.Files();
}

std::optional<BatchPictures> CollectPictures(const BatchCommandLine& line,
                                             const ResizeSettings& settings, QString& error) {
    BatchPictures pictures;
    for (const QString& file : line.files) {
        if (!IsFolder(file)) {
            pictures.paths << AbsoluteFileName(file);
            pictures.subfolders << QString();
            continue;
        }
        if (!line.recursive) {
            error =
                TrText("tessary-batch", "%1 is a folder; --recursive takes the pictures under it")
                    .arg(ShownFileName(file));
            return std::nullopt;
        }
        const std::vector<TreePicture> found = PicturesInTree(file, settings);
        if (found.empty())
            pictures.emptyFolders << file;
        for (const TreePicture& picture : found) {
            pictures.paths << picture.path;
            pictures.subfolders << picture.subfolder;
        }
    }
    return pictures;
}

// The file managers' preset items follow the presets where they are installed.
int RefreshMenus() {
    const QStringList errors = FileManagerMenus::Refresh(ContextMenuItems(GetAppSettings()));
    for (const QString& error : errors)
        QTextStream(stderr) << "tessary-batch: " << error << "\n";
    return errors.isEmpty() ? 0 : kExitFailed;
}

// The job of this run: its plan is what --dry-run shows and what the run
// carries out.
std::unique_ptr<ResizeJob> MakeJob(const BatchCommandLine& line, const ResizeSettings& settings,
                                   DesktopSize desktop, const BatchPictures& pictures,
                                   ConfirmationPrompt& prompt, const QString& mailFolder) {
    auto job = std::make_unique<ResizeJob>(settings, pictures.paths, prompt);
    job->SetDesktopSize(desktop);
    job->SetSubfolders(pictures.subfolders);
    if (line.jobs > 0)
        job->SetWorkers(line.jobs);
    if (line.mail)
        job->SetMailResults(mailFolder);
    return job;
}

// What a planned result does to the name it takes, when not simply new,
// and how a JPEG to be turned is made.
QString WhatItDoes(const PlannedResult& result) {
    using Name = PlannedResult::Name;
    QString what;
    if (result.overSource)
        what = QStringLiteral("\twritten over its source");
    else if (result.name == Name::Replace)
        what = QStringLiteral("\treplaces the file there");
    else if (result.name == Name::Ask)
        what = QStringLiteral("\tasks before replacing the file there");
    if (result.form.lossless)
        what += QStringLiteral("\tturned without re-encoding");
    else if (!result.form.reencoded.isEmpty())
        what += QStringLiteral("\tre-encoded, as ") + result.form.reencoded;
    return what;
}

// The batch's plan, and about how many bytes it would write, writing
// nothing. A mail's copies are shown in the folder it would make.
int PrintPlan(const BatchCommandLine& line, const ResizeSettings& settings, DesktopSize desktop,
              const BatchPictures& pictures) {
    FixedAnswerPrompt never(AnswerNoToAll);
    const QString mailFolder =
        QDir(SystemTemporaryFolder()).filePath(QStringLiteral("tessary-mail-XXXXXX"));
    const std::unique_ptr<ResizeJob> job =
        MakeJob(line, settings, desktop, pictures, never, mailFolder);
    const BatchPlan& plan = job->Plan();
    const std::atomic<bool> stop{false};
    const SizeEstimate estimate = EstimateBatch(plan, stop);
    QTextStream out(stdout);
    bool failed = false;
    for (size_t i = 0; i < plan.results.size(); ++i) {
        const PlannedResult& planned = plan.results[i];
        const EstimatedResult& result = estimate.results[i];
        out << ShownFileName(planned.path) << "\t";
        if (!result.reason.isEmpty())
            out << "cannot be made: " << result.reason;
        else if (planned.name == PlannedResult::Name::Skip)
            out << "skipped: a file of its name is there";
        else
            out << result.width << "x" << result.height << "\t" << ShownBytes(result.bytes)
                << WhatItDoes(planned);
        out << "\n";
        failed = failed || !result.reason.isEmpty();
    }
    out << "total: " << EstimateText(estimate, line.mail ? settings.mailmaxkb : 0) << " ("
        << estimate.total << " bytes), " << estimate.results.size() << " results, "
        << estimate.sampled << " of " << pictures.paths.size() << " pictures encoded to estimate\n";
    return failed ? kExitFailed : 0;
}

// Undoes the last batch, or says why it cannot, before doing anything.
int UndoLastBatch(bool dryRun) {
    QTextStream out(stdout);
    const UndoPlan plan = PlanUndo();
    const QStringList left = plan.Left();
    if (!plan.Doable()) {
        out << plan.NothingText() << "\n";
        for (const QString& line : left)
            out << line << "\n";
        return kExitFailed;
    }
    if (dryRun) {
        out << "would undo: " << plan.Summary() << "\n";
        for (const QString& line : left)
            out << line << "\n";
        return 0;
    }
    const UndoOutcome outcome = RunUndo(plan);
    out << "undone: " << outcome.restored << " back from the Trash, " << outcome.removed
        << (outcome.removed == 1 ? " result removed\n" : " results removed\n");
    for (const QString& line : outcome.left + outcome.failed)
        out << line << "\n";
    return outcome.left.isEmpty() && outcome.failed.isEmpty() ? 0 : kExitFailed;
}

// Runs the batch, prints its counts and failures and mails the results
// when asked; returns the exit status.
int RunBatch(const BatchCommandLine& line, const ResizeSettings& settings, DesktopSize desktop,
             const BatchPictures& pictures) {
    std::unique_ptr<ConfirmationPrompt> prompt = MakePrompt(line.answer);
    const std::unique_ptr<ResizeJob> job = MakeJob(line, settings, desktop, pictures, *prompt,
                                                   line.mail ? CreateMailTempFolder() : QString());
    QTextStream err(stderr);
    if (isatty(STDERR_FILENO)) {
        // Overwrites one line, clearing what a longer previous line left.
        job->OnStep(
            [&err](int, const QString& status) { err << "\r" << status << "\x1b[K" << Qt::flush; });
        job->OnDone([&err] { err << "\r\x1b[K" << Qt::flush; });
    }
    job->Run();

    QTextStream out(stdout);
    using Status = PictureOutcome::Status;
    out << "written: " << job->Count(Status::Written)
        << ", skipped: " << job->Count(Status::Skipped)
        << ", failed: " << job->Count(Status::Failed) << "\n";
    for (const QString& failure : job->Failures())
        out << failure << "\n";
    if (const QString removed = job->RemovedSummary(); !removed.isEmpty())
        out << removed << "\n";
    for (const QString& turned : job->LosslessSummary())
        out << turned << "\n";
    bool failed = job->Count(Status::Failed) > 0;
    if (line.mail) {
        AppSettings& stored = GetAppSettings();
        stored.PictureList = pictures.paths;
        stored.MailTempList = job->MailTempList();
        const int mailPrompt = MailPictures(stored);
        if (mailPrompt != MailPrompt::None) {
            err << "tessary-batch: " << MailPromptText(mailPrompt) << "\n";
            failed = true;
        }
    }
    return failed ? kExitFailed : 0;
}

} // namespace

int main(int argc, char** argv) {
    LoadTranslations();
    QString error;
    std::optional<BatchCommandLine> line =
        ParseBatchCommandLine(DecodeArguments(argc, argv), error);
    if (!line)
        return UsageError(error);
    const bool presetsOnly =
        line->listPresets || !line->savePreset.isEmpty() || !line->deletePreset.isEmpty();
    if (line->help || (line->files.isEmpty() && line->filesFrom.isEmpty() && !line->version &&
                       !presetsOnly && !line->undo)) {
        QTextStream(stdout) << kBatchUsage.toString();
        return line->help ? 0 : kExitUsage;
    }
    if (line->version) {
        QTextStream(stdout) << "tessary-batch " << AppText::VersionText << "\n";
        return 0;
    }
    if (line->undo)
        return UndoLastBatch(line->dryRun);
    if (line->filesFrom == QLatin1String("-") &&
        line->answer == BatchCommandLine::AnswerPolicy::Ask)
        return UsageError(TrText("tessary-batch",
                                 "--answer ask reads its answers from standard input, "
                                 "which --files-from - reads the list from"));
    // Listed files join the named ones, for every kind of run.
    const std::optional<QStringList> listed = ListedFiles(*line, error);
    if (!listed)
        return UsageError(error);
    line->files += *listed;
    if (line->info)
        return PrintInfo(line->files);
    if (line->list)
        return PrintList(*line);

    QCoreApplication::setOrganizationName(QStringLiteral("Vorn"));
    QCoreApplication::setApplicationName(QStringLiteral("tessary-batch"));
    if (line->listPresets) {
        for (const QString& name : Presets().Names())
            QTextStream(stdout) << name << "\n";
        return 0;
    }
    if (!line->deletePreset.isEmpty()) {
        if (Presets().Remove(line->deletePreset, error))
            return RefreshMenus();
        QTextStream(stderr) << "tessary-batch: " << error << "\n";
        return kExitFailed;
    }
    const std::optional<ResizeSettings> settings = RunSettings(*line, error);
    if (!settings)
        return UsageError(error);
    if (!line->savePreset.isEmpty()) {
        if (!Presets().Save(line->savePreset, *settings, error)) {
            QTextStream(stderr) << "tessary-batch: " << error << "\n";
            return kExitFailed;
        }
        return RefreshMenus();
    }
    DesktopSize desktop = line->desktopSize.value_or(DesktopSize{});
    const bool needsScreen = settings->image_to_resize && settings->desktop && !line->desktopSize;
    const std::unique_ptr<QCoreApplication> app =
        StartApplication(argc, argv, needsScreen, desktop, error);
    if (!app)
        return UsageError(error);
    const std::optional<BatchPictures> pictures = CollectPictures(*line, *settings, error);
    if (!pictures)
        return UsageError(error);
    // Said rather than run as an empty batch that "succeeds".
    for (const QString& folder : pictures->emptyFolders)
        QTextStream(stderr)
            << "tessary-batch: "
            << TrText("tessary-batch", "there is no picture under %1").arg(ShownFileName(folder))
            << "\n";
    if (pictures->paths.isEmpty() && !pictures->emptyFolders.isEmpty())
        return kExitFailed;
    if (line->dryRun)
        return PrintPlan(*line, *settings, desktop, *pictures);
    return RunBatch(*line, *settings, desktop, *pictures);
}
