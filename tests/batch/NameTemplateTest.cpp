// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "batch/NameTemplate.h"
#include "batch/Recipe.h"
#include "codec/Image.h"

namespace {

// That stems of dots stay below the destination, and that "./" and "//"
// add no folder, the batch plan test checks on real files.
TEST(NameTemplateTest, EveryTokenStandsForItsField) {
    NameFields f;
    f.name = u"IMG_0042"_s;
    f.ext = u"JPG"_s;
    f.folder = u"Holiday 2024"_s;
    f.width = 1600;
    f.height = 1200;
    f.number = 7;
    f.taken = QDateTime(QDate(2024, 8, 3), QTime(14, 5, 9));
    const std::pair<const char*, const char*> cases[] = {
        {"{name}", "IMG_0042"},
        {"{name}-small", "IMG_0042-small"},
        {"{folder}_{n:3}_{w}x{h}", "Holiday 2024_007_1600x1200"},
        {"{n}-{n:1}-{n:9}", "7-7-000000007"},
        {"{date}/{time} {name}.{ext}", "2024-08-03/14-05-09 IMG_0042.JPG"},
        {"web/{date}/{name}", "web/2024-08-03/IMG_0042"},
        {"{ext}/{name}", "JPG/IMG_0042"},
    };
    for (const auto& [nameTemplate, name] : cases) {
        EXPECT_EQ(NameTemplateError(QString::fromUtf8(nameTemplate)), QString()) << nameTemplate;
        EXPECT_EQ(ExpandNameTemplate(QString::fromUtf8(nameTemplate), f), QString::fromUtf8(name));
    }
    // A part that comes out empty is the source's name.
    f.ext.clear();
    EXPECT_EQ(ExpandNameTemplate(u"{ext}/{name}"_s, f), u"IMG_0042/IMG_0042"_s);
    EXPECT_TRUE(NameTemplateReadsPicture(u"a{w}"_s));
    EXPECT_FALSE(NameTemplateReadsPicture(u"{name}-{n:3}/{folder}"_s));
}

// Refused when entered, each with a message that says which fault it is.
TEST(NameTemplateTest, RefusesWhatCannotNameAResultAndSaysWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"{nam}", "unknown token {nam}"},
        {"{n:0}", "unknown token {n:0}"},
        {"{n:12}", "unknown token {n:12}"},
        {"{name", "'{' without its '}'"},
        {"name}", "'}' without its '{'"},
        {"../{name}", "outside the destination"},
        {"a/../../{name}", "outside the destination"},
        {"/tmp/{name}", "outside the destination"},
        {"{date}/", "no file name"},
        {"", "no file name"},
        {"{}", "unknown token {}"},
        {"./", "no file name"},
    };
    for (const auto& [nameTemplate, why] : cases)
        EXPECT_TRUE(NameTemplateError(QString::fromUtf8(nameTemplate)).contains(QLatin1String(why)))
            << nameTemplate << ": "
            << qPrintable(NameTemplateError(QString::fromUtf8(nameTemplate)));
}

// When a photo was taken: its camera's clock as written, even at a time the
// local summer-time change skips; a blank EXIF date is no date.
TEST(NameTemplateTest, TheDateTakenIsTheCamerasClockAsWritten) {
    QTemporaryDir dir;
    const QString file = WriteFile(dir.filePath(u"x.jpg"_s), "x");
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin"); // 2026-03-29 02:30 does not exist there
    const QDateTime gap = DateTaken(u"2026:03:29 02:30:00"_s, file);
    EXPECT_EQ(gap.toString(u"yyyy-MM-dd HH-mm-ss"_s), u"2026-03-29 02-30-00"_s);
    EXPECT_EQ(DateTaken(u"    :  :     :  :  "_s, file).toSecsSinceEpoch(),
              QFileInfo(file).lastModified().toSecsSinceEpoch());
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    // A camera that left DateTimeOriginal blank: its DateTime is asked.
    const QString photo = CopyInto(TestData(u"jpg/Canon_40D.jpg"_s), dir.path());
    Oracle(u"exiftool"_s,
           {u"-q"_s, u"-overwrite_original"_s, u"-n"_s, u"-DateTimeOriginal=                   "_s,
            u"-ModifyDate=2024:01:02 03:04:05"_s, photo});
    CxImage image;
    ASSERT_TRUE(image.Load(photo));
    EXPECT_EQ(image.GetExifDate(), u"2024:01:02 03:04:05"_s);
}

// A further output is the options with its changes, escapes kept; what it
// may not change, and faults in it, are named with the output.
TEST(NameTemplateTest, FurtherOutputsChangeTheOptionsAndNameTheirFaults) {
    ResizeSettings s;
    s.override = 1;
    s.qualilty = 70;
    s.also = u"imagetype=8,dest=a\\,b\\;c;; width=20, nametemplate={name}-t"_s;
    QString error;
    const std::vector<ResizeSettings> outputs = RecipeOutputs(s, error);
    ASSERT_EQ(outputs.size(), 3u) << qPrintable(error);
    EXPECT_EQ(std::tuple(outputs[0].override, outputs[0].also, outputs[0].imagetype),
              std::tuple(1u, QString(), 0u));
    EXPECT_EQ(
        std::tuple(outputs[1].override, outputs[1].imagetype, outputs[1].dest, outputs[1].qualilty),
        std::tuple(0u, 8u, u"a,b;c"_s, 70u));
    EXPECT_EQ(std::pair(outputs[2].width, outputs[2].nametemplate), std::pair(20u, u"{name}-t"_s));
    EXPECT_EQ(FormatOptionChanges({{u"dest"_s, u"a,b;c\\"_s}}), u"dest=a\\,b\\;c\\\\"_s);

    const std::pair<const char*, const char*> faults[] = {
        {"override=0", "further output 1 (override=0): override cannot be changed"},
        {"width=20;also=x=1", "further output 2 (also=x=1): also cannot be changed"},
        {"colour=1", "unknown option name 'colour'"},
        {"width", "'width' is not NAME=VALUE"},
        {"qualilty=101", "qualilty: 101 is not from 0 to 100"},
        {"imagetype=x", "imagetype: 'x' is none of same, jpg"},
        {"nametemplate={nam}", "unknown token {nam}"},
    };
    for (const auto& [also, why] : faults) {
        s.also = QString::fromUtf8(also);
        EXPECT_TRUE(RecipeOutputs(s, error).empty()) << also;
        EXPECT_TRUE(error.contains(QString::fromUtf8(why))) << qPrintable(error);
    }
    s.also.clear();
    s.nametemplate = u"../x"_s;
    EXPECT_TRUE(RecipeOutputs(s, error).empty());
    EXPECT_TRUE(error.contains(u"outside"_s));
}

} // namespace
