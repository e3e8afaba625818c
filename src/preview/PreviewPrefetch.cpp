// SPDX-License-Identifier: MIT
#include "preview/PreviewPrefetch.h"

#include "platform/FileName.h"
#include "preview/PanelLayout.h"

#include <algorithm>

#include <sys/stat.h>

PreviewPrefetch::PreviewPrefetch() {
    worker_.setMaxThreadCount(1);
}

PreviewPrefetch::~PreviewPrefetch() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    worker_.clear();
    worker_.waitForDone();
}

QByteArray PreviewPrefetch::Stamp(const QString& path) {
    struct stat st {};
    if (::stat(EncodeFileName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return QByteArray::number(quint64(st.st_dev)) + ':' + QByteArray::number(quint64(st.st_ino)) +
           ':' + QByteArray::number(qint64(st.st_size)) + ':' +
           QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(st.st_mtim.tv_nsec)) + ':' +
           QByteArray::number(qint64(st.st_ctim.tv_sec)) + '.' +
           QByteArray::number(qint64(st.st_ctim.tv_nsec));
}

void PreviewPrefetch::Request(const QStringList& paths, int paneWidth, qreal ratio) {
    {
        std::lock_guard lock(mutex_);
        wanted_ = paths.mid(0, kAhead);
        paneWidth_ = paneWidth;
        ratio_ = ratio;
        // What was decoded for this pane and is still wanted stays.
        ready_.erase(std::remove_if(ready_.begin(), ready_.end(),
                                    [this](const std::unique_ptr<PrefetchedPicture>& p) {
                                        return !Wanted(*p);
                                    }),
                     ready_.end());
        queue_.clear();
        for (const QString& path : wanted_)
            if (path != inFlight_ && std::none_of(ready_.begin(), ready_.end(),
                                                  [&](const std::unique_ptr<PrefetchedPicture>& p) {
                                                      return p->path == path;
                                                  }))
                queue_ << path;
    }
    worker_.start([this] { Work(); });
}

bool PreviewPrefetch::Wanted(const PrefetchedPicture& picture) const {
    return wanted_.contains(picture.path) && picture.paneWidth == paneWidth_ &&
           picture.ratio == ratio_;
}

std::unique_ptr<PrefetchedPicture> PreviewPrefetch::Take(const QString& path, int paneWidth,
                                                         qreal ratio) {
    std::lock_guard lock(mutex_);
    const auto found =
        std::find_if(ready_.begin(), ready_.end(),
                     [&](const std::unique_ptr<PrefetchedPicture>& p) { return p->path == path; });
    if (found == ready_.end())
        return nullptr;
    std::unique_ptr<PrefetchedPicture> picture = std::move(*found);
    ready_.erase(found);
    if (picture->paneWidth != paneWidth || picture->ratio != ratio || picture->stamp != Stamp(path))
        return nullptr;
    return picture;
}

bool PreviewPrefetch::Holds(const QString& path) {
    std::lock_guard lock(mutex_);
    return std::any_of(
        ready_.begin(), ready_.end(),
        [&](const std::unique_ptr<PrefetchedPicture>& p) { return p->path == path; });
}

void PreviewPrefetch::Clear() {
    std::lock_guard lock(mutex_);
    wanted_.clear();
    queue_.clear();
    ready_.clear();
}

void PreviewPrefetch::Work() {
    std::unique_lock lock(mutex_);
    while (!quit_ && !queue_.isEmpty()) {
        auto picture = std::make_unique<PrefetchedPicture>();
        picture->path = inFlight_ = queue_.takeFirst();
        picture->paneWidth = paneWidth_;
        picture->ratio = ratio_;
        lock.unlock();

        // The same decode the pane does for a row it was not given ahead.
        picture->stamp = Stamp(picture->path);
        CxImage& image = *picture->picture->GetXImage();
        bool ok = !picture->stamp.isEmpty() && image.Load(picture->path);
        if (ok) {
            const Edges place =
                PlacePicture(picture->paneWidth, image.GetWidth(), image.GetHeight());
            ok = image.DecodeToFit(int(std::max(1, place.width()) * picture->ratio),
                                   int(std::max(1, place.height()) * picture->ratio),
                                   picture->pixels);
            picture->hasExif = picture->exif->Load(picture->path);
        }
        // A file changed while it was read is read again when it is shown.
        ok = ok && Stamp(picture->path) == picture->stamp;

        lock.lock();
        inFlight_.clear();
        if (ok && Wanted(*picture))
            ready_.push_back(std::move(picture));
    }
}
