// SPDX-License-Identifier: MIT
#include "menus/MenuRecord.h"

#include "platform/Registry.h"
#include "platform/UiText.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString kItems = QStringLiteral("items");
const QString kSettings = QStringLiteral("settings");
const QString kFolders = QStringLiteral("folders");
const QString kThunar = QStringLiteral("thunar");
const QString kToken = QStringLiteral("token");
const QString kPath = QStringLiteral("path");
const QString kHashes = QStringLiteral("hashes");
const QString kCreated = QStringLiteral("created");
const QString kIds = QStringLiteral("ids");
const QString kInserted = QStringLiteral("inserted");
const QString kReplaced = QStringLiteral("replaced");

QJsonArray ToJson(const QList<MenuRecord::File>& files) {
    QJsonArray array;
    for (const MenuRecord::File& file : files) {
        QJsonArray hashes;
        for (const QByteArray& hash : file.hashes)
            hashes << QString::fromLatin1(hash.toHex());
        array << QJsonObject{{kPath, file.path}, {kHashes, hashes}};
    }
    return array;
}

QList<MenuRecord::File> FilesFromJson(const QJsonArray& array) {
    QList<MenuRecord::File> files;
    for (const QJsonValue& value : array) {
        MenuRecord::File file{value[kPath].toString(), {}};
        for (const QJsonValue& hash : value[kHashes].toArray())
            file.hashes << QByteArray::fromHex(hash.toString().toLatin1());
        if (!file.path.isEmpty())
            files << file;
    }
    return files;
}

} // namespace

QString MenuRecord::FilePath() {
    return RegistryKey::ConfigFolder() + QStringLiteral("/tsy-menus.json");
}

MenuRecord MenuRecord::Load() {
    MenuRecord record;
    QFile file(FilePath());
    if (!file.open(QIODevice::ReadOnly))
        return record;
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    record.items = FilesFromJson(json[kItems].toArray());
    record.settings = FilesFromJson(json[kSettings].toArray());
    record.folders = json[kFolders].toVariant().toStringList();
    const QJsonObject thunar = json[kThunar].toObject();
    record.thunar.created = thunar[kCreated].toBool();
    record.thunar.ids = thunar[kIds].toVariant().toStringList();
    record.thunar.inserted = thunar[kInserted].toString();
    record.thunar.replaced = thunar[kReplaced].toString();
    record.token = json[kToken].toString();
    return record;
}

bool MenuRecord::Save(QString& error) const {
    if (Empty()) {
        if (QFile::exists(FilePath()) && !QFile::remove(FilePath())) {
            error = TrText("Menus", "cannot remove %1").arg(FilePath());
            return false;
        }
        return true;
    }
    const QJsonObject thunarJson{{kCreated, thunar.created},
                                 {kIds, QJsonArray::fromStringList(thunar.ids)},
                                 {kInserted, thunar.inserted},
                                 {kReplaced, thunar.replaced}};
    const QJsonObject json{{kItems, ToJson(items)},
                           {kSettings, ToJson(settings)},
                           {kFolders, QJsonArray::fromStringList(folders)},
                           {kThunar, thunarJson},
                           {kToken, token}};
    const QByteArray bytes = QJsonDocument(json).toJson();
    QSaveFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = TrText("Menus", "cannot write %1: %2").arg(FilePath(), file.errorString());
        return false;
    }
    return true;
}

bool MenuRecord::Empty() const {
    return items.isEmpty() && settings.isEmpty() && thunar.ids.isEmpty();
}

QByteArray MenuRecord::Hash(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

bool MenuRecord::Unchanged(const File& file) {
    QFile read(file.path);
    return read.open(QIODevice::ReadOnly) && file.hashes.contains(Hash(read.readAll()));
}

MenuRecord::File* MenuRecord::Find(const QString& path) {
    return const_cast<File*>(std::as_const(*this).Find(path));
}

const MenuRecord::File* MenuRecord::Find(const QString& path) const {
    for (const File& file : items)
        if (file.path == path)
            return &file;
    return nullptr;
}
