// SPDX-License-Identifier: MIT
#include "BatchSupport.h"

#include "batch/SizeEstimate.h"

#include <QDirIterator>

namespace {

int64_t BytesUnder(const QString& folder) {
    int64_t bytes = 0;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        bytes += QFileInfo(it.next()).size();
    return bytes;
}

// A folder of photos of many cameras and sizes, JPEG and TIFF, halved into
// each output type, with a size limit and with further outputs: the
// estimate is within 15 % of the bytes the batch then writes. Pictures of
// one kind (the same size from one camera) are estimated from one of them.
TEST(SizeEstimateTest, AMixedFolderIsEstimatedWithinFifteenPercentOfWhatIsWritten) {
    QTemporaryDir dir;
    QStringList pictures;
    for (const QString& folder : {u"jpg"_s, u"hdr"_s, u"orientation"_s, u"tiff"_s})
        for (QDirIterator it(TestData(folder), QDir::Files); it.hasNext();)
            pictures << CopyInto(it.next(), dir.path());
    ASSERT_GT(pictures.size(), 25);
    struct Case {
        const char* name;
        uint32_t imagetype;
        uint32_t maxkb;
        QString also;
    };
    const Case cases[] = {
        {"JPEG", 1, 0, {}},
        {"WebP", 8, 0, {}},
        {"PNG", 5, 0, {}},
        {"JPEG within 20 KB", 1, 20, {}},
        {"further outputs", 1, 0, u"imagetype=8;width=10,height=10,nametemplate={name}-small"_s},
    };
    for (const Case& c : cases) {
        BatchRequest request;
        ResizeSettings& s = request.settings;
        s.wpercent = s.hpercent = 1;
        s.width = s.height = 50;
        s.imagetype = c.imagetype;
        s.maxkb = c.maxkb;
        s.also = c.also;
        s.dest = dir.filePath(QLatin1String(c.name));
        request.pictures = pictures;
        const std::atomic<bool> stop = false;
        // Time enough to encode one picture of each kind, on any machine.
        const SizeEstimate estimate = EstimateBatch(PlanBatch(request), stop, 600000);
        const auto job = RunBatch(s, pictures);
        const double written = double(BytesUnder(s.dest));
        EXPECT_NEAR(double(estimate.total) / written, 1.0, 0.15)
            << c.name << ": " << estimate.total << " estimated, " << written << " written";
        EXPECT_LT(estimate.sampled, pictures.size()) << c.name;
    }
}

} // namespace
