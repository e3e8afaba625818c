// SPDX-License-Identifier: MIT
#pragma once

#include "browse/ShellNamespace.h"

// A mount table of a test's own.
class FixedVolumes : public VolumeSource {
public:
    explicit FixedVolumes(QList<Volume> volumes)
        : volumes_(std::move(volumes)) {}
    QList<Volume> Volumes() const override { return volumes_; }

private:
    QList<Volume> volumes_;
};
