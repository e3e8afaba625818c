// SPDX-License-Identifier: MIT
// The read-back that judges a shared result: an entry nobody listed, in
// whatever block or chunk, is named, so a leak of a kind no one foresaw
// fails the result instead of passing it.
#include "TestSupport.h"

#include "codec/Image.h"
#include "codec/PrivateData.h"
#include "codec/ReadBack.h"

namespace {

// A small JPEG, or by its name a TIFF of five pages of three sizes (Exiv2
// alone takes its second page for a thumbnail and never reads its fifth),
// changed by exiftool's arguments; its bytes.
QByteArray Made(const QString& folder, const QString& name, const QStringList& changes = {}) {
    const QString path = QDir(folder).filePath(name);
    QStringList draw{u"-size"_s, u"24x16"_s, u"gradient:red-blue"_s};
    if (name.endsWith(u".tif"_s)) {
        draw = QStringList{u"-depth"_s, u"8"_s};
        for (const char* page : {"8x6", "6x8", "8x6", "6x8", "5x5"})
            draw << u"-size"_s << QLatin1String(page) << u"xc:red"_s;
    }
    Oracle(u"convert"_s, draw + QStringList{path});
    if (!changes.isEmpty())
        Oracle(u"exiftool"_s,
               QStringList{u"-q"_s, u"-overwrite_original"_s} + changes + QStringList{path});
    return ReadFile(path);
}

TEST(KeptMetadataTest, TheReadBackNamesEveryEntryTheListDoesNotHold) {
    QTemporaryDir dir;
    const QString xmp = WriteFile(
        dir.filePath(u"drone.xmp"_s),
        R"(<x:xmpmeta xmlns:x="adobe:ns:meta/"><rdf:RDF xmlns:rdf="http://www.w3.org/1999/)"
        R"(02/22-rdf-syntax-ns#"><rdf:Description rdf:about="" xmlns:drone-dji="http://www.)"
        R"(dji.com/drone-dji/1.0/" drone-dji:GpsLatitude="46.95"/></rdf:RDF></x:xmpmeta>)");
    // exiftool reads it; no XML parser does.
    const QString broken = WriteFile(dir.filePath(u"broken.xmp"_s),
                                     ReadFile(xmp).replace("/></rdf:RDF>", "/></rdf:X></rdf:RDF>"));
    DrawPicture(dir.filePath(u"t.png"_s), 24, 16, {}, {u"-set"_s, u"Author"_s, u"Ann"_s});
    struct Case {
        QByteArray bytes;
        uint32_t format;
        int level;
        QString named; // empty: nothing is named
    } const cases[] = {
        {Made(dir.path(), u"kept.jpg"_s, {u"-Make=Tessary"_s, u"-Copyright=(c) Ann"_s}),
         ImageFormat::Jpeg, MetadataLevel::NoPrivate, QString()},
        {Made(dir.path(), u"kept.jpg"_s, {u"-Make=Tessary"_s}), ImageFormat::Jpeg,
         MetadataLevel::ProfileOnly, u"Exif.Image.Make"_s},
        {Made(dir.path(), u"drone.jpg"_s, {u"-xmp<="_s + xmp}), ImageFormat::Jpeg,
         MetadataLevel::NoPrivate, u"Xmp.drone-dji.GpsLatitude"_s},
        {Made(dir.path(), u"broken.jpg"_s, {u"-xmp<="_s + broken}), ImageFormat::Jpeg,
         MetadataLevel::NoPrivate, u"an XMP packet no reader can read"_s},
        {Made(dir.path(), u"soft.jpg"_s, {u"-Software=Anything"_s}), ImageFormat::Jpeg,
         MetadataLevel::NoPrivate, u"Exif.Image.Software"_s},
        {Made(dir.path(), u"iptc.jpg"_s, {u"-IPTC:Headline=News"_s}), ImageFormat::Jpeg,
         MetadataLevel::NoPrivate, u"Iptc.Application2.Headline"_s},
        {Made(dir.path(), u"comment.jpg"_s, {u"-Comment=at the lake"_s}), ImageFormat::Jpeg,
         MetadataLevel::NoPrivate, u"a comment"_s},
        {ReadFile(dir.filePath(u"t.png"_s)), ImageFormat::Png, MetadataLevel::NoPrivate,
         u"the PNG text \"Author\""_s},
        {Made(dir.path(), u"pages.tif"_s), ImageFormat::Tiff, MetadataLevel::NoPrivate, QString()},
        {Made(dir.path(), u"fifth.tif"_s, {u"-IFD4:Artist=Ann"_s}), ImageFormat::Tiff,
         MetadataLevel::NoPrivate, u"Exif.Image.Artist"_s},
    };
    for (const Case& c : cases) {
        const QStringList named = UnlistedEntries(c.bytes, c.format, c.level);
        EXPECT_TRUE(c.named.isEmpty() ? named.isEmpty() : named.contains(c.named))
            << qPrintable(c.named) << " among " << qPrintable(named.join(u", "_s));
    }
}

// A JPEG that states its turn in XMP alone is turned by it, and its result
// says upright; EXIF's turn, where there is one, wins.
TEST(KeptMetadataTest, AJpegTurnedOnlyInXmpIsTurned) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"turned.jpg"_s);
    DrawPicture(path, 60, 40);
    for (const auto& [changes, width] :
         {std::pair(QStringList{u"-XMP-tiff:Orientation=6"_s}, 40),
          std::pair(QStringList{u"-XMP-tiff:Orientation=6"_s, u"-EXIF:Orientation=1"_s}, 60)}) {
        Oracle(u"exiftool"_s, QStringList{u"-q"_s, u"-overwrite_original"_s, u"-n"_s} + changes +
                                  QStringList{path});
        CxImage image;
        ASSERT_TRUE(image.Load(path));
        EXPECT_EQ(image.GetWidth(), width) << qPrintable(changes.join(u' '));
    }
}

} // namespace
