// SPDX-License-Identifier: MIT
#include "platform/Trash.h"

#include "platform/FileName.h"

#include <gio/gio.h>

QString MoveToTrash(const QString& path) {
    // GLib's own Trash, the file managers': it names the file in the info
    // file by its bytes, whatever they are, and picks the home Trash or the
    // volume's as they do.
    GFile* file = g_file_new_for_path(EncodeFileName(AbsoluteFileName(path)).constData());
    GError* error = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &error);
    g_object_unref(file);
    if (trashed)
        return {};
    const QString reason = QString::fromUtf8(error->message);
    g_error_free(error);
    return reason;
}
