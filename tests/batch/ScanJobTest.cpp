// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "batch/ScanJob.h"

namespace {

TEST(ScanJobTest, KeepsOnlyWhatAllPicturesShare) {
    QTemporaryDir dir;
    auto picture = [&](const char* name, int w, int h, int dpi) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        DrawPicture(path, w, h, {}, {"-units", "PixelsPerInch", "-density", QString::number(dpi)});
        return path;
    };
    const QString a = picture("a.png", 640, 480, 72);
    const QString b = picture("b.jpg", 640, 480, 72);
    const QString portrait = picture("c.png", 480, 640, 72);
    const QString sharper = picture("d.png", 640, 480, 300);
    const QString webp = picture("e.webp", 640, 480, 72);

    struct Case {
        QStringList pictures;
        SelectionSummary expected;
        bool jpeg;
    };
    const Case cases[] = {
        {{a, b}, {640, 480, 72, 72}, true},
        {{a, b, portrait}, {0, 0, 72, 72}, true},
        {{a, sharper}, {640, 480, 0, 0}, false},
        {{a, webp}, {640, 480, 72, 72}, true},
        {{a, portrait, a}, {0, 0, 72, 72}, false},
        {{}, {0, 0, 0, 0}, false},
        {{a, dir.filePath("missing.png")}, {0, 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        ScanJob scan(c.pictures);
        std::vector<QString> lines;
        int done = 0;
        scan.OnStep([&](int, const QString& line) { lines.push_back(line); });
        scan.OnDone([&] { ++done; });
        scan.Run();
        const SelectionSummary s = scan.Summary();
        const SelectionSummary& e = c.expected;
        EXPECT_EQ(
            std::tuple(s.pictureWidth, s.pictureHeight, s.commonXDpi, s.commonYDpi,
                       scan.AnyJpegSource(), done),
            std::tuple(e.pictureWidth, e.pictureHeight, e.commonXDpi, e.commonYDpi, c.jpeg, 1))
            << qPrintable(c.pictures.join(' '));
        ASSERT_EQ(lines.size(), size_t(c.pictures.size()));
        EXPECT_TRUE(lines.empty() || lines[0].startsWith(u"Reading : "_s));
    }
}

} // namespace
