// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "codec/Image.h"
#include "preview/ExifReader.h"

#include <limits>

#include <sys/stat.h>

namespace {

class CodecTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

// The JPEG quality ImageMagick estimates from the written tables, an oracle
// of ours: 0 ("Worst") is the codec's lowest, 1, and never its default.
// JPEG XL's quality reaches its encoder at every value: each lower one gives
// a smaller file, down to 0 (a distance past the encoder's range was not set
// at all, and wrote about quality 90).
TEST_F(CodecTest, QualityIsWrittenDownToTheLowestTheCodecTakes) {
    CxImage image;
    ASSERT_TRUE(image.Load(TestData(u"hdr/canon_hdr_NO.jpg"_s)));
    ASSERT_TRUE(image.Resample(512, 384));
    qsizetype larger = std::numeric_limits<qsizetype>::max();
    for (const auto& [quality, estimated] :
         {std::pair(95, "95"), std::pair(30, "30"), std::pair(11, "11"), std::pair(0, "1")}) {
        image.SetJpegQuality(uint8_t(quality));
        const QString out = Path(u"q%1.jpg"_s.arg(quality));
        ASSERT_TRUE(image.Save(out, ImageFormat::Jpeg));
        EXPECT_EQ(Oracle(u"identify"_s, {u"-format"_s, "%Q", out}).out,
                  QString::fromLatin1(estimated));
        QByteArray bytes;
        ASSERT_TRUE(image.Encode(ImageFormat::Jxl, bytes));
        EXPECT_LT(bytes.size(), larger) << quality;
        larger = bytes.size();
    }
}

// An icon is at most 256 pixels a side; a larger one fails with why. (That
// a failed write leaves the file there as it was is the safe writer's.)
TEST_F(CodecTest, AnIconIsAtMost256PixelsASide) {
    CxImage image;
    ASSERT_TRUE(image.Load(TestData(u"hdr/canon_hdr_NO.jpg"_s)));
    QByteArray bytes;
    EXPECT_FALSE(image.Encode(ImageFormat::Ico, bytes));
    EXPECT_TRUE(image.GetLastError().contains(u"256 x 256"_s)) << qPrintable(image.GetLastError());
    ASSERT_TRUE(image.Resample(256, 100));
    EXPECT_TRUE(image.Encode(ImageFormat::Ico, bytes));
}

// Each type's header read alone: bits a pixel, type, width, and 72 DPI where
// the picture states no resolution (what a result states is the matrix's).
TEST_F(CodecTest, ReportsBitsPerPixelTypeAndResolutionOfEachKindOfPicture) {
    struct Case {
        const char* name;
        QString pattern;
        QStringList extra;
        uint16_t bpp;
        uint32_t type;
    };
    const Case cases[] = {
        // clang-format off
        {"grey.png", "gradient:black-white", {"-colorspace", "Gray"}, 8, ImageFormat::Png},
        {"palette.png", "xc:red", {"-type", "Palette", "PNG8:"}, 8, ImageFormat::Png},
        {"rgb.jpg", {}, {}, 24, ImageFormat::Jpeg},
        {"rgba.png", "gradient:red-none", {"PNG32:"}, 32, ImageFormat::Png},
        {"anim.gif", {}, {}, 8, ImageFormat::Gif},
        {"palette.bmp", "xc:blue", {"-type", "Palette"}, 8, ImageFormat::Bmp},
        {"rgb.bmp", {}, {"-type", "TrueColor"}, 24, ImageFormat::Bmp},
        {"rgb.tif", {}, {}, 24, ImageFormat::Tiff},
        {"rgb.pcx", {}, {"-type", "TrueColor"}, 24, ImageFormat::Pcx},
        {"rgba.ico", "gradient:red-none", {}, 32, ImageFormat::Ico},
        // clang-format on
    };
    for (const Case& c : cases) {
        QString name = Path(c.name);
        QStringList extra = c.extra;
        // "PNG8:" is a prefix of the output name, not an option.
        if (!extra.isEmpty() && extra.last().endsWith(u':'))
            name = extra.takeLast() + name;
        DrawPicture(name, 40, 30, c.pattern,
                    QStringList{u"-strip"_s, u"-units"_s, u"Undefined"_s, u"+set"_s, u"density"_s} +
                        extra);
        IImage info;
        ASSERT_EQ(info.LoadImageInfo(Path(c.name)), 1) << c.name;
        EXPECT_EQ(std::tuple(info.GetBpp(), info.GetImageType(), info.GetWidth(), info.GetXDPI(),
                             info.GetYDPI()),
                  std::tuple(c.bpp, c.type, 40, 72, 72))
            << c.name;
    }
}

// Cut in the middle of its pixels, the header still reads (that the pixels
// do not is the batch's bad-picture test). Stored on its side, orientation 6.
TEST_F(CodecTest, PictureInformationComesFromTheHeaderAlone) {
    const QByteArray whole = ReadFile(TestData(u"hdr/canon_hdr_NO.jpg"_s));
    IImage info;
    EXPECT_EQ(info.LoadImageInfo(WriteFile(Path(u"cut.jpg"_s), whole.left(whole.size() / 3))), 1);
    EXPECT_EQ(std::tuple(info.GetWidth(), info.GetHeight(), info.GetImageType()),
              std::tuple(1536, 2048, ImageFormat::Jpeg));
}

// A file that is no picture, or one whose header claims 100000 x 100000
// pixels, is refused with a reason, leaving an empty picture; a FIFO or a
// folder is refused at once rather than waited on.
TEST_F(CodecTest, AFailedLoadLeavesAnEmptyPictureAndSaysWhy) {
    const QString fifo = Path(u"fifo.jpg"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(ExifReader().Load(fifo), 0);
    const std::pair<QString, const char*> cases[] = {
        {WriteFile(Path(u"text.jpg"_s), "not a picture\n"), ""},
        {Path(u"missing.jpg"_s), ""},
        {dir_.path(), "not a regular file"},
        {fifo, "not a regular file"},
        {TestData(u"made/huge.png"_s), "100000 x 100000"},
    };
    for (const auto& [path, reason] : cases) {
        CxImage image;
        ASSERT_TRUE(image.Load(TestData(u"jpg/Canon_40D.jpg"_s)));
        EXPECT_FALSE(image.Load(path)) << qPrintable(path);
        EXPECT_EQ(std::pair(image.GetWidth(), image.GetHeight()), std::pair(0, 0))
            << qPrintable(path);
        EXPECT_FALSE(image.GetLastError().isEmpty()) << qPrintable(path);
        EXPECT_TRUE(image.GetLastError().contains(QLatin1String(reason)))
            << qPrintable(image.GetLastError());
    }
}

} // namespace
