// SPDX-License-Identifier: MIT
#include "browse/ThumbnailLoader.h"

#include "browse/ThumbnailCache.h"

#include <QThread>

#include <algorithm>

namespace {
// Making a thumbnail is mostly decoding: one worker a core, but no more
// than a disk is glad to serve at once.
constexpr int kMostWorkers = 4;
} // namespace

ThumbnailLoader::ThumbnailLoader(QObject* parent)
    : QObject(parent) {}

ThumbnailLoader::~ThumbnailLoader() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        pending_.clear();
    }
    wake_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

void ThumbnailLoader::Request(const QString& path, int64_t mtime, bool make, int side) {
    {
        std::lock_guard lock(mutex_);
        pending_.append({path, mtime, make, side});
        // Started on the first request: a window that never shows a
        // picture's thumbnail runs no threads for them.
        if (workers_.empty())
            for (int i = 0; i < std::clamp(QThread::idealThreadCount(), 1, kMostWorkers); ++i)
                workers_.emplace_back([this] { Work(); });
    }
    wake_.notify_one();
}

void ThumbnailLoader::Clear() {
    std::lock_guard lock(mutex_);
    pending_.clear();
}

void ThumbnailLoader::Work() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !pending_.isEmpty(); });
            if (stopping_)
                return;
            job = pending_.takeLast();
        }
        const QString found = ThumbnailCache::Find(job.path, job.mtime, job.make ? job.side : 0);
        QImage thumbnail;
        if (!found.isEmpty())
            thumbnail.load(found, "PNG");
        // One in the cache that does not decode is made again, not shown
        // as none until the picture changes.
        if (thumbnail.isNull() && job.make && !ThumbnailCache::Failed(job.path, job.mtime)) {
            const QString made = ThumbnailCache::Make(job.path, job.mtime, job.side);
            if (!made.isEmpty())
                thumbnail.load(made, "PNG");
        }
        QMetaObject::invokeMethod(
            this,
            [this, path = job.path, thumbnail, make = job.make] {
                Q_EMIT Ready(path, thumbnail, make);
            },
            Qt::QueuedConnection);
    }
}
