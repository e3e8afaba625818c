// SPDX-License-Identifier: MIT
#pragma once

#include "codec/Image.h"
#include "preview/ExifReader.h"

#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <memory>
#include <mutex>
#include <vector>

// A picture decoded ahead for the preview pane, with its EXIF block.
struct PrefetchedPicture {
    QString path;
    int paneWidth = 0; // the pane it was decoded for
    qreal ratio = 1;
    QByteArray stamp; // the file as it was: changed on disk, it is stale
    std::unique_ptr<IImage> picture = std::make_unique<IImage>(); // loaded, as the pane holds it
    DecodedPixels pixels;
    std::unique_ptr<ExifReader> exif = std::make_unique<ExifReader>();
    int hasExif = 0;
};

// Decodes the pictures the user is likely to look at next, one after the
// other on a worker thread of its own, so that moving onto them only
// paints. It holds at most the pictures last asked for; asking for others,
// or Clear, drops the rest, finished or not.
class PreviewPrefetch {
public:
    PreviewPrefetch();
    ~PreviewPrefetch();
    PreviewPrefetch(const PreviewPrefetch&) = delete;
    PreviewPrefetch& operator=(const PreviewPrefetch&) = delete;

    // Decodes paths (at most kAhead) for a pane paneWidth pixels wide at
    // the device pixel ratio.
    void Request(const QStringList& paths, int paneWidth, qreal ratio);
    // The picture at path if it is ready, was decoded for this pane and the
    // file has not changed since; it is handed over, not copied.
    std::unique_ptr<PrefetchedPicture> Take(const QString& path, int paneWidth, qreal ratio);
    void Clear();
    // Whether the picture at path is decoded and waiting.
    bool Holds(const QString& path);

    static constexpr int kAhead = 2;
    // What identifies the file's contents without reading them: device,
    // inode, size and modification time. Empty when there is no file.
    static QByteArray Stamp(const QString& path);

private:
    // Decodes the queue's pictures until it is empty.
    void Work();
    bool Wanted(const PrefetchedPicture& picture) const;

    std::mutex mutex_;
    QStringList wanted_; // the last request's pictures
    QStringList queue_;  // those of them still to decode, in order
    QString inFlight_;   // the one being decoded
    int paneWidth_ = 0;
    qreal ratio_ = 1;
    std::vector<std::unique_ptr<PrefetchedPicture>> ready_;
    bool quit_ = false;
    QThreadPool worker_; // one thread, so pictures come in order
};
