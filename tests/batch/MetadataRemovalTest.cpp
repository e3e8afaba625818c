// SPDX-License-Identifier: MIT
// What a result keeps of a camera photo's metadata, judged by exiftool in
// every type that carries metadata, and its colours by libvips.
#include "TestSupport.h"

#include "codec/PrivateData.h"
#include "batch/ResizeJob.h"

namespace {

class YesToAll : public ConfirmationPrompt {
public:
    int Ask(const QString&, const QString&) override { return AnswerYesToAll; }
};

// Every tag that places a photo or names a person or a camera, wherever
// exiftool finds it (EXIF, XMP, IPTC, maker notes).
const QStringList kPrivateTags{
    "-GPS:all",          "-XMP-exif:GPS*",    "-SerialNumber",  "-InternalSerialNumber",
    "-LensSerialNumber", "-BodySerialNumber", "-OwnerName",     "-CameraOwnerName",
    "-Artist",           "-Creator",          "-By-line",       "-City",
    "-Country",          "-MakerNotes:all",   "-ThumbnailImage"};

// The private tags exiftool finds in each of several files, one a line,
// in one run: each file's lines follow its "======== PATH" line.
std::vector<QStringList> PrivateTags(const QStringList& paths) {
    const ToolRun run = Oracle(u"exiftool"_s, QStringList{"-a", "-s"} + kPrivateTags + paths);
    std::vector<QStringList> tags;
    for (const QString& line : run.out.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u"======== "_s))
            tags.emplace_back();
        else if (!line.startsWith(u' ') && !tags.empty())
            tags.back() << line;
    }
    EXPECT_EQ(tags.size(), size_t(paths.size())) << qPrintable(run.out);
    return tags;
}

QString Tag(const QString& path, const QString& tag) {
    return Oracle(u"exiftool"_s, {u"-s3"_s, u"-"_s + tag, path}).out.trimmed();
}

// Photos with a GPS position, a serial number in maker notes, an owner,
// and XMP naming the author, written as each type that carries metadata
// at each level (and as mail copies, which have their own choice).
TEST(MetadataRemovalTest, NothingPrivateSurvivesAndWhatIsKeptStays) {
    QTemporaryDir dir;
    QStringList photos;
    for (const char* name : {"jpg/Kodak_CX7530.jpg", "jpg/Panasonic_DMC-FZ30.jpg",
                             "jpg/canon-ixus.jpg", "jpg/no_exif.jpg", "hdr/iphone_hdr_NO.jpg"})
        photos << CopyInto(TestData(QLatin1String(name)), dir.path());
    const std::vector<QStringList> sourceTags = PrivateTags(photos);
    for (const QStringList& tags : sourceTags)
        ASSERT_FALSE(tags.isEmpty());
    struct Case {
        uint32_t imagetype;
        int metadata;
        bool mail;
    };
    std::vector<Case> cases;
    for (const uint32_t type : {1u, 5u, 6u, 8u, 9u, 10u})
        for (const int level : {0, 1, 2})
            cases.push_back({type, level, false});
    cases.push_back({1, 0, true}); // a mail copy: mailmetadata 1 by default
    for (const Case& c : cases) {
        ResizeSettings s;
        s.imagetype = c.imagetype;
        s.width = s.height = 25;
        s.metadata = uint32_t(c.metadata);
        s.dest = u"out%1-%2"_s.arg(c.imagetype).arg(c.metadata);
        YesToAll prompt;
        ResizeJob job(s, photos, prompt);
        QTemporaryDir mail;
        if (c.mail)
            job.SetMailResults(mail.path());
        job.Run();
        const std::string what = u"type %1, metadata %2%3"_s.arg(c.imagetype)
                                     .arg(c.metadata)
                                     .arg(c.mail ? u", mail"_s : QString())
                                     .toStdString();
        ASSERT_EQ(job.Count(PictureOutcome::Status::Written), 5) << what;
        const int level = c.mail ? 1 : c.metadata;
        // Kept means kept: every private tag of the source, maker notes too,
        // but the old thumbnail, which never stays, and IPTC where the type
        // has no place for it (the XMP beside it says the same).
        const bool iptc = c.imagetype == 1 || c.imagetype == 6;
        const auto kept = [iptc](QStringList tags) {
            tags.removeIf([iptc](const QString& tag) {
                return tag.startsWith(u"ThumbnailImage"_s) ||
                       (!iptc && tag.startsWith(u"By-line"_s));
            });
            return tags;
        };
        QStringList outputs;
        for (const PictureOutcome& o : job.Outcomes())
            outputs << o.output;
        const std::vector<QStringList> left = PrivateTags(outputs);
        for (size_t i = 0; i < left.size(); ++i)
            EXPECT_EQ(left[i], level > 0 ? QStringList() : kept(sourceTags[i]))
                << what << ": " << qPrintable(QFileInfo(outputs[qsizetype(i)]).fileName());
        // What the first photo keeps: its camera and date, but for level 2.
        const QString kodak = job.Outcomes()[0].output;
        EXPECT_EQ(Tag(kodak, u"Model"_s).isEmpty(), level == 2) << what;
        EXPECT_EQ(Tag(kodak, u"DateTimeOriginal"_s).isEmpty(), level == 2) << what;
        EXPECT_EQ(job.RemovedSummary().startsWith(u"removed: GPS position from 2 pictures, "_s),
                  level > 0)
            << what << qPrintable(job.RemovedSummary());
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
        s.imagetype = 5; // PNG: lossless, so the pixels can be compared
        s.srgb = srgb;
        s.dest = u"out%1"_s.arg(srgb);
        YesToAll prompt;
        ResizeJob job(s, {photo}, prompt);
        job.Run();
        const QString result = job.Outcomes()[0].output;
        EXPECT_EQ(Tag(result, u"ProfileDescription"_s),
                  srgb ? u"sRGB"_s : u"Generic RGB Profile"_s);
        const QString converted = dir.filePath(u"converted.v"_s);
        if (srgb)
            Oracle(u"vips"_s, {u"icc_transform"_s, photo, converted, u"srgb"_s, u"--embedded"_s});
        else
            Oracle(u"vips"_s, {u"copy"_s, photo, converted});
        const QString reference = dir.filePath(u"reference%1.v"_s.arg(srgb));
        Oracle(u"vips"_s, {u"flip"_s, converted, reference, u"horizontal"_s});
        // The largest difference of any pixel, darker or lighter.
        const QString difference = dir.filePath(u"difference.v"_s);
        const QString absolute = dir.filePath(u"absolute.v"_s);
        Oracle(u"vips"_s, {u"subtract"_s, result, reference, difference});
        Oracle(u"vips"_s, {u"abs"_s, difference, absolute});
        bool read = false;
        const double largest = Oracle(u"vips"_s, {u"max"_s, absolute}).out.toDouble(&read);
        EXPECT_TRUE(read && largest == 0.0) << srgb << ": " << largest;
    }
}

} // namespace
