// SPDX-License-Identifier: MIT
#include "app/TessaryApp.h"

#include "app/AboutDialog.h"
#include "app/HandOffPlan.h"
#include "frame/FrameIds.h"
#include "frame/MainFrame.h"
#include "mail/MailTempFolder.h"
#include "menus/ContextMenuItems.h"
#include "platform/UiText.h"
#include "preview/TessaryDoc.h"
#include "res/Resources.h"
#include "resize/BatchRun.h"
#include "resize/ResizeDialog.h"
#include "settings/AppIdentity.h"
#include "settings/AppSettings.h"
#include "settings/PresetStore.h"

#include <QAction>
#include <QIcon>
#include <QMessageBox>

CTessaryApp::CTessaryApp(int& argc, char** argv)
    : QApplication(argc, argv) {
    InitTessaryResources();
    setOrganizationName(QStringLiteral("Vorn"));
    setApplicationName(QStringLiteral("tessary"));
    setApplicationVersion(AppText::VersionText);
    setDesktopFileName(AppId::Id);
    setWindowIcon(QIcon(QStringLiteral(":/tessary/tessary.svg")));
    // Again, now that there is an application for Qt's own texts.
    LoadTranslations();
}

CTessaryApp::~CTessaryApp() = default;

void CTessaryApp::InitInstance(const QStringList& files) {
    AppSettings& settings = GetAppSettings();
    settings.versionText = AppText::VersionText;
    // Mail copies that a mail program has had an hour to read.
    RemoveOldMailTempFolders();

    if (files.isEmpty()) {
        if (const std::optional<HandOff> handOff = HandOffBlock::Take()) {
            settings.PictureList = handOff->paths;
            if (RunHandOff(settings, *handOff))
                return;
        }
    }

    document_ = std::make_unique<CTessaryDoc>();
    frame_ = std::make_unique<CMainFrame>(settings, *document_, shell_);
    connect(frame_->Action(CommandId::About), &QAction::triggered, this, &CTessaryApp::OnAppAbout);
    frame_->ApplyPlacement();
    frame_->show();
    frame_->setWindowTitle(AppText::MainTitle);
    if (!files.isEmpty())
        frame_->OpenWith(files);
}

bool CTessaryApp::RunHandOff(AppSettings& settings, const HandOff& handOff) {
    switch (handOff.command) {
    case HandOffCommand::ResizeDialog:
        ResizeDialog::ScanThenShow(settings, nullptr);
        return true;
    case HandOffCommand::ResizeAsDefault:
    case HandOffCommand::ResizeDefaultAndMail:
        BatchRun(settings, nullptr).Resize(handOff.command == HandOffCommand::ResizeDefaultAndMail);
        return true;
    case HandOffCommand::ResizeWithPreset:
        RunPreset(settings);
        return true;
    default:
        return false;
    }
}

// The first record names the preset; the options are the preset's for
// this batch only, and the stored ones are back after it.
void CTessaryApp::RunPreset(AppSettings& settings) {
    const QString name =
        settings.PictureList.isEmpty() ? QString() : settings.PictureList.takeFirst();
    ResizeSettings preset;
    if (!PresetStore().Load(name, preset)) {
        QMessageBox::warning(
            nullptr, HandOffText::Caption,
            TrText("HandOff", "There is no preset named \"%1\" any more.").arg(name));
        return;
    }
    const ResizeSettings stored = settings;
    static_cast<ResizeSettings&>(settings) = preset;
    BatchRun(settings, nullptr).Resize(false);
    static_cast<ResizeSettings&>(settings) = stored;
}

void CTessaryApp::OnAppAbout() {
    AboutDialog dialog(GetAppSettings(), frame_.get());
    dialog.exec();
}
