// SPDX-License-Identifier: MIT
// The batch over a sample of combinations of sources, output types,
// transforms, DPI and destinations, every result judged by tools nobody
// here wrote: vipsthumbnail and ImageMagick for what the picture shows,
// vipsheader for its size, pages and depth, exiftool for its metadata, and
// each modern type's own reference tool for its form.
#include "TestSupport.h"

#include "batch/ResizeJob.h"
#include "batch/ResizeTexts.h"
#include "codec/PictureTypeTable.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <map>
#include <optional>
#include <random>
#include <set>

namespace {

using Status = PictureOutcome::Status;

constexpr int kCases = 260;
constexpr unsigned kSeed = 20261207;
constexpr int kThumb = 16; // the side both pictures are compared at
// The mean difference of a channel, of 255, between the result and the
// source as the oracle shows them. It resamples in linear light where the
// batch does not, which leaves up to about 6; a lost profile shifts a
// picture by about 15, a wrong turn by 60.
constexpr double kMostMae = 8.;
constexpr int kSetX = 150; // a DPI set by the batch; PCX's oracle reads a byte
constexpr int kSetY = 200;

enum Type : uint32_t { Jpeg = 1, Bmp, Gif, Ico, Png, Tiff, Pcx, Webp, Avif, Heic, Jxl };

struct Source {
    QString file;
    uint32_t type;
    int width; // upright
    int height;
    int pages = 1;
    bool deep = false;      // 16 bits a channel
    bool camera = false;    // an EXIF block whose Make is "Tessary"
    std::optional<int> dpi; // what it states; none: nothing
};

struct Case {
    size_t source;
    uint32_t type; // PictureTypeTable code, 0 the source's own
    int resize;    // 0 none, 1 half, 2 into 40 x 30 pixels
    int rotate;    // 0 none, 1 left, 2 flip, 3 right
    bool setDpi;
    int destination; // 0 resize/, 1 an absolute folder, 2 override with Trash, 3 without, 4 mail
    bool yes;        // the answer to an overwrite question
};

bool HoldsPages(uint32_t t) {
    return t == Gif || t == Tiff || t == Webp;
}
bool HoldsExif(uint32_t t) {
    return t == Jpeg || t == Png || t == Tiff || t >= Webp;
}
bool HoldsDeep(uint32_t t) {
    return t == Png || t == Tiff;
}
bool HoldsResolution(uint32_t t) {
    return t != Gif && t != Ico;
}

class BatchMatrixTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        sources_ = MakeSources(folder_->filePath(u"sources"_s));
    }
    static void TearDownTestSuite() {
        delete folder_;
        delete sources_;
    }

    // Sources drawn for the matrix: a gradient with a yellow block at its
    // top left, so a turn or a mirror the wrong way shows.
    static std::vector<Source>* MakeSources(const QString& dir) {
        QDir().mkpath(dir);
        const auto at = [&](const QString& name) {
            return QDir(dir).filePath(name);
        };
        const QStringList draw = {u"-size"_s,     u"96x64"_s, u"gradient:red-blue"_s, u"("_s,
                                  u"-size"_s,     u"24x16"_s, u"xc:yellow"_s,         u")"_s,
                                  u"-geometry"_s, u"+6+4"_s,  u"-composite"_s};
        const auto convert = [&](const QStringList& more, const QString& name) {
            Oracle(u"convert"_s, draw + more + QStringList{at(name)});
        };
        const auto camera = [&](const QString& name, const QStringList& more = {}) {
            Oracle(u"exiftool"_s,
                   QStringList{u"-q"_s, u"-overwrite_original"_s, u"-n"_s, u"-Make=Tessary"_s,
                               u"-GPSLatitude=48.1"_s, u"-GPSLatitudeRef=N"_s,
                               u"-DateTimeOriginal=2020:01:02 03:04:05"_s} +
                       more + QStringList{at(name)});
        };
        const QStringList at300 = {u"-XResolution=300"_s, u"-YResolution=300"_s,
                                   u"-ResolutionUnit=2"_s};
        auto* s = new std::vector<Source>;
        convert({u"-depth"_s, u"8"_s, u"-density"_s, u"300"_s, u"-units"_s, u"PixelsPerInch"_s},
                u"photo.jpg"_s);
        camera(u"photo.jpg"_s, at300);
        for (int o = 1; o <= 8; ++o) {
            const QString name = u"orientation-%1.jpg"_s.arg(o);
            QFile::copy(at(u"photo.jpg"_s), at(name));
            camera(name, {u"-Orientation=%1"_s.arg(o), u"-XMP-tiff:Orientation=%1"_s.arg(o)});
            s->push_back({name, Jpeg, o >= 5 ? 64 : 96, o >= 5 ? 96 : 64, 1, false, true, 300});
        }
        Oracle(u"vips"_s, {u"icc_transform"_s, at(u"photo.jpg"_s), at(u"p3.jpg"_s), u"p3"_s});
        Oracle(u"vips"_s, {u"icc_transform"_s, at(u"photo.jpg"_s), at(u"cmyk.jpg"_s), u"cmyk"_s});
        convert({u"-colorspace"_s, u"Gray"_s, u"-depth"_s, u"8"_s, u"-strip"_s}, u"grey.jpg"_s);
        convert({u"-depth"_s, u"8"_s, u"-density"_s, u"150"_s, u"-units"_s, u"PixelsPerInch"_s},
                u"plain.png"_s);
        convert({u"-depth"_s, u"8"_s, u"-define"_s, u"png:exclude-chunk=pHYs"_s},
                u"camera-6.png"_s);
        camera(u"camera-6.png"_s, {u"-Orientation=6"_s, u"-XResolution="_s, u"-YResolution="_s,
                                   u"-ResolutionUnit="_s});
        convert({u"-depth"_s, u"16"_s, u"-define"_s, u"png:exclude-chunk=pHYs"_s},
                u"deep-png.png"_s);
        Oracle(u"convert"_s, {u"-size"_s, u"96x64"_s, u"gradient:red-none"_s, u"-define"_s,
                              u"png:exclude-chunk=pHYs"_s, u"PNG8:"_s + at(u"alpha.png"_s)});
        convert({u"-depth"_s, u"16"_s}, u"deep-tif.tif"_s);
        convert({u"-depth"_s, u"8"_s}, u"camera-8.tif"_s);
        camera(u"camera-8.tif"_s, at300 + QStringList{u"-Orientation=8"_s});
        Oracle(u"convert"_s,
               draw + QStringList{u"("_s, u"+clone"_s, u"-flip"_s, u")"_s, u"("_s, u"+clone"_s,
                                  u"-negate"_s, u")"_s, u"-depth"_s, u"8"_s, at(u"pages.tif"_s)});
        Oracle(u"convert"_s, draw + QStringList{u"("_s, u"+clone"_s, u"-flip"_s, u")"_s, u"("_s,
                                                u"+clone"_s, u"-negate"_s, u")"_s, u"-delay"_s,
                                                u"20"_s, at(u"frames-gif.gif"_s)});
        Oracle(u"vips"_s,
               {u"copy"_s, at(u"frames-gif.gif"_s) + u"[n=-1]"_s, at(u"frames-webp.webp"_s)});
        for (const char* modern : {"heic", "avif", "jxl"})
            Oracle(u"vips"_s, {u"copy"_s, at(u"photo.jpg"_s),
                               at(u"photo-%1.%1"_s.arg(QLatin1String(modern))) + u"[Q=90]"_s});
        const std::initializer_list<Source> more = {
            {u"p3.jpg"_s, Jpeg, 96, 64, 1, false, true, 300},
            {u"cmyk.jpg"_s, Jpeg, 96, 64, 1, false, true, 300},
            {u"grey.jpg"_s, Jpeg, 96, 64, 1, false, false, std::nullopt},
            {u"plain.png"_s, Png, 96, 64, 1, false, false, 150},
            {u"camera-6.png"_s, Png, 64, 96, 1, false, true, std::nullopt},
            {u"deep-png.png"_s, Png, 96, 64, 1, true, false, std::nullopt},
            {u"alpha.png"_s, Png, 96, 64, 1, false, false, std::nullopt},
            {u"deep-tif.tif"_s, Tiff, 96, 64, 1, true, false, std::nullopt},
            {u"camera-8.tif"_s, Tiff, 64, 96, 1, false, true, 300},
            {u"pages.tif"_s, Tiff, 96, 64, 3, false, false, std::nullopt},
            {u"frames-gif.gif"_s, Gif, 96, 64, 3, false, false, std::nullopt},
            // libvips' WebP writer states one pixel a millimetre.
            {u"frames-webp.webp"_s, Webp, 96, 64, 3, false, false, 25},
            {u"photo-heic.heic"_s, Heic, 96, 64, 1, false, true, 300},
            {u"photo-avif.avif"_s, Avif, 96, 64, 1, false, true, 300},
            {u"photo-jxl.jxl"_s, Jxl, 96, 64, 1, false, false, std::nullopt},
        };
        s->insert(s->end(), more);
        for (Source& source : *s)
            source.file = at(source.file);
        return s;
    }

    static std::vector<Case> Sample() {
        std::mt19937 random(kSeed);
        const auto pick = [&](int count) {
            return int(std::uniform_int_distribution<int>(0, count - 1)(random));
        };
        std::vector<Case> cases;
        for (int i = 0; i < kCases; ++i)
            cases.push_back({size_t(pick(int(sources_->size()))), uint32_t(pick(12)), pick(3),
                             pick(4), pick(2) == 1, pick(5), pick(3) != 0});
        return cases;
    }

    static QTemporaryDir* folder_;
    static std::vector<Source>* sources_;
};

QTemporaryDir* BatchMatrixTest::folder_ = nullptr;
std::vector<Source>* BatchMatrixTest::sources_ = nullptr;

// A forced thumbnail of each picture (their names are unique), as RGB
// bytes laid on white.
std::vector<QByteArray> Thumbnails(const QStringList& pictures, const QString& folder) {
    QDir().mkpath(folder);
    // A colour picture without a profile is sRGB, one with a profile is
    // converted; a grey one, which no sRGB profile fits, is taken as it is.
    const QStringList size = {u"--size"_s, u"%1x%1!"_s.arg(kThumb), u"-o"_s,
                              QDir(folder).filePath(u"%s.png"_s)};
    // 255: some could not be taken so, and are made one by one below.
    Oracle(u"vipsthumbnail"_s,
           pictures + size +
               QStringList{u"--import-profile"_s, u"srgb"_s, u"--export-profile"_s, u"srgb"_s},
           {0, 255});
    QStringList thumbs;
    for (const QString& picture : pictures) {
        thumbs << QDir(folder).filePath(QFileInfo(picture).completeBaseName() + u".png"_s);
        if (!QFile::exists(thumbs.last()))
            Oracle(u"vipsthumbnail"_s, QStringList{picture} + size);
    }
    const QString rgb = QDir(folder).filePath(u"all.rgb"_s);
    Oracle(u"convert"_s, thumbs + QStringList{u"-background"_s, u"white"_s, u"-alpha"_s,
                                              u"remove"_s, u"-depth"_s, u"8"_s, u"rgb:"_s + rgb});
    const QByteArray raw = ReadFile(rgb);
    EXPECT_EQ(raw.size(), pictures.size() * kThumb * kThumb * 3);
    std::vector<QByteArray> each;
    for (int i = 0; i < pictures.size(); ++i)
        each.push_back(raw.mid(i * kThumb * kThumb * 3, kThumb * kThumb * 3));
    return each;
}

// The thumbnail turned as the batch turns the picture.
QByteArray Turned(const QByteArray& rgb, int rotate) {
    if (rgb.size() != kThumb * kThumb * 3)
        return {};
    QByteArray out(rgb.size(), '\0');
    for (int y = 0; y < kThumb; ++y) {
        for (int x = 0; x < kThumb; ++x) {
            int sx = x, sy = y;
            if (rotate == 1) { // left: the right edge comes to the top
                sx = kThumb - 1 - y;
                sy = x;
            } else if (rotate == 2) {
                sy = kThumb - 1 - y;
            } else if (rotate == 3) {
                sx = y;
                sy = kThumb - 1 - x;
            }
            for (int c = 0; c < 3; ++c)
                out[(y * kThumb + x) * 3 + c] = rgb[(sy * kThumb + sx) * 3 + c];
        }
    }
    return out;
}

double MeanDifference(const QByteArray& a, const QByteArray& b) {
    if (a.size() != kThumb * kThumb * 3 || b.size() != a.size())
        return 255;
    double sum = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        sum += std::abs(int(uchar(a[i])) - int(uchar(b[i])));
    return sum / double(a.size());
}

// vipsheader's fields of each picture, by name.
std::vector<QMap<QString, QString>> Headers(const QStringList& pictures) {
    std::vector<QMap<QString, QString>> headers(size_t(pictures.size()));
    size_t at = 0;
    // Each line is "FILE: NAME: VALUE", in the order the files were given.
    for (const QString& line :
         Oracle(u"vipsheader"_s, QStringList{u"-a"_s} + pictures).out.split(u'\n')) {
        while (at < headers.size() && !line.startsWith(pictures[qsizetype(at)] + u": "_s))
            ++at;
        if (at == headers.size())
            break;
        const QString field = line.mid(pictures[qsizetype(at)].size() + 2);
        headers[at][field.section(u": "_s, 0, 0)] = field.section(u": "_s, 1);
    }
    return headers;
}

// Answers the overwrite question as told; a GIF from colour is wanted.
class OverwriteAnswer : public ConfirmationPrompt {
public:
    explicit OverwriteAnswer(int answer)
        : answer_(answer) {}
    int Ask(const QString& question, const QString&) override {
        return question == ResizeText::GifQuestion ? AnswerYes : answer_;
    }

private:
    int answer_;
};

TEST_F(BatchMatrixTest, EveryResultIsWholeUprightTrueInColourAndTellsTheTruthAboutItself) {
    const std::vector<Case> cases = Sample();
    QStringList outputs;
    std::vector<std::pair<std::string, Case>> written; // what it is, the case
    QTemporaryDir trash;
    qputenv("XDG_DATA_HOME", trash.path().toUtf8());
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const Source& source = (*sources_)[c.source];
        const QString dir = folder_->filePath(u"case%1"_s.arg(i));
        QDir().mkpath(dir);
        const QString picture =
            CopyInto(source.file, dir, u"c%1-"_s.arg(i) + QFileInfo(source.file).fileName());
        const QByteArray before = FileHash(picture);
        ResizeSettings s;
        s.imagetype = c.type;
        s.image_to_resize = c.resize != 0;
        s.wpercent = s.hpercent = c.resize == 1 ? 1 : 0;
        s.width = c.resize == 1 ? 50 : 40;
        s.height = c.resize == 1 ? 50 : 30;
        s.image_to_rotate = c.rotate != 0;
        s.rotate = Turn(std::max(c.rotate - 1, 0));
        s.image_set_dpi = c.setDpi;
        s.xdpi = kSetX;
        s.ydpi = kSetY;
        s.dest = c.destination == 1 ? QDir(dir).filePath(u"out"_s) : QString();
        s.override = c.destination == 2 || c.destination == 3;
        s.trash = c.destination == 2;
        OverwriteAnswer prompt(c.yes ? AnswerYes : AnswerNo);
        ResizeJob job(s, {picture}, prompt);
        QTemporaryDir mail;
        if (c.destination == 4)
            job.SetMailResults(mail.path());
        job.Run();
        const PictureOutcome& o = job.Outcomes()[0];
        const std::string what =
            u"case %1: %2 as %3, resize %4, rotate %5, dpi %6, destination %7"_s.arg(i)
                .arg(QFileInfo(source.file).fileName())
                .arg(c.type)
                .arg(c.resize)
                .arg(c.rotate)
                .arg(c.setDpi)
                .arg(c.destination)
                .toStdString();
        const bool skipped = s.override && !c.yes;
        EXPECT_EQ(o.status, skipped ? Status::Skipped : Status::Written)
            << what << ": " << qPrintable(o.reason);
        if (o.status == Status::Failed)
            continue;
        // A source is changed only when the user said Yes to replacing it.
        EXPECT_EQ(FileHash(picture) == before, !(s.override && c.yes)) << what;
        EXPECT_EQ(job.MailTempList(), c.destination == 4 ? QStringList{o.output} : QStringList())
            << what;
        for (QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();)
            EXPECT_FALSE(it.next().contains(u".tessary-"_s)) << what << ": temporary file left";
        EXPECT_EQ(QFileInfo::exists(QDir(dir).filePath(u"resize"_s)), c.destination == 0) << what;
        if (skipped)
            continue;
        outputs << (c.destination == 4
                        ? CopyInto(o.output, dir, u"mailed-"_s + QFileInfo(o.output).fileName())
                        : o.output);
        written.push_back({what, c});
    }

    QStringList sourceFiles;
    for (const Source& source : *sources_)
        sourceFiles << source.file;
    const std::vector<QByteArray> references = Thumbnails(sourceFiles, folder_->filePath(u"ref"_s));
    const std::vector<QByteArray> shown = Thumbnails(outputs, folder_->filePath(u"shown"_s));
    const std::vector<QMap<QString, QString>> headers = Headers(outputs);
    const QJsonArray tags =
        QJsonDocument::fromJson(
            Oracle(u"exiftool"_s,
                   QStringList{u"-j"_s, u"-n"_s, u"-a"_s, u"-G1"_s, u"-Orientation"_s, u"-Make"_s,
                               u"-XResolution"_s, u"-YResolution"_s, u"-JFIF:ResolutionUnit"_s,
                               u"-PixelsPerUnitX"_s, u"-PixelsPerUnitY"_s, u"-PixelsPerMeterX"_s,
                               u"-ThumbnailOffset"_s, u"-Warning"_s} +
                       outputs)
                .out.toUtf8())
            .array();
    ASSERT_EQ(tags.size(), outputs.size());

    // The modern types as their own reference tools read them, once each.
    const std::map<uint32_t, QStringList> ownTools = {{Webp, {u"webpinfo"_s, u"-quiet"_s}},
                                                      {Avif, {u"avifdec"_s, u"--info"_s}},
                                                      {Heic, {u"heif-info"_s}},
                                                      {Jxl, {u"jxlinfo"_s}}};
    std::set<uint32_t> checked;
    for (size_t k = 0; k < written.size(); ++k) {
        const auto& [first, c] = written[k];
        const Source& source = (*sources_)[c.source];
        const bool over = c.destination == 2 || c.destination == 3;
        const uint32_t type = c.type && !over ? c.type : source.type;
        const std::string what = first + " -> " + outputs[qsizetype(k)].toStdString();
        if (const auto tool = ownTools.find(type);
            tool != ownTools.end() && checked.insert(type).second)
            Oracle(tool->second.first(), tool->second.mid(1) << outputs[qsizetype(k)]);
        // It shows the source, turned as asked, in the source's colours.
        EXPECT_LT(MeanDifference(shown[k], Turned(references[c.source], c.rotate)), kMostMae)
            << what;
        // Its upright size is the rule's, its pages and depth the type's.
        const QMap<QString, QString>& header = headers[k];
        int w = c.resize == 1 ? source.width / 2 : c.resize == 2 ? 40 : source.width;
        int h = c.resize == 1 ? source.height / 2 : c.resize == 2 ? 30 : source.height;
        if (c.rotate == 1 || c.rotate == 3)
            std::swap(w, h);
        EXPECT_EQ(std::tuple(header.value(u"width"_s).toInt(), header.value(u"height"_s).toInt(),
                             header.value(u"n-pages"_s, u"1"_s).toInt(), header.value(u"format"_s)),
                  std::tuple(w, h, HoldsPages(type) ? source.pages : 1,
                             source.deep && HoldsDeep(type) ? u"ushort"_s : u"uchar"_s))
            << what;
        // Its metadata: upright, the camera's block kept, no old thumbnail,
        // and a resolution only where one was stated or set.
        const QJsonObject t = tags[qsizetype(k)].toObject();
        for (const char* key : {"IFD0:Orientation", "XMP-tiff:Orientation"})
            EXPECT_EQ(t.value(QLatin1String(key)).toInt(1), 1) << what << " " << key;
        EXPECT_EQ(t.value(u"IFD0:Make"_s).toString(),
                  source.camera && HoldsExif(type) ? u"Tessary"_s : QString())
            << what;
        EXPECT_FALSE(t.contains(u"IFD1:ThumbnailOffset"_s)) << what;
        EXPECT_FALSE(t.contains(u"ExifTool:Warning"_s))
            << what << " " << qPrintable(t.value(u"ExifTool:Warning"_s).toString());
        const std::optional<int> dpi = c.setDpi ? std::optional(kSetX) : source.dpi;
        double stated = t.value(u"IFD0:XResolution"_s).toDouble();
        if (type == Jpeg && t.value(u"JFIF:ResolutionUnit"_s).toInt() != 0)
            stated = t.value(u"JFIF:XResolution"_s).toDouble();
        if (type == Png && t.contains(u"PNG-pHYs:PixelsPerUnitX"_s))
            stated = t.value(u"PNG-pHYs:PixelsPerUnitX"_s).toDouble() * 0.0254;
        if (type == Bmp)
            stated = t.value(u"File:PixelsPerMeterX"_s).toDouble() * 0.0254;
        int expected = HoldsResolution(type) ? dpi.value_or(0) : 0;
        if (type == Pcx) {
            // exiftool 12.57 reads PCX's 16-bit field as its low byte.
            stated = t.value(u"File:XResolution"_s).toDouble();
            expected &= 0xff;
        }
        EXPECT_NEAR(stated, expected, 0.5) << what;
    }
}

} // namespace
