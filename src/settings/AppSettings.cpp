// SPDX-License-Identifier: MIT
#include "settings/AppSettings.h"

#include "platform/FileName.h"
#include "platform/FixedText.h"
#include "platform/Registry.h"
#include "platform/RegularFile.h"
#include "settings/SettingsNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kPlacementSeparator = QStringLiteral(",");
constexpr int kPlacementNumbers = 11;

std::array<int32_t*, kPlacementNumbers> PlacementFields(WindowPlacement& p) {
    return {&p.length, &p.flags, &p.showCmd, &p.minX,  &p.minY,  &p.maxX,
            &p.maxY,   &p.left,  &p.top,     &p.right, &p.bottom};
}

void QuerySigned(const RegistryKey& key, const QString& name, int32_t& field) {
    uint32_t value = 0;
    if (key.QueryDword(name, value))
        field = int32_t(value);
}

} // namespace

AppSettings::AppSettings() {
    LoadResizeSettings();
    LoadMenuAndMailSettings();
    LoadLayoutSettings();
}

AppSettings::~AppSettings() {
    PictureList.clear();
    MailTempList.clear();
}

QString AppSettings::UserDataPath() {
    return RegistryKey::ConfigFolder() + QStringLiteral("/tsy/user.dat");
}

void AppSettings::LoadResizeSettings() {
    std::unique_ptr<RegistryKey> key = RegistryKey::Open(RegistryKey::Access::Query);
    if (!key)
        key = RegistryKey::Create();
    for (const ResizeSettingsField& field : ResizeSettingsFields()) {
        if (field.get) {
            if (uint32_t value = 0; key->QueryDword(field.name, value))
                field.set(*this, value);
            continue;
        }
        // A missing "dest" means "the resize folder beside each picture",
        // not the constructed default; other texts keep their defaults.
        QString buffer;
        if (key->QueryString(field.name, field.textBytes, buffer) ||
            field.text == &AppSettings::dest)
            this->*field.text = buffer;
    }
    DefaultOutOfRange(*this);
}

void AppSettings::LoadMenuAndMailSettings() {
    if (std::unique_ptr<RegistryKey> key = RegistryKey::Open(RegistryKey::Access::Query)) {
        key->QueryDword(SettingsName::ExtTessary, extTessary);
        key->QueryDword(SettingsName::ExtResize, extResize);
        key->QueryDword(SettingsName::ExtResizeAsDefaultSetting, extResizeAsDefaultSetting);
        key->QueryDword(SettingsName::ExtResizeAndMail, extResizeAndMail);
        key->QueryDword(SettingsName::ExtResizeDefaultAndMail, extResizeDefaultAndMail);
        key->QueryDword(SettingsName::ExtPresets, extPresets);
    }

    QFile file;
    if (!FileNameExists(UserDataPath())) {
        mailSubject.clear();
        mailBody.clear();
        return;
    }
    // A FIFO in its place would never answer.
    if (!OpenRegularFile(file, UserDataPath()).isEmpty())
        return;
    const QByteArray record = file.read(kUserDatBytes);
    if (record.size() < kUserDatBytes)
        return;
    mailSubject = TextUpToZero(record.constData(), kMailSubjectBytes);
    mailBody = TextUpToZero(record.constData() + kMailSubjectBytes, kMailBodyBytes);
}

void AppSettings::LoadLayoutSettings() {
    std::unique_ptr<RegistryKey> key = RegistryKey::Open(RegistryKey::Access::Query);
    if (!key)
        return;
    QuerySigned(*key, SettingsName::CurCol, curcol);
    for (int i = 0; i < int(columnWidth.size()); ++i) {
        uint32_t stored = 0;
        columnWidthsStored =
            key->QueryDword(SettingsName::ColumnWidth.arg(i + 1), stored) || columnWidthsStored;
        QuerySigned(*key, SettingsName::ColumnWidth.arg(i + 1), columnWidth[size_t(i)]);
    }
    QuerySigned(*key, SettingsName::ViewMode, viewMode);
    if (viewMode != ViewMode::Thumbnails)
        viewMode = ViewMode::Details;
    uint32_t hidden = 0;
    showHidden = key->QueryDword(SettingsName::ShowHidden, hidden) && hidden == 1;
    QuerySigned(*key, SettingsName::SlideshowPace, slideshowPace);
    if (slideshowPace < 1 || slideshowPace > kMostSlideshowPace)
        slideshowPace = kDefaultSlideshowPace;

    QString place;
    if (key->QueryString(SettingsName::WindowPlace, kPathTextBytes, place) && !place.isEmpty()) {
        // Like sscanf, take the numbers that parse from the left and leave
        // the rest of the record as it was.
        const QStringList parts = place.split(kPlacementSeparator);
        WindowPlacement parsed;
        auto fields = PlacementFields(parsed);
        for (int i = 0; i < kPlacementNumbers && i < parts.size(); ++i) {
            bool ok = false;
            const int value = parts[i].trimmed().toInt(&ok);
            if (!ok)
                break;
            *fields[size_t(i)] = value;
        }
        windowPlacement = parsed;
        hasWindowPlacement = true;
    }
    key->QueryString(SettingsName::CopyMoveTarget, kPathTextBytes, cmto);
    key->QueryString(SettingsName::LastBrowsePidl, kPathTextBytes, LastBrowsePIDL);
}

QString AppSettings::SaveResizeSettings() const {
    std::unique_ptr<RegistryKey> key = RegistryKey::Create();
    for (const ResizeSettingsField& field : ResizeSettingsFields()) {
        if (field.get)
            key->SetDword(field.name, field.get(*this));
        else
            key->SetString(field.name, this->*field.text);
    }
    return key->Flush();
}

QString AppSettings::SaveMenuAndMailSettings() const {
    QString why;
    {
        std::unique_ptr<RegistryKey> key = RegistryKey::Create();
        key->SetDword(SettingsName::ExtTessary, extTessary);
        key->SetDword(SettingsName::ExtResize, extResize);
        key->SetDword(SettingsName::ExtResizeAsDefaultSetting, extResizeAsDefaultSetting);
        key->SetDword(SettingsName::ExtResizeAndMail, extResizeAndMail);
        key->SetDword(SettingsName::ExtResizeDefaultAndMail, extResizeDefaultAndMail);
        key->SetDword(SettingsName::ExtPresets, extPresets);
        why = key->Flush();
    }

    QByteArray record(kUserDatBytes, '\0');
    const QByteArray subject = Utf8Prefix(mailSubject, kMailSubjectBytes - 1);
    const QByteArray body = Utf8Prefix(mailBody, kMailBodyBytes - 1);
    record.replace(0, subject.size(), subject);
    record.replace(kMailSubjectBytes, body.size(), body);
    QDir().mkpath(QFileInfo(UserDataPath()).path());
    // Written whole or not at all, so a crash never leaves a short file
    // (which would read as empty texts).
    QSaveFile file(UserDataPath());
    if (!(file.open(QIODevice::WriteOnly) && file.write(record) == record.size() &&
          file.commit()) &&
        why.isEmpty())
        why = QStringLiteral("%1: %2").arg(UserDataPath(), file.errorString());
    return why;
}

QString AppSettings::SaveLayoutSettings() const {
    QStringList numbers;
    WindowPlacement placement = windowPlacement;
    for (const int32_t* field : PlacementFields(placement))
        numbers << QString::number(*field);

    std::unique_ptr<RegistryKey> key = RegistryKey::Create();
    key->SetString(SettingsName::WindowPlace, numbers.join(kPlacementSeparator));
    key->SetDword(SettingsName::CurCol, uint32_t(curcol));
    for (int i = 0; i < int(columnWidth.size()); ++i)
        key->SetDword(SettingsName::ColumnWidth.arg(i + 1), uint32_t(columnWidth[size_t(i)]));
    key->SetDword(SettingsName::ViewMode, uint32_t(viewMode));
    key->SetDword(SettingsName::ShowHidden, showHidden ? 1 : 0);
    key->SetDword(SettingsName::SlideshowPace, uint32_t(slideshowPace));
    key->SetString(SettingsName::Location, RunningProgram());
    key->SetString(SettingsName::CopyMoveTarget, cmto);
    // A folder too long for its buffer would be dropped at the next start.
    key->SetString(SettingsName::LastBrowsePidl,
                   NearestFittingFolder(LastBrowsePIDL, kPathTextBytes));
    return key->Flush();
}

AppSettings& GetAppSettings() {
    // Never deleted: it lives until the process ends.
    static AppSettings* settings = new AppSettings;
    return *settings;
}
