// SPDX-License-Identifier: MIT
#include "batch/OutputPath.h"
#include "TestSupport.h"
#include "batch/PictureTree.h"

namespace {

struct PathCase {
    const char* what;
    const char* source;
    uint32_t override;
    const char* dest;
    uint32_t imagetype;
    bool mail;
    const char* path;
    const char* folder;
};

TEST(OutputPathTest, PicksThePathAndFolderInTheirOrder) {
    // what, source, override, dest, type, mail -> path, folder to make
    const PathCase cases[] = {
        // clang-format off
        {"relative dest, as JPEG", "/pics/a.bmp", 0, "./resize/", 1, false,
         "/pics/resize/a.jpg", "/pics/resize"},
        {"no dest: the case of the extension", "/pics/a.JPG", 0, "", 0, false,
         "/pics/resize/a.JPG", "/pics/resize"},
        {"absolute dest", "/pics/x/b.png", 0, "/out", 6, false, "/out/b.tiff", "/out"},
        {"a trailing slash", "/pics/b.png", 0, "/out/", 0, false, "/out/b.png", "/out"},
        {"the dialog's own hint, backslashed", "/pics/a.bmp", 0, ".\\resize\\", 1, false,
         "/pics/resize/a.jpg", "/pics/resize"},
        {"relative dest going up", "/pics/day 1/c.gif", 0, "../small", 5, false,
         "/pics/small/c.png", "/pics/small"},
        {"override wins over the destination", "/pics/a.jpg", 1, "/out", 5, false, "/pics/a.jpg", ""},
        {"a mail never writes a source", "/pics/a.jpg", 1, "/out", 5, true, "/tmp/m/a.png", ""},
        {"mail: the mail folder", "/pics/a.jpeg", 0, "/out", 1, true, "/tmp/m/a.jpg", ""},
        {"mail: its own extension for type 0", "/pics/a.Png", 0, "", 0, true, "/tmp/m/a.Png", ""},
        {"the last dot starts the extension", "/pics/v1.2.tif", 0, "", 7, false,
         "/pics/resize/v1.2.pcx", "/pics/resize"},
        {"a modern type", "/pics/IMG_1.HEIC", 0, "", 9, false,
         "/pics/resize/IMG_1.avif", "/pics/resize"},
        {"no extension", "/pics/scan", 0, "", 2, false, "/pics/resize/scan.bmp", "/pics/resize"},
        {"odd names kept", "/p/-x 'q' \"ü\".jpg", 0, "", 0, false,
         "/p/resize/-x 'q' \"ü\".jpg", "/p/resize"},
        {"an unknown type: no extension", "/pics/a.jpg", 0, "", 12, false,
         "/pics/resize/a.", "/pics/resize"},
        // clang-format on
    };
    for (const PathCase& c : cases) {
        ResizeSettings s;
        s.override = c.override;
        s.dest = QString::fromUtf8(c.dest);
        s.imagetype = c.imagetype;
        // As the job plans it, with the settings a picture is written with.
        const QString source = QString::fromUtf8(c.source);
        const OutputPlan plan = PlanOutput(source, SettingsForSubfolder(s, {}), c.mail, u"/tmp/m"_s,
                                           SourceNameFields(source));
        EXPECT_EQ(plan.path, QString::fromUtf8(c.path)) << c.what;
        EXPECT_EQ(plan.folderToCreate, QString::fromUtf8(c.folder)) << c.what;
    }
}

} // namespace
