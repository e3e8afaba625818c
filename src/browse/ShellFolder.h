// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>

#include <sys/stat.h>

class ShellNamespace;

// One folder of the namespace, bound: its children as one-item lists
// relative to it, their attributes, names and order.
class ShellFolder {
public:
    const QByteArray& List() const { return list_; }
    // Children in enumeration order (before any sorting), by the flags.
    QList<QByteArray> EnumObjects(uint32_t flags) const;
    // Folders before files, then names in the natural order; in Computer,
    // the volumes' own order. Relative lists.
    int CompareIDs(const QByteArray& a, const QByteArray& b) const;
    uint32_t GetAttributesOf(const QByteArray& relative) const;
    QString GetDisplayNameOf(const QByteArray& relative, uint32_t flags) const;
    // What the enumeration already learnt of a child by a stat, if anything.
    const struct stat* EnumeratedStat(const QByteArray& relative) const;

private:
    friend class ShellNamespace;
    ShellFolder(const ShellNamespace& shell, QByteArray list, QString path, uint8_t kind);
    const ShellNamespace& shell_;
    QByteArray list_;
    QString path_; // the folder's file-system path; empty for virtual folders
    uint8_t kind_;
    struct Entry {
        bool isDir = false;
        bool hasStat = false; // the file system gave no type: it was looked up
        struct stat attributes {};
    };
    mutable QHash<QByteArray, Entry> enumerated_;
};
