// SPDX-License-Identifier: MIT
// A TIFF whose pages differ in size and colour, as a scanner makes of a
// letter and its envelope, through the batch: identify counts the result's
// pages and measures each, exiftool reads every page's metadata.
#include "BatchSupport.h"

namespace {

// Output types, as the settings name them.
enum Type : uint32_t { Gif = 3, Tiff = 6 };

// Each page's "WxH", first to last.
QString PageSizes(const QString& path) {
    return Oracle(u"identify"_s, {u"-format"_s, u"%wx%h "_s, path}).out.trimmed();
}

// Every entry exiftool finds on any page, by family 1, but its notes on the
// file itself.
QSet<QString> Entries(const QString& path) {
    QSet<QString> entries = ExifEntries({path}, u"-G1"_s)[0];
    entries.removeIf([](const QString& entry) {
        return QStringList{u"ExifTool"_s, u"System"_s, u"File"_s, u"Composite"_s}.contains(
            entry.section(u':', 0, 0));
    });
    return entries;
}

// What any page may hold at every level: how its pixels are stored, and
// where it is upright.
const QStringList kPictureTags =
    u"ImageWidth ImageHeight BitsPerSample Compression PhotometricInterpretation StripOffsets "
    u"Orientation SamplesPerPixel RowsPerStrip StripByteCounts PlanarConfiguration Predictor "
    u"SampleFormat ExtraSamples"_s.split(u' ');

// Three pages of three sizes, the last grey, with a camera's make and a
// location and names on more than the first page. Written as TIFF, each
// page is sized by the batch's settings as a picture alone, and exiftool
// finds nothing but the picture tags on any page, and the make on the
// first at metadata=1 (a type of one page gets the first: the matrix's).
// GIF, whose frames share one canvas, refuses such a source.
TEST(TiffPagesTest, PagesOfManySizesAreEachResizedAndKeepOnlyTheList) {
    QTemporaryDir dir;
    const QString source = dir.filePath(u"letter.tif"_s);
    Oracle(u"convert"_s, {u"-size"_s, u"80x60"_s, u"gradient:red-blue"_s, u"-size"_s, u"60x80"_s,
                          u"gradient:green-yellow"_s, u"-size"_s, u"50x50"_s, u"gradient:"_s,
                          u"-depth"_s, u"8"_s, source});
    Oracle(u"exiftool"_s, {u"-q"_s, u"-overwrite_original"_s, u"-Make=Tessary"_s, u"-Artist=Ann"_s,
                           u"-GPSLatitude=46.95"_s, u"-GPSLatitudeRef=N"_s, u"-IFD1:Artist=Bob"_s,
                           u"-IFD2:ImageDescription=At 46.95N"_s, source});
    ASSERT_EQ(PageSizes(source), u"80x60 60x80 50x50"_s);
    for (const QString& tag :
         {u"GPS:GPSLatitude"_s, u"IFD0:Artist"_s, u"IFD1:Artist"_s, u"IFD2:ImageDescription"_s})
        ASSERT_TRUE(Entries(source).contains(tag)) << qPrintable(tag);

    struct Case {
        const char* what;
        uint32_t type;
        MetadataKept level;
        uint32_t width, height; // pixels; 0: half
        Fit fit;
        SideRule side;
        bool turned;       // a quarter to the right
        const char* sizes; // each page's, first to last; none: the picture fails
    };
    using enum MetadataKept;
    const Case cases[] = {
        {"half", Tiff, Private, 0, 0, Fit::Stretch, SideRule::Both, false, "40x30 30x40 25x25"},
        {"fill", Tiff, Private, 40, 40, Fit::Fill, SideRule::Both, false, "40x40 40x40 40x40"},
        {"pad", Tiff, Profile, 40, 20, Fit::Pad, SideRule::Both, false, "40x20 40x20 40x20"},
        {"longer side, turned", Tiff, Private, 40, 40, Fit::Stretch, SideRule::Longer, true,
         "30x40 40x30 40x40"},
        {"GIF", Gif, Private, 0, 0, Fit::Stretch, SideRule::Both, false, ""},
    };
    int run = 0;
    for (const Case& c : cases) {
        ResizeSettings s;
        s.imagetype = c.type;
        s.metadata = c.level;
        s.dest = dir.filePath(u"out%1"_s.arg(++run));
        s.wpercent = s.hpercent = c.width == 0;
        s.width = c.width ? c.width : 50;
        s.height = c.height ? c.height : 50;
        s.fit = c.fit;
        s.side = c.side;
        s.image_to_rotate = c.turned;
        s.rotate = Turn::Right;
        const auto job = RunBatch(s, {source});
        if (!*c.sizes) {
            EXPECT_EQ(job->Count(PictureOutcome::Status::Failed), 1) << c.what;
            EXPECT_TRUE(job->Failures().join(u' ').contains(u"3 pages"_s)) << c.what;
            continue;
        }
        ASSERT_EQ(job->Count(PictureOutcome::Status::Written), 1)
            << c.what << ": " << qPrintable(job->Failures().join(u' '));
        const QString result = job->Outcomes()[0].output;
        EXPECT_EQ(PageSizes(result), QLatin1String(c.sizes)) << c.what;
        QSet<QString> unlisted;
        for (const QString& entry : Entries(result))
            if (!kPictureTags.contains(entry.section(u':', 1)))
                unlisted << entry;
        const QSet<QString> kept =
            c.level == MetadataKept::Private ? QSet<QString>{u"IFD0:Make"_s} : QSet<QString>{};
        EXPECT_EQ(unlisted, kept) << c.what;
    }
}

} // namespace
