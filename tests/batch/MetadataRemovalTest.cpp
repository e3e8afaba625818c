// SPDX-License-Identifier: MIT
// What a result keeps of a camera photo's metadata, judged by exiftool in
// every type that carries metadata, and its colours by libvips.
#include "BatchSupport.h"
#include "codec/PictureTypeTable.h"

#include "codec/PrivateData.h"

#include <functional>
#include <map>

namespace {

QString Tag(const QString& path, const QString& tag) {
    return Oracle(u"exiftool"_s, {u"-s3"_s, u"-"_s + tag, path}).out.trimmed();
}

// XMP packets as cameras, drones and careless tools write them: a namespace
// by default, on the property, with a character reference in its name.
QByteArray Packet(const char* descriptions) {
    return QByteArray("<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?><x:xmpmeta "
                      "xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
                      "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">") +
           descriptions + "</rdf:RDF></x:xmpmeta><?xpacket end=\"w\"?>";
}
const char* kRights =
    R"(<rdf:Description rdf:about="" xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:rights>)"
    R"(<rdf:Alt><rdf:li xml:lang="x-default">(c) Ann</rdf:li></rdf:Alt></dc:rights>)"
    R"(</rdf:Description>)";
const QByteArray kNamespaces =
    Packet(R"(<rdf:Description rdf:about="" xmlns="http://ns.adobe.com/exif/1.0/">)"
           R"(<GPSLatitude>46,57.6N</GPSLatitude></rdf:Description><rdf:Description rdf:about="">)"
           R"(<e:GPSLongitude xmlns:e="http://ns.adobe.com/exif/1.0/">7,26.4E</e:GPSLongitude>)"
           R"(</rdf:Description>)");
const QByteArray kPeople = Packet(
    QByteArray(R"(<rdf:Description rdf:about="" xmlns:f="http://ns.adobe.com/exif/1.0&#x2F;">)"
               R"(<f:GPSAltitude>540/1</f:GPSAltitude></rdf:Description>)"
               R"(<rdf:Description rdf:about="" xmlns:drone-dji="http://www.dji.com/drone-dji/)"
               R"(1.0/" drone-dji:GpsLatitude="46.95" drone-dji:AbsoluteAltitude="+540.2"/>)"
               R"(<rdf:Description rdf:about="" xmlns:photoshop="http://ns.adobe.com/photoshop)"
               R"(/1.0/" photoshop:CaptionWriter="Ann" photoshop:AuthorsPosition="Boss"/>)"
               R"(<rdf:Description rdf:about="" xmlns:xmpRights="http://ns.adobe.com/xap/1.0/)"
               R"(rights/"><xmpRights:Owner><rdf:Bag><rdf:li>Ann</rdf:li></rdf:Bag>)"
               R"(</xmpRights:Owner></rdf:Description><rdf:Description rdf:about="" )"
               R"(xmlns:Iptc4xmpExt="http://iptc.org/std/Iptc4xmpExt/2008-02-29/">)"
               R"(<Iptc4xmpExt:PersonInImage><rdf:Bag><rdf:li>Bob</rdf:li></rdf:Bag>)"
               R"(</Iptc4xmpExt:PersonInImage></rdf:Description>)") +
    kRights);

QByteArray Dataset(uint8_t number, const QByteArray& value) {
    return QByteArray("\x1c\x02", 2) + char(number) + char(value.size() >> 8) +
           char(value.size() & 0xff) + value;
}

QByteArray Resource(uint16_t id, const QByteArray& data) {
    const auto size = uint32_t(data.size());
    return QByteArray("8BIM") + char(id >> 8) + char(id & 0xff) + QByteArray(2, '\0') +
           char(size >> 24) + char(size >> 16) + char(size >> 8) + char(size) + data +
           (size % 2 ? QByteArray(1, '\0') : QByteArray());
}

// A JPEG with a Photoshop block as editing programs leave it: IPTC with
// people and places, and copies of an EXIF and an XMP that place the photo,
// and a thumbnail, spliced in as an APP13 segment after the start marker.
void AddPhotoshopBlock(const QString& photo, const QString& exifSource) {
    const QString file = photo + u".exif"_s;
    Oracle(u"sh"_s, {u"-c"_s, u"exiftool -b -EXIF \"$1\" > \"$2\""_s, u"sh"_s, exifSource, file});
    const QByteArray exif = ReadFile(file);
    const QByteArray iptc = Dataset(80, "Ann") + Dataset(90, "Bern") + Dataset(27, "Bundeshaus") +
                            Dataset(26, "CHE") + Dataset(116, "(c) Ann") + Dataset(120, "Goal!");
    const QByteArray block = QByteArray("Photoshop 3.0\0", 14) + Resource(0x0404, iptc) +
                             Resource(0x0422, exif) + Resource(0x0424, kPeople) +
                             Resource(0x040c, ReadFile(TestData(u"jpg/no_exif.jpg"_s)).left(2000));
    QByteArray jpeg = ReadFile(photo);
    const auto length = uint32_t(block.size() + 2);
    jpeg.insert(2, QByteArray("\xff\xed", 2) + char(length >> 8) + char(length & 0xff) + block);
    WriteFile(photo, jpeg);
}

enum Type : uint32_t { Jpeg = 1, Png = 5, Tiff = 6, Webp = 8, Avif = 9, Heic = 10, Jxl = 11 };

// Which types can hold what a group of exiftool's holds.
bool Holds(uint32_t type, const QString& tag) {
    const QString group = tag.section(u':', 0, 0);
    if (group == u"File"_s) // a JPEG's comment
        return type == Jpeg;
    if (group == u"IPTC"_s)
        return type == Jpeg || type == Png || type == Tiff;
    if (group == u"Photoshop"_s)
        return type == Jpeg || type == Tiff;
    if (group == u"PNG"_s)
        return type == Png;
    return true;
}

// Sources with private data in every form the last round found passing,
// each written as every type that carries metadata at each level, as mail
// copies (mailmetadata 1), and turned as JPEG, where the JPEG sources are
// made from their compressed data and must keep exactly what re-encoding
// them keeps. exiftool, which we did not write, judges:
// above KeepAll nothing of what was listed as gone may be found, and what
// is on the keep list stays; at KeepAll everything the source had stays
// where the type can hold it, but a thumbnail of the old picture.
TEST(MetadataRemovalTest, OnlyTheKeepListSurvivesAndKeepAllKeepsEverything) {
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) {
        return dir.filePath(QLatin1String(name));
    };
    // Cut to whole JPEG blocks, so that every turn can be made losslessly.
    const QString base = dir.filePath(u"base.jpg"_s);
    Oracle(u"jpegtran"_s, {u"-copy"_s, u"all"_s, u"-crop"_s, u"96x64+0+0"_s, u"-outfile"_s, base,
                           TestData(u"jpg/Canon_40D.jpg"_s)});
    const QString camera = CopyInto(base, dir.path(), u"camera.jpg"_s);
    Oracle(u"exiftool"_s, {u"-q"_s, u"-overwrite_original"_s, u"-GPSLatitude=46.95"_s,
                           u"-GPSLatitudeRef=N"_s, u"-SerialNumber=SN123"_s, u"-OwnerName=Ann"_s,
                           u"-Artist=Ann"_s, u"-IPTC:By-line=Ann"_s, u"-IPTC:City=Bern"_s, camera});
    const auto xmp = [&](const QString& path, const QByteArray& packet) {
        const QString file = WriteFile(path + u".xmp"_s, packet);
        Oracle(u"exiftool"_s, {u"-q"_s, u"-overwrite_original"_s, u"-xmp<="_s + file, path});
    };
    struct Fixture {
        const char* file;
        std::function<void(const QString&)> make;
        QStringList gone;  // above KeepAll
        QStringList kept;  // at NoPrivate
        QStringList whole; // at KeepAll, where the type holds it
    };
    const std::vector<Fixture> fixtures = {
        {"people.jpg",
         [&](const QString& p) {
             QFile::copy(camera, p);
             xmp(p, kPeople);
             Oracle(u"exiftool"_s,
                    {u"-q"_s, u"-overwrite_original"_s, u"-Comment=at the lake"_s, p});
         },
         {"File:Comment", "EXIF:GPSLatitude", "EXIF:SerialNumber", "EXIF:OwnerName", "EXIF:Artist",
          "XMP:GPSAltitude", "XMP:GPSLatitude", "XMP:AbsoluteAltitude", "XMP:CaptionWriter",
          "XMP:AuthorsPosition", "XMP:Owner", "XMP:PersonInImage", "IPTC:By-line", "IPTC:City"},
         {"EXIF:Make", "EXIF:Model", "EXIF:FNumber", "EXIF:DateTimeOriginal", "XMP:Rights"},
         {"File:Comment", "EXIF:GPSLatitude", "EXIF:SerialNumber", "XMP:AbsoluteAltitude",
          "XMP:PersonInImage", "IPTC:City"}},
        {"namespaces.jpg",
         [&](const QString& p) {
             QFile::copy(camera, p);
             xmp(p, kNamespaces);
         },
         {"XMP:GPSLatitude", "XMP:GPSLongitude"},
         {"EXIF:Make"},
         {"XMP:GPSLatitude", "XMP:GPSLongitude"}},
        {"photoshop.jpg",
         [&](const QString& p) {
             QFile::copy(base, p);
             AddPhotoshopBlock(p, camera);
         },
         {"IPTC:By-line", "IPTC:City", "IPTC:ContentLocationName", "IPTC:ContentLocationCode",
          "IPTC:Caption-Abstract", "EXIF:SerialNumber", "EXIF:OwnerName", "XMP:PersonInImage",
          "Photoshop:PhotoshopThumbnail"},
         {"IPTC:CopyrightNotice", "EXIF:Make"},
         {"IPTC:By-line", "IPTC:ContentLocationName", "IPTC:CopyrightNotice"}},
        {"chunks.png",
         [&](const QString& p) {
             Oracle(u"convert"_s, {camera, u"-set"_s, u"Author"_s, u"Ann"_s, u"-set"_s,
                                   u"Comment"_s, u"at 46.95N 7.44E"_s, p});
         },
         {"PNG:Author", "PNG:Comment", "PNG:ExifGPSLatitude", "PNG:ExifBodySerialNumber",
          "EXIF:GPSLatitude"},
         {"EXIF:Make"},
         {"PNG:Author", "PNG:Comment", "EXIF:GPSLatitude"}},
        {"scan.tif",
         [&](const QString& p) {
             Oracle(u"convert"_s, {TestData(u"jpg/Canon_40D.jpg"_s), p});
             Oracle(u"exiftool"_s,
                    {u"-q"_s, u"-overwrite_original"_s, u"-ImageDescription=A letter"_s,
                     u"-IPTC:By-line=Ann"_s, u"-IPTC:City=Bern"_s, u"-IPTC:Keywords=letter"_s,
                     u"-IPTC:CopyrightNotice=(c) Ann"_s, p});
         },
         {"EXIF:ImageDescription", "IPTC:By-line", "IPTC:City", "IPTC:Keywords"},
         {"IPTC:CopyrightNotice"},
         {"EXIF:ImageDescription", "IPTC:By-line", "IPTC:City", "IPTC:Keywords",
          "IPTC:CopyrightNotice"}},
        {"cjxl.jxl",
         [&](const QString& p) {
             Oracle(u"cjxl"_s, {at("people.jpg"), p}, {0});
         },
         {"EXIF:GPSLatitude", "XMP:PersonInImage"},
         {"EXIF:Make", "XMP:Rights"},
         {"EXIF:Make", "EXIF:GPSLatitude", "XMP:PersonInImage"}},
        {"phone.heic",
         [&](const QString& p) {
             Oracle(u"vips"_s, {u"copy"_s, at("people.jpg"), p});
             xmp(p, kPeople);
         },
         {"EXIF:GPSLatitude", "XMP:CaptionWriter", "XMP:PersonInImage"},
         {"EXIF:Make", "XMP:Rights"},
         {"EXIF:GPSLatitude", "XMP:CaptionWriter", "XMP:PersonInImage"}},
    };
    QStringList sources;
    for (const Fixture& f : fixtures) {
        f.make(at(f.file));
        sources << at(f.file);
    }
    // Each fixture holds what it is meant to, as exiftool reads it; cjxl
    // compresses its boxes, which this exiftool cannot open, so that one's
    // results tell.
    const std::vector<QSet<QString>> before = ExifEntries(sources, u"-G0"_s);
    for (size_t i = 0; i < fixtures.size(); ++i) {
        if (QLatin1String(fixtures[i].file) == "cjxl.jxl"_L1) {
            ASSERT_TRUE(ReadFile(sources[qsizetype(i)]).contains("brob"));
            continue;
        }
        for (const QString& tag : fixtures[i].gone + fixtures[i].whole)
            ASSERT_TRUE(before[i].contains(tag))
                << fixtures[i].file << " lacks " << qPrintable(tag);
    }

    struct Case {
        uint32_t type;
        int level;
        bool mail;
        uint32_t lossless = 0; // turned, not resized: 1 lossless, 2 re-encoded
    };
    std::vector<Case> cases;
    for (const uint32_t type : {Jpeg, Png, Tiff, Webp, Avif, Heic, Jxl})
        for (const int level : {0, 1, 2})
            cases.push_back({type, level, false});
    cases.push_back({Jpeg, 0, true});
    for (const int level : {0, 1, 2}) {
        cases.push_back({Jpeg, level, false, 1});
        cases.push_back({Jpeg, level, false, 2});
    }
    std::map<int, std::vector<QSet<QString>>> turned; // by level, made losslessly
    for (const Case& c : cases) {
        ResizeSettings s;
        s.imagetype = c.type;
        s.width = s.height = 25;
        s.metadata = MetadataKept(c.level);
        s.dest = dir.filePath(u"out%1-%2-%3"_s.arg(c.type).arg(c.level).arg(c.lossless));
        if (c.lossless) {
            s.image_to_resize = 0;
            s.image_to_rotate = 1;
            s.rotate = Turn::Right;
            s.lossless = c.lossless == 1;
        }
        YesToAll prompt;
        ResizeJob job(s, sources, prompt);
        QTemporaryDir mail;
        if (c.mail)
            job.SetMailResults(mail.path());
        job.Run();
        const std::string what = u"type %1, metadata %2, mail %3, turned %4"_s.arg(c.type)
                                     .arg(c.level)
                                     .arg(c.mail)
                                     .arg(c.lossless)
                                     .toStdString();
        ASSERT_EQ(job.Count(PictureOutcome::Status::Written), sources.size())
            << what << ": " << qPrintable(job.Failures().join(u'\n'));
        QStringList outputs;
        for (const PictureOutcome& o : job.Outcomes()) {
            outputs << o.output;
            EXPECT_EQ(o.lossless, c.lossless == 1 && sources[o.picture].endsWith(u".jpg"_s))
                << what << ": " << qPrintable(sources[o.picture]);
        }
        const int level = c.mail ? 1 : c.level;
        const std::vector<QSet<QString>> after = ExifEntries(outputs, u"-G0"_s);
        if (c.lossless == 1)
            turned[c.level] = after;
        for (size_t i = 0; c.lossless == 2 && i < fixtures.size(); ++i)
            EXPECT_EQ(turned[c.level][i], after[i]) << what << ", " << fixtures[i].file;
        for (size_t i = 0; i < fixtures.size(); ++i) {
            const Fixture& f = fixtures[i];
            const auto expect = [&](const QStringList& tags, bool present) {
                for (const QString& tag : tags) {
                    if (!present || Holds(c.type, tag)) {
                        EXPECT_EQ(after[i].contains(tag), present)
                            << what << ", " << f.file << ": " << qPrintable(tag);
                    }
                }
            };
            if (level == 0) {
                expect(f.whole, true);
                expect({u"Photoshop:PhotoshopThumbnail"_s, u"EXIF:ThumbnailImage"_s}, false);
            } else {
                expect(f.gone, false);
                expect(f.kept, level == 1);
            }
        }
    }
}

// srgb: the pixels are those of libvips' own conversion with the photo's
// profile, and the profile is sRGB; without it the profile stays.
TEST(MetadataRemovalTest, SrgbConvertsWithThePhotosProfileAndEmbedsSrgb) {
    QTemporaryDir dir;
    // Stored mirrored (orientation 2), so the reference is mirrored back.
    const QString photo = CopyInto(TestData(u"orientation/landscape_2.jpg"_s), dir.path());
    ASSERT_EQ(Tag(photo, u"ProfileDescription"_s), u"Generic RGB Profile"_s);
    for (const uint32_t srgb : {0u, 1u}) {
        ResizeSettings s;
        s.image_to_resize = 0;
        s.imagetype = PictureTypeTable::Png; // lossless, so the pixels can be compared
        s.srgb = srgb;
        s.dest = u"out%1"_s.arg(srgb);
        const auto job = RunBatch(s, {photo});
        const QString result = job->Outcomes()[0].output;
        EXPECT_EQ(Tag(result, u"ProfileDescription"_s),
                  srgb ? u"sRGB"_s : u"Generic RGB Profile"_s);
        const QString converted = dir.filePath(u"converted.v"_s);
        if (srgb)
            Oracle(u"vips"_s, {u"icc_transform"_s, photo, converted, u"srgb"_s, u"--embedded"_s});
        else
            Oracle(u"vips"_s, {u"copy"_s, photo, converted});
        const QString reference = dir.filePath(u"reference%1.png"_s.arg(srgb));
        Oracle(u"vips"_s, {u"flip"_s, converted, reference, u"horizontal"_s});
        EXPECT_EQ(Difference(result, reference), 0.0) << srgb;
    }
}

} // namespace
