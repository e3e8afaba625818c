// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ResizeSettings.h"

#include <QString>

#include <vector>

struct TreePicture {
    QString path;      // absolute
    QString subfolder; // its folder below the given one; empty for the given one's own
};

// Every picture under a folder, by the file list's extension filter, depth
// first in byte-wise name order, for a batch with settings. The folders
// the batch writes into (the tree repeated under an absolute destination,
// or a destination beside each folder, of every output) and every
// "resize" folder are never entered, so a second run does not resize
// earlier results; a symbolic link is followed only to a place inside the
// tree, and no folder is entered twice, so links cannot loop.
std::vector<TreePicture> PicturesInTree(const QString& folder, const ResizeSettings& settings);

// The settings a picture is written with: "dest" with backslashes read as
// folder separators, and the picture's subfolder of the tree repeated under
// an absolute destination, so that same-named pictures of two folders never
// meet; other destinations are taken from each picture's own folder already.
ResizeSettings SettingsForSubfolder(const ResizeSettings& settings, const QString& subfolder);
