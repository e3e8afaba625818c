// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QKeySequence>
#include <QString>
#include <QTimer>
#include <QWidget>

// The picture alone on the whole screen, on black, shrunk to fit it (never
// enlarged). It does not know the folder: the arrow keys, the wheel and the
// slideshow ask for the next or the previous picture, and whoever opened
// it shows that one. Escape, F11 or a double click leave it.
class CFullScreenView : public QWidget {
    Q_OBJECT
public:
    enum Step { Previous = -1, Next = 1, First = -2, Last = 2 };

    explicit CFullScreenView(QWidget* parent = nullptr);

    // Shows the picture at path; one that does not decode at all leaves its
    // name and why on the black.
    void ShowPicture(const QString& path);
    const QString& PicturePath() const { return path_; }
    // A picture every paceSeconds while on; started or stopped again by the
    // slideshow key here too.
    void SetSlideshow(bool on, int paceSeconds);
    bool SlideshowRunning() const { return slideshow_.isActive(); }
    // The key that starts and stops the slideshow, as the menu gives it.
    void SetSlideshowKey(const QKeySequence& key) { slideshowKey_ = key; }

Q_SIGNALS:
    // The picture a Step away is wanted; from the slideshow, slideshow is true.
    void StepRequested(int step, bool slideshow);
    void SlideshowToggled(bool running);
    void Left();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Decode();

    QString path_;
    QImage shown_;
    bool transparent_ = false;
    QString why_; // the picture could not be shown: its name and why
    QTimer slideshow_;
    int paceSeconds_ = 1;
    QKeySequence slideshowKey_;
    int wheel_ = 0; // the wheel's turn not yet made a step
};
