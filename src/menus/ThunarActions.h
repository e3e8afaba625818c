// SPDX-License-Identifier: MIT
#pragma once

#include "menus/MenuRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// One custom action of Thunar's uca.xml, as we write it.
struct ThunarAction {
    QString uniqueId;
    QString name;
    QString submenu;
    QString command;
    QString description;
    QString icon;
    QString patterns;
};

// A uca.xml with our actions put in or taken out.
struct ThunarRewrite {
    QByteArray bytes;
    MenuRecord::Thunar ours; // how to find our actions in it again
    int others = 0;          // the actions in it that are not ours
};

// Rewrites the bytes of a uca.xml: takes out what `previous` records as
// ours (the very text we put in, or, where Thunar has written the file
// again since, the actions with our recorded ids) and puts `actions` in on
// lines of their own before the list's end. Every other byte stays as it
// was, in the file's own encoding (UTF-8, ISO-8859-1 or US-ASCII; a
// character the encoding cannot hold is written as a character
// reference), so taking ours out again gives the file back byte for byte.
// Nothing, with why, when the bytes are not a well-formed action list in
// such an encoding: the user's file is never replaced by a guess.
std::optional<ThunarRewrite> RewriteThunarActions(const QByteArray& xml,
                                                  const MenuRecord::Thunar& previous,
                                                  const QList<ThunarAction>& actions,
                                                  QString& error);

// Whether two uca.xml texts hold the same actions, compared by what each
// does, not by bytes or ids.
bool SameThunarActions(const QByteArray& a, const QByteArray& b);
