// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Moves the file at path into the user's Trash in the freedesktop.org
// layout (files/NAME beside info/NAME.trashinfo), as GLib does it for the
// desktop's file managers, so that any of them can restore it: into the
// home Trash when the file is on its file system, else into the Trash at
// the top of the file's own volume, since a Trash elsewhere would mean
// copying. Returns an empty text on success, else the reason; the file is
// then where it was.
QString MoveToTrash(const QString& path);
