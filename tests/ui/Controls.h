// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
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

// While it lives, calls `shown` with each window of type T as it is shown:
// a test answers a dialog on the event that puts it up, never after a
// guessed time. Queued, the call comes once the dialog's own exec() runs,
// and may close it; Now, it comes before the event loop turns again, so
// before anything the dialog's threads have posted since it was made.
enum class Call { Queued, Now };
template <typename T> class WhenShown : public QObject {
public:
    explicit WhenShown(std::function<void(T*)> shown, Call call = Call::Queued)
        : shown_(std::move(shown))
        , call_(call) {
        qApp->installEventFilter(this);
    }
    ~WhenShown() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        T* window = event->type() == QEvent::Show ? qobject_cast<T*>(object) : nullptr;
        if (!window || !window->isWindow())
            return false;
        if (call_ == Call::Now)
            shown_(window);
        else
            QMetaObject::invokeMethod(
                this,
                [this, guarded = QPointer<T>(window)] {
                    if (guarded)
                        shown_(guarded);
                },
                Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void(T*)> shown_;
    Call call_;
};

// Runs a command that opens a message box, accepts the box and returns its
// text. The command may turn the event loop before its box is up (a progress
// window does); the box is answered when it shows.
inline QString MessageOf(const std::function<void()>& command) {
    QString shown;
    const WhenShown<QMessageBox> answer([&shown](QMessageBox* box) {
        shown = box->text();
        box->accept();
    });
    command();
    return shown;
}
