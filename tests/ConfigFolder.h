// SPDX-License-Identifier: MIT
#pragma once

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Gives a test an empty configuration folder of its own.
class ConfigFolderTest : public testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); }
    QString ConfigPath() const { return config_.path(); }

private:
    QTemporaryDir config_;
};
