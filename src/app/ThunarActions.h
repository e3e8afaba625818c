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
// with `ourPrefix`, keeps everything else as it stood (other actions, their
// order, comments and layout) and appends `actions`. Nothing when the text
// is not a well-formed action list, so the user's file is never replaced by
// a guess. `remaining` tells how many actions the result holds.
std::optional<QByteArray> RewriteThunarActions(const QByteArray& xml, const QString& ourPrefix,
                                               const QList<ThunarAction>& actions, int& remaining);
