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
    : QObject(parent) {
    workers_.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, kMostWorkers));
}

ThumbnailLoader::~ThumbnailLoader() {
    Clear();
    workers_.waitForDone();
}

void ThumbnailLoader::Request(const QString& path, int64_t mtime, bool make, int side) {
    {
        std::lock_guard lock(mutex_);
        pending_.append({path, mtime, make, side});
    }
    // One turn of work a request; which request it answers is decided
    // when it starts, so the newest goes first.
    workers_.start([this] { Work(); });
}

void ThumbnailLoader::Clear() {
    {
        std::lock_guard lock(mutex_);
        pending_.clear();
    }
    workers_.clear(); // the turns not yet begun
}

void ThumbnailLoader::Work() {
    Job job;
    {
        std::lock_guard lock(mutex_);
        if (pending_.isEmpty())
            return; // cleared meanwhile
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
