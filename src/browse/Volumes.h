// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

// A mounted volume a person would see.
struct Volume {
    QString mountPath;
    QString label;
};

// Where the volumes come from: the system's mount table, or a test's.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    // "/" first, then the others by mount path.
    virtual QList<Volume> Volumes() const = 0;
};

// The mounted volumes of this machine, without pseudo file systems.
class SystemVolumes : public VolumeSource {
public:
    QList<Volume> Volumes() const override;
};
