// SPDX-License-Identifier: MIT
#include "codec/JpegSegments.h"

#include "codec/ByteFields.h"

#include <QIODevice>

#include <algorithm>

namespace {

using namespace ByteFields;

constexpr uint8_t kMarker = 0xff;
constexpr uint8_t kStartOfImage = 0xd8;
constexpr uint8_t kStartOfScan = 0xda;
constexpr uint8_t kComment = 0xfe;
constexpr int kBlockSide = 8;
// A JPEG's segments before its scan: a few dozen in any real file.
constexpr int kMostSegments = 1000;

// Start-of-frame markers: C0 to CF but for the tables (C4, C8, CC).
bool IsFrame(uint8_t marker) {
    return marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
}

bool IsProgressiveFrame(uint8_t marker) {
    return marker == 0xc2 || marker == 0xc6 || marker == 0xca || marker == 0xce;
}

// A frame header: precision, height, width, components with their sampling.
void ReadFrame(const QByteArray& frame, JpegLayout& layout) {
    constexpr int kComponentsAt = 5;
    constexpr int kComponentBytes = 3;
    if (frame.size() < kComponentsAt + 1)
        return;
    const int components = At(frame, kComponentsAt);
    if (components < 1 || frame.size() < kComponentsAt + 1 + components * kComponentBytes)
        return;
    int most = 1;
    int mostVertical = 1;
    for (int c = 0; c < components; ++c) {
        const uint8_t sampling = At(frame, kComponentsAt + 2 + c * kComponentBytes);
        most = std::max(most, sampling >> 4);
        mostVertical = std::max(mostVertical, sampling & 0x0f);
    }
    layout.height = Get16(frame, 1, true);
    layout.width = Get16(frame, 3, true);
    // One component alone is stored block by block, whatever its factors.
    layout.blockWidth = kBlockSide * (components == 1 ? 1 : most);
    layout.blockHeight = kBlockSide * (components == 1 ? 1 : mostVertical);
    layout.valid = layout.width > 0 && layout.height > 0;
}

} // namespace

JpegLayout ReadJpegLayout(QIODevice& file) {
    JpegLayout layout;
    const qint64 start = file.pos();
    QByteArray head = file.read(2);
    if (head.size() == 2 && At(head, 0) == kMarker && At(head, 1) == kStartOfImage) {
        for (int segment = 0; segment < kMostSegments; ++segment) {
            head = file.read(2);
            // Fill bytes may stand before a marker.
            while (head.size() == 2 && At(head, 0) == kMarker && At(head, 1) == kMarker)
                head = head.mid(1) + file.read(1);
            if (head.size() < 2 || At(head, 0) != kMarker || At(head, 1) == kStartOfScan)
                break;
            const uint8_t marker = At(head, 1);
            const QByteArray length = file.read(2);
            if (length.size() < 2 || Get16(length, 0, true) < 2)
                break;
            const qint64 payload = Get16(length, 0, true) - 2;
            if (marker == kComment || IsFrame(marker)) {
                const QByteArray bytes = file.read(payload);
                if (bytes.size() < payload)
                    break;
                if (marker == kComment) {
                    layout.comments << bytes;
                } else {
                    layout.progressive = IsProgressiveFrame(marker);
                    ReadFrame(bytes, layout);
                }
            } else if (!file.seek(file.pos() + payload)) {
                break;
            }
        }
    }
    file.seek(start);
    return layout;
}

QByteArray JpegSegment(uint8_t marker, const QByteArray& payload) {
    if (payload.size() > kJpegSegmentPayload)
        return {};
    QByteArray segment(4, '\0');
    segment[0] = char(kMarker);
    segment[1] = char(marker);
    Put16(segment, 2, uint32_t(payload.size() + 2), true);
    return segment + payload;
}
