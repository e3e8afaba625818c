// SPDX-License-Identifier: MIT
// JPEG photos turned from their own compressed data: the pixels as a
// reader we did not write (ImageMagick) decodes them, the size as it reads
// it.
#include "BatchSupport.h"

namespace {

ResizeSettings Turning(Turn rotate, bool lossless) {
    ResizeSettings s;
    s.image_to_resize = 0;
    s.image_to_rotate = 1;
    s.rotate = rotate;
    s.lossless = lossless;
    return s;
}

// Turned a quarter clockwise again and again, written over itself from its
// compressed data, the photo comes back exactly as it was stored (the first
// turn also sets it upright by its EXIF orientation, a quarter for 6).
TEST(LosslessTurnTest, TurnsThatComeFullCircleGiveBackTheStoredPixelsExactly) {
    for (const auto& [photo, turns] :
         {std::pair("jpg/olympus-c960.jpg", 4), std::pair("hdr/canon_hdr_NO.jpg", 3)}) {
        QTemporaryDir dir;
        const QString original = CopyInto(TestData(QLatin1String(photo)), dir.path(), u"a.jpg"_s);
        const QString turned = CopyInto(original, dir.path(), u"turned.jpg"_s);
        ResizeSettings s = Turning(Turn::Right, true);
        s.override = 1;
        s.trash = 0;
        for (int turn = 0; turn < turns; ++turn) {
            const auto job = RunBatch(s, {turned});
            ASSERT_EQ(job->Count(PictureOutcome::Status::Written), 1) << photo;
            EXPECT_TRUE(job->Outcomes()[0].lossless) << photo << " turn " << turn;
        }
        const Identified before = Identify(original), after = Identify(turned);
        EXPECT_EQ(std::pair(after.width, after.height), std::pair(before.width, before.height))
            << photo;
        EXPECT_EQ(Difference(turned, original), 0.0) << photo;
        EXPECT_EQ(
            Oracle(u"exiftool"_s, {u"-s3"_s, u"-n"_s, u"-Orientation"_s, turned}).out.trimmed(),
            u"1"_s)
            << photo;
    }
}

// 96 x 75 in blocks of 16: the bottom row of blocks is partial. A turn to
// the left moves only the right edge, which is whole, so it is made
// without decoding; a turn to the right or a flip would move the partial
// edge, so those are re-encoded, say so, and keep the whole picture.
TEST(LosslessTurnTest, APartialBlockAtAnEdgeIsReEncodedSaidAndKeptWhole) {
    QTemporaryDir dir;
    const QString source = dir.filePath(u"edge.jpg"_s);
    DrawPicture(source, 96, 75, u"gradient:red-blue"_s,
                {u"-sampling-factor"_s, u"2x2"_s, u"-quality"_s, u"95"_s});
    struct Case {
        Turn rotate;
        QStringList imageMagick; // the same turn
        bool lossless;
        int width;
        int height;
    };
    for (const Case& c : {Case{Turn::Left, {u"-rotate"_s, u"-90"_s}, true, 75, 96},
                          Case{Turn::Right, {u"-rotate"_s, u"90"_s}, false, 75, 96},
                          Case{Turn::Flip, {u"-flip"_s}, false, 96, 75}}) {
        ResizeSettings s = Turning(c.rotate, true);
        s.dest = dir.filePath(u"out%1"_s.arg(int(c.rotate)));
        const auto job = RunBatch(s, {source});
        const PictureOutcome& o = job->Outcomes()[0];
        ASSERT_EQ(o.status, PictureOutcome::Status::Written)
            << int(c.rotate) << qPrintable(o.reason);
        EXPECT_EQ(o.lossless, c.lossless) << int(c.rotate);
        EXPECT_EQ(o.reencoded.contains(u"not a whole number of its 16-pixel JPEG blocks"_s),
                  !c.lossless)
            << int(c.rotate) << ": " << qPrintable(o.reencoded);
        EXPECT_EQ(job->LosslessSummary().size(), c.lossless ? 1 : 2) << int(c.rotate);
        const Identified result = Identify(o.output);
        EXPECT_EQ(std::pair(result.width, result.height), std::pair(c.width, c.height))
            << int(c.rotate);
        const QString reference = dir.filePath(u"reference%1.png"_s.arg(int(c.rotate)));
        Oracle(u"convert"_s, QStringList{source} + c.imageMagick + QStringList{reference});
        EXPECT_LT(Difference(o.output, reference), 0.02) << int(c.rotate);
    }
}

} // namespace
