// SPDX-License-Identifier: MIT
#include "preview/PanelLayout.h"
#include "preview/ExifReader.h"

#include "TestSupport.h"

#include <QSet>

namespace {

TEST(PanelLayoutTest, PlacesThePictureInTheSquareWithItsExactEdges) {
    struct Case {
        const char* name;
        int pane, width, height;
        Edges edges;
    } const cases[] = {
        {"fits: its own size, centred", 400, 100, 80, {149, 2, 249, 82}},
        {"landscape: the square's width", 400, 1600, 1200, {2, 2, 398, 299}},
        {"portrait: the square's height", 400, 1200, 1600, {51, 2, 347, 398}},
        {"square: the whole square", 400, 1000, 1000, {2, 2, 398, 398}},
        {"exactly the square's width", 400, 396, 10, {2, 2, 398, 12}},
        {"an odd width loses a pixel", 400, 101, 80, {149, 2, 249, 82}},
        {"one pixel wide, taller than the square", 400, 1, 5000, {199, 2, 199, 398}},
        {"a pane narrower than its insets", 3, 100, 80, {2, 2, 1, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlacePicture(c.pane, c.width, c.height), c.edges) << c.name;
}

// Every character 7 pixels wide, so the numbers can be worked out by hand.
int SevenPerCharacter(const QString& text) {
    return 7 * int(text.size());
}

TEST(PanelLayoutTest, TheTitleStandsTwentyPixelsUnderThePictureAndTheRowsFollow) {
    const Edges picture = PlacePicture(400, 100, 80);
    const QList<PanelRow> rows{{false, u"Model  "_s, u"X1"_s},
                               {false, u"Software"_s, u"Gimp"_s},
                               {true, u"Compression"_s, u"JPEG"_s},
                               {true, u"Exposure Time"_s, u"1/60 sec.   "_s}};
    const PanelLayout layout = LayOutPanel(picture, 400, 600, 16, rows, true, SevenPerCharacter);
    // The panel reaches the visible edges; the widest title and value are
    // measured with their trailing spaces; two title rows, then the rows
    // with an empty row before each new IFD.
    EXPECT_EQ(std::tuple(layout.titleTop, layout.panel, layout.rowLeft, layout.valueLeft,
                         layout.rowTops, layout.scrolls),
              std::tuple(102, Edges{2, 102, 400, 600}, 22, 22 + 7 * 13 + 20,
                         QList<int>{134, 150, 182, 214}, false));
    EXPECT_EQ(std::pair(rows[0].ShownTitle(), rows[3].ShownValue()),
              std::pair(u"Model"_s, u"1/60 sec."_s));
}

// One empty row between two IFD groups and never inside one, counted
// against the groups exiftool finds, also where IFD 1 or GPS is missing.
TEST(PanelLayoutTest, TheExifRowsBreakOnlyBetweenIfdGroups) {
    for (const char* name :
         {"Canon_40D.jpg", "Fujifilm_FinePix_E500.jpg", "Kodak_CX7530.jpg", "Nikon_D70.jpg"}) {
        const QString path = TestData(u"jpg/"_s + QLatin1String(name));
        ExifReader reader;
        ASSERT_EQ(reader.Load(path), 1) << name;
        const QList<PanelRow> rows = PanelRows(reader, true, 100, 68);
        ASSERT_FALSE(rows.isEmpty()) << name;
        EXPECT_FALSE(rows.first().newGroup) << name;
        const ToolRun groups =
            Oracle(u"exiftool"_s, {"-s", "-G1", "-IFD0:all", "-IFD1:all", "-ExifIFD:all",
                                   "-GPS:all", "-InteropIFD:all", path});
        QSet<QString> found;
        for (const QString& line : groups.out.split(u'\n', Qt::SkipEmptyParts))
            found << line.section(u']', 0, 0);
        EXPECT_EQ(
            std::count_if(rows.begin(), rows.end(), [](const PanelRow& r) { return r.newGroup; }),
            found.size() - 1)
            << name << " " << qPrintable(QStringList(found.begin(), found.end()).join(' '));
        EXPECT_EQ(PanelRows(reader, true, 100, 68).size(), rows.size()) << "each call walks anew";
    }
}

} // namespace
