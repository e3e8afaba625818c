// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

// A dialog's control by its id, as the dialogs name them.
template <typename T> T* Control(const QWidget* dialog, int id) {
    T* control = dialog->findChild<T*>(QString::number(id));
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

// Clicks a check box or radio on its box, where a user clicks.
inline void Click(QWidget* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Runs a command that opens a message box, accepts the box and returns its
// text. The command may turn the event loop before its box is up (a progress
// window does), so the box is looked for until the command returns.
inline QString MessageOf(const std::function<void()>& command) {
    QString shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&shown, &watch] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
            watch.stop();
        }
    });
    watch.start(5);
    command();
    return shown;
}
