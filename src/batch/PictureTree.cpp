// SPDX-License-Identifier: MIT
#include "batch/PictureTree.h"

#include "batch/Recipe.h"
#include "batch/ResizeTexts.h"
#include "codec/PictureTypeTable.h"
#include "platform/FileName.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <set>
#include <utility>

#include <dirent.h>
#include <sys/stat.h>

namespace {

struct Folder {
    QString path;      // as reached from the given folder
    QString canonical; // with every link resolved
    QString subfolder;
};

QString Canonical(const QString& path) {
    char* resolved = ::realpath(EncodeFileName(path).constData(), nullptr);
    if (!resolved)
        return {};
    const QString canonical = DecodeFileName(QByteArray(resolved));
    ::free(resolved);
    return canonical;
}

bool Inside(const QString& path, const QString& root) {
    return path == root || path.startsWith(root == QLatin1String("/") ? root : root + '/');
}

// The folder's entries, byte-wise in name order, without "." and "..".
std::vector<QByteArray> Entries(const QString& folder) {
    std::vector<QByteArray> names;
    DIR* dir = ::opendir(EncodeFileName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

class TreeWalk {
public:
    TreeWalk(const QString& folder, const ResizeSettings& settings)
        : settings_(settings)
        , folder_(AbsoluteFileName(folder))
        , root_(Canonical(folder)) {}

    std::vector<TreePicture> Run() {
        Visit({folder_, root_, QString()});
        // Every folder a result of the tree would go into, the tree's own
        // output folders among them, is left out with all below it.
        // The "resize" folders of earlier runs with other options count too.
        // Further outputs have folders of their own. A destination that is
        // the folder itself, or one above it ("dest=."), puts results beside
        // the sources: it leaves nothing out, and the batch's plan keeps
        // those results off the sources.
        QString unused;
        std::vector<ResizeSettings> recipe = RecipeOutputs(settings_, unused);
        if (recipe.empty())
            recipe.push_back(settings_);
        std::vector<QString> outputs;
        for (const Folder& f : folders_) {
            outputs.push_back(f.canonical + '/' + ResizeText::DefaultFolderName);
            for (const ResizeSettings& output : recipe) {
                const QString dest = SettingsForSubfolder(output, f.subfolder).dest;
                const QString into = QDir::cleanPath(QDir(f.canonical).filePath(dest));
                if (!dest.isEmpty() && !output.override && !Inside(f.canonical, into))
                    outputs.push_back(into);
            }
        }
        std::vector<bool> left(folders_.size());
        for (size_t i = 0; i < folders_.size(); ++i)
            left[i] = std::any_of(outputs.begin(), outputs.end(), [&](const QString& o) {
                return Inside(folders_[i].canonical, o);
            });
        std::vector<TreePicture> pictures;
        for (const auto& [picture, at] : pictures_)
            if (!left[at])
                pictures.push_back({picture, folders_[at].subfolder});
        return pictures;
    }

private:
    void Visit(const Folder& folder) {
        struct stat st {};
        if (folder.canonical.isEmpty() ||
            ::stat(EncodeFileName(folder.path).constData(), &st) != 0 ||
            !visited_.insert({st.st_dev, st.st_ino}).second)
            return;
        const size_t index = folders_.size();
        folders_.push_back(folder);
        for (const QByteArray& name : Entries(folder.path)) {
            const QString path = folder.path + '/' + DecodeFileName(name);
            struct stat entry {};
            if (::lstat(EncodeFileName(path).constData(), &entry) != 0)
                continue;
            QString canonical = folder.canonical + '/' + DecodeFileName(name);
            if (S_ISLNK(entry.st_mode)) {
                canonical = Canonical(path);
                if (canonical.isEmpty() || !Inside(canonical, root_) ||
                    ::stat(EncodeFileName(path).constData(), &entry) != 0)
                    continue;
            }
            if (S_ISDIR(entry.st_mode)) {
                const QString sub = folder.subfolder.isEmpty()
                                        ? DecodeFileName(name)
                                        : folder.subfolder + '/' + DecodeFileName(name);
                Visit({path, canonical, sub});
            } else if (S_ISREG(entry.st_mode) &&
                       PictureTypeTable::IsPictureFileName(DecodeFileName(name))) {
                pictures_.emplace_back(path, index);
            }
        }
    }

    const ResizeSettings& settings_;
    const QString folder_; // as given, made absolute
    const QString root_;   // with every link resolved
    std::vector<Folder> folders_;
    std::vector<std::pair<QString, size_t>> pictures_; // path, index of its folder
    std::set<std::pair<dev_t, ino_t>> visited_;
};

} // namespace

std::vector<TreePicture> PicturesInTree(const QString& folder, const ResizeSettings& settings) {
    return TreeWalk(folder, settings).Run();
}

ResizeSettings SettingsForSubfolder(const ResizeSettings& settings, const QString& subfolder) {
    ResizeSettings s = settings;
    // ".\resize\", the dialog's own hint and the Windows-era default, means
    // the folder "resize": a backslash is never part of a folder's name here.
    s.dest.replace(u'\\', u'/');
    if (!subfolder.isEmpty() && QDir::isAbsolutePath(s.dest))
        s.dest = QDir::cleanPath(s.dest + '/' + subfolder);
    return s;
}
