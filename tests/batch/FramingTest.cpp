// SPDX-License-Identifier: MIT
// Fill, pad and the long or short side on real photos of each orientation,
// beside the same operations done by libvips' own tools, and judged by
// ImageMagick.
#include "BatchSupport.h"
#include "codec/PictureTypeTable.h"

namespace {

QString Pixel(const QString& path, int x, int y) {
    return Oracle(u"convert"_s,
                  {path, u"-format"_s, u"%[pixel:p{%1,%2}]"_s.arg(x).arg(y), u"info:"_s})
        .out.trimmed();
}

class FramingTest : public testing::Test {
protected:
    // The photo written as PNG with the changes; the result's path.
    QString Write(const QString& photo, const std::function<void(ResizeSettings&)>& change) {
        ResizeSettings s;
        s.imagetype = PictureTypeTable::Png;
        s.wpercent = s.hpercent = 0;
        s.dest = dir_.filePath(u"out%1"_s.arg(++runs_));
        change(s);
        const auto job = RunBatch(s, {photo});
        EXPECT_EQ(job->Count(PictureOutcome::Status::Written), 1)
            << qPrintable(job->Failures().join(u' '));
        return job->Outcomes()[0].output;
    }
    QTemporaryDir dir_;
    int runs_ = 0;
};

// Each anchor of fill against vipsthumbnail's crop of the same name, on a
// photo stored upright and on photos turned by their EXIF (6 and 8).
TEST_F(FramingTest, FillKeepsTheAnchoredPartAsLibvipsDoes) {
    const std::pair<Anchor, const char*> anchors[] = {{Anchor::Centre, "centre"},
                                                      {Anchor::Attention, "attention"},
                                                      {Anchor::Start, "low"},
                                                      {Anchor::End, "high"}};
    for (const char* name : {"landscape_1.jpg", "landscape_6.jpg", "landscape_8.jpg"}) {
        const QString photo =
            CopyInto(TestData(u"orientation/"_s + QLatin1String(name)), dir_.path());
        for (const auto& [anchor, crop] : anchors) {
            const QString result = Write(photo, [anchor = anchor](ResizeSettings& s) {
                s.fit = Fit::Fill;
                s.anchor = anchor;
                s.width = 240;
                s.height = 120;
            });
            const Identified id = Identify(result);
            EXPECT_EQ(std::pair(id.width, id.height), std::pair(240, 120)) << name << crop;
            const QString theirs = dir_.filePath(u"vips-%1.png"_s.arg(QLatin1String(crop)));
            Oracle(u"vipsthumbnail"_s, {photo, u"--size"_s, u"240x120"_s, u"--smartcrop"_s,
                                        QLatin1String(crop), u"-o"_s, theirs});
            EXPECT_LT(Difference(result, theirs), 0.03) << name << " " << crop;
        }
    }
}

// Pad lays the whole photo, fitted, on the canvas: the border is the
// colour (or transparent), the middle is the photo as libvips fits it; the
// comparison counts the alpha band too.
TEST_F(FramingTest, PadFitsTheWholePhotoOnACanvasOfTheColour) {
    const QString photo = CopyInto(TestData(u"orientation/landscape_6.jpg"_s), dir_.path());
    const std::pair<QString, const char*> cases[] = {
        {u"FF0000"_s, "255 0 0"}, {u"#0000ff"_s, "0 0 255"}, {QString(), "0 0 0 0"}};
    for (const auto& [colour, background] : cases) {
        const QString result = Write(photo, [colour = colour](ResizeSettings& s) {
            s.fit = Fit::Pad;
            s.padcolour = colour;
            s.width = 300;
            s.height = 300;
        });
        const Identified id = Identify(result);
        EXPECT_EQ(std::pair(id.width, id.height), std::pair(300, 300));
        // The photo, 600 x 450 upright, fits as 300 x 225 between bands of 37 and 38.
        // A transparent canvas needs an alpha band beside the photo's three.
        const QString fitted = dir_.filePath(u"fitted.v"_s);
        const QString banded = dir_.filePath(u"banded.v"_s);
        const QString theirs = dir_.filePath(u"vips-pad.png"_s);
        Oracle(u"vipsthumbnail"_s, {photo, u"--size"_s, u"300x300"_s, u"-o"_s, fitted});
        if (colour.isEmpty())
            Oracle(u"vips"_s, {u"bandjoin_const"_s, fitted, banded, u"255"_s});
        else
            Oracle(u"vips"_s, {u"copy"_s, fitted, banded});
        Oracle(u"vips"_s,
               {u"gravity"_s, banded, theirs, u"centre"_s, u"300"_s, u"300"_s, u"--extend"_s,
                u"background"_s, u"--background"_s, QLatin1String(background)});
        EXPECT_LT(Difference(result, theirs), 0.03) << qPrintable(colour);
    }
}

// The longer or the shorter side takes the width, in pixels or percent;
// "noenlarge" keeps a smaller photo as it is, and one that could fill the
// box only by growing uncropped; fill and pad never apply to a size in
// percent; a box is the result's after a quarter turn; a CMYK photo can be
// padded. {w} and {h} name the size written, after a turn or a shrink to
// fit "maxkb".
TEST_F(FramingTest, TheLongerOrShorterSideTakesTheWidth) {
    const QString turned = CopyInto(TestData(u"orientation/landscape_6.jpg"_s), dir_.path());
    const QString cmyk = dir_.filePath(u"cmyk.jpg"_s);
    Oracle(u"vips"_s, {u"icc_transform"_s, turned, cmyk, u"cmyk"_s});
    struct Case {
        SideRule side;
        uint32_t width, height;
        bool wpercent, noenlarge;
        Fit fit;
        Turn rotate;
        uint32_t maxkb;
        int w, h; // 0: any, as long as the name says it
        bool fromCmyk = false;
    } const cases[] = {
        {SideRule::Longer, 300, 100, false, false, Fit::Stretch, Turn::Left, 0, 300, 225},
        {SideRule::Shorter, 300, 100, false, false, Fit::Stretch, Turn::Left, 0, 400, 300},
        {SideRule::Longer, 50, 50, true, false, Fit::Stretch, Turn::Left, 0, 300, 225},
        {SideRule::Longer, 1200, 100, false, true, Fit::Stretch, Turn::Left, 0, 600, 450},
        {SideRule::Longer, 1200, 100, false, false, Fit::Stretch, Turn::Left, 0, 1200, 900},
        {SideRule::Both, 50, 50, true, false, Fit::Pad, Turn::Left, 0, 300, 225},
        {SideRule::Both, 500, 500, false, true, Fit::Fill, Turn::Left, 0, 600, 450},
        {SideRule::Both, 1000, 600, false, false, Fit::Fill, Turn::Right, 0, 1000, 600},
        {SideRule::Both, 300, 100, false, false, Fit::Pad, Turn::Left, 0, 300, 100, true},
        {SideRule::Longer, 1200, 100, false, false, Fit::Stretch, Turn::Left, 30, 0, 0},
    };
    for (const Case& c : cases) {
        const QString result = Write(c.fromCmyk ? cmyk : turned, [&c](ResizeSettings& s) {
            s.side = c.side;
            s.width = c.width;
            s.height = c.height;
            s.wpercent = s.hpercent = c.wpercent;
            s.noenlarge = c.noenlarge;
            s.fit = c.fit;
            s.image_to_rotate = c.rotate != Turn::Left;
            s.rotate = c.rotate;
            s.maxkb = c.maxkb;
            s.nametemplate = u"{w}x{h}"_s;
        });
        SCOPED_TRACE(u"%1 %2x%3"_s.arg(int(c.side)).arg(c.width).arg(c.height).toStdString());
        const Identified id = Identify(result);
        if (c.w > 0) {
            EXPECT_EQ(std::pair(id.width, id.height), std::pair(c.w, c.h));
        }
        EXPECT_EQ(QFileInfo(result).completeBaseName(), u"%1x%2"_s.arg(id.width).arg(id.height));
    }
}

// An animation is filled at one place in all its frames, found in the
// first: a face that moves must not make the picture jump about.
TEST_F(FramingTest, AnAnimationIsCroppedAtOnePlaceInEveryFrame) {
    const QString background = dir_.filePath(u"background.png"_s);
    Oracle(u"convert"_s,
           {u"-size"_s, u"100x400"_s, u"gradient:red-blue"_s, u"-rotate"_s, u"90"_s, background});
    QStringList frames;
    for (const int x : {50, 350}) {
        frames << dir_.filePath(u"frame%1.png"_s.arg(x));
        Oracle(u"convert"_s, {background, u"-fill"_s, u"yellow"_s, u"-draw"_s,
                              u"circle %1,50 %1,20"_s.arg(x), frames.last()});
    }
    const QString animation = dir_.filePath(u"moving.gif"_s);
    Oracle(u"convert"_s, QStringList{u"-delay"_s, u"20"_s} + frames + QStringList{animation});
    const QString result = Write(animation, [](ResizeSettings& s) {
        s.imagetype = PictureTypeTable::Gif; // it keeps the frames
        s.fit = Fit::Fill;
        s.anchor = Anchor::Attention;
        s.width = s.height = 100;
    });
    // Each frame whole (a GIF stores the second as its change from the first).
    Oracle(u"convert"_s, {result, u"-coalesce"_s, dir_.filePath(u"whole-%d.png"_s)});
    EXPECT_EQ(Pixel(dir_.filePath(u"whole-0.png"_s), 0, 5),
              Pixel(dir_.filePath(u"whole-1.png"_s), 0, 5));
}

} // namespace
