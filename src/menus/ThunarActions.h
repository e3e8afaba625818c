// SPDX-License-Identifier: MIT
#pragma once

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

// Rewrites the text of a uca.xml: drops every action whose unique id starts
// with `ourPrefix`, keeps every other byte as it stood (other actions,
// their order, comments, document type and layout) and adds `actions` on
// lines of their own before the list's end, so that dropping them again
// gives the text back as it was. Nothing when the text is not a well-formed
// action list, so the user's file is never replaced by a guess.
// `remaining` tells how many actions the result holds.
std::optional<QByteArray> RewriteThunarActions(const QByteArray& xml, const QString& ourPrefix,
                                               const QList<ThunarAction>& actions, int& remaining);

// Whether two uca.xml texts hold the same actions, ours aside: compared by
// what each action does, not by bytes or ids.
bool SameThunarActions(const QByteArray& a, const QByteArray& b, const QString& ourPrefix);
