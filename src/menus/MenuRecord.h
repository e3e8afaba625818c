// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What Tessary wrote into the user's folders for the file managers'
// menus, kept beside the settings (~/.config/Vorn/tsy-menus.json): every
// file written whole with the hashes of what it may hold, every folder
// made, and what went into Thunar's own list of actions. Our items are
// found again by this record alone, never by a name, so a file of the
// user's own is never taken for ours; a file changed since we wrote it is
// the user's now. Not thread-safe; one writer at a time.
class MenuRecord {
public:
    struct File {
        QString path;
        QList<QByteArray> hashes; // what it holds when it is as we left it
    };
    struct Thunar {
        bool created = false; // the user had no uca.xml of their own
        QStringList ids;      // the unique-ids of our actions
        QString inserted;     // our text as it stands in the file
        QString replaced;     // what that text took the place of
    };

    static QString FilePath();
    // The record; an empty one when there is none or it cannot be read.
    static MenuRecord Load();
    // Writes it whole, or removes it when it is empty.
    bool Save(QString& error) const;
    // Whether it names nothing of ours but folders.
    bool Empty() const;

    static QByteArray Hash(const QByteArray& bytes);
    // Whether the file at path holds what the record says we left there.
    static bool Unchanged(const File& file);
    File* Find(const QString& path);
    const File* Find(const QString& path) const;

    QList<File> items;    // the menu items, written whole
    QList<File> settings; // settings files that installing made; only uninstalling removes them
    QStringList folders;  // the folders made for all of them, each after the one above it
    Thunar thunar;
    QString token; // makes the unique-ids of our Thunar actions ours
};
