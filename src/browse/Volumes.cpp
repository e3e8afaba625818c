// SPDX-License-Identifier: MIT
#include "browse/Volumes.h"

#include <QStorageInfo>

#include <algorithm>

namespace {

const QString kRoot = QStringLiteral("/");

// File systems that are not volumes a person would see.
const QStringList kPseudoFileSystems{
    "proc",       "sysfs",   "tmpfs",    "devtmpfs",    "overlay",
    "squashfs",   "devpts",  "cgroup",   "cgroup2",     "securityfs",
    "pstore",     "bpf",     "tracefs",  "debugfs",     "mqueue",
    "hugetlbfs",  "fusectl", "configfs", "autofs",      "binfmt_misc",
    "ramfs",      "nsfs",    "efivarfs", "fuse.portal", "fuse.gvfsd-fuse",
    "rpc_pipefs", "nfsd",    "selinuxfs"};

} // namespace

QList<Volume> SystemVolumes::Volumes() const {
    QList<Volume> volumes{{kRoot, QString()}};
    QList<Volume> others;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        const QString mount = storage.rootPath();
        const QString type = QString::fromLatin1(storage.fileSystemType());
        if (mount == kRoot || !storage.isValid() || kPseudoFileSystems.contains(type) ||
            mount.startsWith(QLatin1String("/proc")) || mount.startsWith(QLatin1String("/sys")) ||
            mount.startsWith(QLatin1String("/dev")) || mount.startsWith(QLatin1String("/snap")) ||
            (mount.startsWith(QLatin1String("/run")) &&
             !mount.startsWith(QLatin1String("/run/media"))))
            continue;
        others << Volume{mount, storage.name()};
    }
    std::sort(others.begin(), others.end(),
              [](const Volume& a, const Volume& b) { return a.mountPath < b.mountPath; });
    return volumes + others;
}
