// SPDX-License-Identifier: MIT
// Every test process gets its own configuration folder, so stored settings
// never leak between tests or from the user running them.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // Nor do their Trash and the hand-off block.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    // Nor the thumbnails they make.
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
