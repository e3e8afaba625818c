// SPDX-License-Identifier: MIT
#include "platform/Registry.h"

#include "platform/RegularFile.h"
#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {
const QString kOrganisation = QStringLiteral("Vorn");
const QString kApplication = QStringLiteral("tsy");
const QString kGroup = QStringLiteral("setting");
} // namespace

QString RegistryKey::ConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + kOrganisation;
}

QString RegistryKey::FilePath() {
    return ConfigFolder() + QLatin1Char('/') + kApplication + QStringLiteral(".conf");
}

RegistryKey::RegistryKey() {
    if (!MissingOrRegularFile(FilePath()))
        return;
    settings_ = std::make_unique<QSettings>(FilePath(), QSettings::IniFormat);
    settings_->beginGroup(kGroup);
}

std::unique_ptr<RegistryKey> RegistryKey::Open(Access) {
    if (!QFile::exists(FilePath()))
        return nullptr;
    return std::unique_ptr<RegistryKey>(new RegistryKey);
}

std::unique_ptr<RegistryKey> RegistryKey::Create() {
    if (!QFile::exists(FilePath())) {
        QDir().mkpath(ConfigFolder());
        QFile file(FilePath());
        // An empty file is an empty key; QSettings fills it on the first write.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            file.close();
    }
    return std::unique_ptr<RegistryKey>(new RegistryKey);
}

bool RegistryKey::QueryDword(const QString& name, uint32_t& value) const {
    const QVariant stored = settings_ ? settings_->value(name) : QVariant();
    if (!stored.isValid())
        return false;
    bool ok = false;
    const qlonglong number = stored.toString().trimmed().toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > UINT32_MAX)
        return false;
    value = uint32_t(number);
    return true;
}

bool RegistryKey::QueryString(const QString& name, int bufferBytes, QString& value) const {
    const QVariant stored = settings_ ? settings_->value(name) : QVariant();
    if (!stored.isValid())
        return false;
    const QString text = stored.toString();
    if (text.toUtf8().size() + 1 > bufferBytes)
        return false;
    value = text;
    return true;
}

void RegistryKey::SetDword(const QString& name, uint32_t value) {
    if (settings_)
        settings_->setValue(name, value);
}

void RegistryKey::SetString(const QString& name, const QString& value) {
    if (settings_)
        settings_->setValue(name, value);
}

QString RegistryKey::Flush() {
    if (!settings_)
        return QStringLiteral("%1 is not a file").arg(FilePath());
    settings_->sync();
    if (settings_->status() == QSettings::NoError)
        return {};
    // QSettings says only that it failed; writing the file as it stands
    // tells why, in the system's words.
    QFile file(FilePath());
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QString why = QDir().mkpath(ConfigFolder()) ? WriteFileSafely(FilePath(), bytes)
                                                : QStringLiteral("its folder cannot be made");
    if (why.isEmpty())
        why = QStringLiteral("the file could not be written");
    return QStringLiteral("%1: %2").arg(FilePath(), why);
}
