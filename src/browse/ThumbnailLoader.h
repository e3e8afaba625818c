// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <cstdint>
#include <mutex>

// Reads pictures' thumbnails from the shared cache, and makes the missing
// ones, on worker threads: the window never waits for a disk or a decoder.
// The newest request goes first, so the rows painted last (those in view)
// come before rows scrolled past.
class ThumbnailLoader : public QObject {
    Q_OBJECT
public:
    explicit ThumbnailLoader(QObject* parent = nullptr);
    ~ThumbnailLoader() override;

    // Looks for the thumbnail of path, modified at mtime (seconds); make:
    // one of at least side pixels, made and stored when the cache has none.
    void Request(const QString& path, int64_t mtime, bool make, int side);
    // Drops the requests not yet started.
    void Clear();

Q_SIGNALS:
    // The thumbnail of a requested path; a null image: there is none (made:
    // none could be made either).
    void Ready(const QString& path, const QImage& thumbnail, bool made);

private:
    struct Job {
        QString path;
        int64_t mtime = 0;
        bool make = false;
        int side = 0;
    };
    // Takes the newest request and answers it.
    void Work();

    std::mutex mutex_;
    QList<Job> pending_; // newest last
    QThreadPool workers_;
};
