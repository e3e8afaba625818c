// SPDX-License-Identifier: MIT
#pragma once

#include "preview/PanelLayout.h"
#include "preview/PreviewPrefetch.h"

#include <QAbstractScrollArea>
#include <QByteArray>
#include <QImage>
#include <QTimer>

#include <memory>
#include <optional>

class CTessaryDoc;
class QFileSystemWatcher;
class QPainter;

// The preview pane: the selected picture scaled into a square at the top,
// and under it a white "Picture Properties" panel with the picture's EXIF
// entries, or its width and height when it has none.
// The picture zooms between that fit and 100 %: Ctrl with the mouse wheel
// keeps the point under the cursor in place, "+" and "-" step, "1" is
// 100 % and "0" the fit; a zoomed picture is dragged to pan, and the zoom
// stays as the list moves to other pictures.
// The picture is decoded only as large as the pane shows it, and the rows
// around it are decoded ahead on a worker thread; a row that was not is
// loaded on the user-interface thread. Failures end quietly.
// A newly chosen picture starts at its top. An animation plays; what is
// transparent shows a checkerboard; a damaged picture shows what of it
// decodes, and the status bar says why the rest is missing. The file shown
// is watched: changed on disk, it is shown again as it is now.
class CScrollPictureView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CScrollPictureView(QWidget* parent = nullptr);
    ~CScrollPictureView() override;

    void SetPicturePath(QString path);
    // -1 when no file is at picturePath (the shown picture stays), else 0.
    // A picture decoded ahead for this pane is only painted.
    int LoadPicture();
    void ClearPicture();
    // Decodes the pictures at paths (the rows around the current one) ahead
    // on a worker thread, dropping what was decoded ahead before.
    void PrefetchPictures(const QStringList& paths);
    bool IsPrefetched(const QString& path) { return prefetch_.Holds(path); }
    // Registers the pane with the document the list reaches it through.
    void OnInitialUpdate(CTessaryDoc& document);

    std::unique_ptr<IImage> picture;
    std::unique_ptr<ExifReader> exifReader;
    int hasExif = 0;
    QString picturePath;

    // The scroll range: 100 x 100 at first and whenever the pane is empty,
    // else as the tallest panel shown since needed (a shorter one keeps it).
    QSize TotalSize() const { return totalSize_; }
    static constexpr QSize kEmptyPane{100, 100};
    // The pixels held for drawing: no more than the pane shows.
    QSize DecodedSize() const { return shown_.size(); }
    // The picture's scale: 0 while it fits the pane.
    double Zoom() const { return zoom_; }
    // Zooms to scale (clamped between the fit and 1), keeping the pane's
    // point anchor over the same spot of the picture.
    void SetZoom(double scale, QPoint anchor);
    // "+" and "-" step the zoom, "1" is 100 %, "0" the fit: true when the
    // key is one of them. The list and the grid hand these keys on.
    bool ZoomKey(QKeyEvent* event);
    // The frames of the animation shown; 0 for a still picture.
    int FrameCount() const { return int(frames_.size()); }

Q_SIGNALS:
    // A picture could not be shown; why, for the status bar (the pane
    // itself stays empty).
    void PictureNotShown(const QString& message);
    void PictureShown();
    // Only part of a damaged picture decoded, which is shown; why, for the
    // status bar.
    void PictureShownInPart(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OnEraseBkgnd(QPainter& painter);
    void OnDraw(QPainter& painter);
    void DrawProperties(QPainter& painter, int paneWidth, int paneHeight);
    bool IsPictureShown() const;
    // Where the picture stands: fitted, or at the zoom's scale.
    Edges PicturePlace() const;
    double FitScale() const;
    // The pixels for the pane's current width; false when they do not decode.
    bool DecodeForPane();
    void SetScrollSizes(QSize total);
    void InvalidateAll();

    void ShowPixels(const DecodedPixels& pixels);
    // Plays the picture's frames when it is an animation.
    void StartAnimation();
    void StopAnimation();
    void NextFrame();
    // Shown again when the file shown has changed since it was read.
    void ReloadWhenChanged();

    QImage shown_;
    bool transparent_ = false; // shown_ has pixels that are not opaque
    QString shownPath_;        // the picture shown, or last not shown
    QByteArray shownStamp_;    // its file as it was read
    bool inPart_ = false;      // damaged: what decodes of it is shown
    std::vector<DecodedPixels> frames_;
    size_t frame_ = 0;
    QTimer animation_;
    QFileSystemWatcher* fileWatch_;
    QTimer reload_; // a file being written changes many times
    PreviewPrefetch prefetch_;
    QSize totalSize_ = kEmptyPane;
    QTimer redecode_; // after a resize or a zoom, once the size has settled
    double zoom_ = 0;
    std::optional<QPoint> dragFrom_; // the pointer and the scroll values when a drag began
    QPoint scrollAtDrag_;
};
