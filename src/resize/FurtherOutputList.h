// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ResizeSettings.h"

#include <QWidget>

#include <functional>

class QListWidget;
class QPushButton;

// The resize dialog's list of further outputs, each shown in words, with
// Add, Edit and Remove. It asks for the main options whenever it shows or
// edits an output, since each output is those options with its changes.
class FurtherOutputList : public QWidget {
    Q_OBJECT
public:
    explicit FurtherOutputList(std::function<ResizeSettings()> mainOptions,
                               QWidget* parent = nullptr);

    // Each output's changes, "NAME=VALUE,...".
    void SetOutputs(const QStringList& outputs);
    QStringList Outputs() const { return outputs_; }
    // The size all the selected pictures share (0 when they differ), for
    // the sizes the list shows.
    void SetPictureSize(int width, int height);
    // Describes each output again from the current main options.
    void Refresh();

Q_SIGNALS:
    // An output was added, edited or removed.
    void Changed();

private:
    void Edit(int row);

    std::function<ResizeSettings()> mainOptions_;
    QStringList outputs_;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    QListWidget* list_;
    QPushButton* edit_;
    QPushButton* remove_;
};
