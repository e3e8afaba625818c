// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>
#include <QString>

#include <cstdint>
#include <memory>

// The per-user settings key, kept in the shape of a registry key with typed
// values: 32-bit numbers and texts. On Linux it is the INI file
// ~/.config/Vorn/tsy.conf, group [setting]; the folder follows
// XDG_CONFIG_HOME, which tests point at a temporary folder.
// Reads report whether a value was there and readable; the callers decide
// what a missing value means. Something that is not a regular file in the
// settings file's place (a FIFO, a device) is never opened, which would
// wait forever: the key then reads as empty and keeps nothing.
// Not thread-safe: one thread at a time.
class RegistryKey {
public:
    enum class Access { Query, SetValue };

    // Opens the key; fails (null) when the key does not exist yet.
    static std::unique_ptr<RegistryKey> Open(Access access);
    // Opens the key, creating it first when it does not exist.
    static std::unique_ptr<RegistryKey> Create();

    // The folder that holds the settings file and the tsy/ folder.
    static QString ConfigFolder();
    static QString FilePath();

    // A number stored as unsigned or signed 32-bit text; false when missing
    // or not such a number.
    bool QueryDword(const QString& name, uint32_t& value) const;
    // A text that fits a buffer of bufferBytes (UTF-8 and its zero); false
    // when missing or too long, as a too small buffer fails on Windows.
    bool QueryString(const QString& name, int bufferBytes, QString& value) const;

    void SetDword(const QString& name, uint32_t value);
    void SetString(const QString& name, const QString& value);
    // Writes what was set to the file; the reason, for the user, when it
    // cannot be written (a read-only or full disk, a folder in its place).
    QString Flush();

private:
    RegistryKey();
    // The settings, or none when the file's place holds no regular file.
    std::unique_ptr<QSettings> settings_;
};
