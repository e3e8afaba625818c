// SPDX-License-Identifier: MIT
#pragma once

#include <QTest>
#include <QWidget>

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
