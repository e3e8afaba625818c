// SPDX-License-Identifier: MIT
#include "preview/PanelLayout.h"

#include "preview/ExifReader.h"
#include "preview/PreviewTexts.h"

#include <algorithm>

namespace {

constexpr int kSquareInset = 2;
constexpr int kPanelGap = 20;  // between the picture and the panel's title
constexpr int kRowIndent = 20; // from the panel's left edge to the titles
constexpr int kColumnGap = 20; // between the titles and the values
// Beyond the last row and the widest value, so they stand inside the
// frames (10 pixels in from the panel's edges) with some white around.
constexpr int kTextRoom = 20;

QString WithoutTrailingSpace(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    text.truncate(end);
    return text;
}

QString SizeRow(const QString& label, int number) {
    return QString::asprintf("%s%30d", qPrintable(label), number);
}

} // namespace

Edges PlacePicture(int paneWidth, int width, int height) {
    const int right = paneWidth - kSquareInset;
    const int side = paneWidth - 2 * kSquareInset;
    const int centre = side / 2 + 1;
    Edges edges{kSquareInset, kSquareInset, right, right};
    if (width <= 0 || height <= 0 || (width <= side && height <= side)) {
        if (width != side) {
            edges.left = centre - width / 2;
            edges.right = centre + width / 2;
        }
        edges.bottom = kSquareInset + height;
    } else if (double(width) / double(height) >= 1.0) {
        edges.bottom = kSquareInset + int(int64_t(side) * height / width);
    } else {
        const int half = int(int64_t(side) * width / (2 * int64_t(height)));
        edges.left = centre - half;
        edges.right = centre + half;
    }
    return edges;
}

QString PanelRow::ShownTitle() const {
    return WithoutTrailingSpace(title);
}

QString PanelRow::ShownValue() const {
    return WithoutTrailingSpace(value);
}

QList<PanelRow> PanelRows(ExifReader& reader, bool hasExif, int width, int height) {
    if (!hasExif)
        return {{false, SizeRow(PreviewText::ImageWidth, width), {}},
                {false, SizeRow(PreviewText::ImageHeight, height), {}}};
    QList<PanelRow> rows;
    reader.Restart();
    // Grouped by the IFD each entry stands in: an empty IFD skipped by the
    // walk must not split the group that follows it.
    int previousIfd = -1;
    while (ExifEntry* entry = reader.NextEntry()) {
        const int ifd = ExifReader::EntryIfd(entry);
        rows << PanelRow{previousIfd >= 0 && ifd != previousIfd, ExifReader::EntryTitle(entry),
                         ExifReader::EntryValue(entry)};
        previousIfd = ifd;
    }
    return rows;
}

PanelLayout LayOutPanel(const Edges& picture, int paneWidth, int paneHeight, int lineHeight,
                        const QList<PanelRow>& rows, bool hasExif,
                        const std::function<int(const QString&)>& textWidth) {
    PanelLayout layout;
    const int left = std::min(picture.left, kSquareInset);
    layout.titleTop = picture.bottom + kPanelGap;
    layout.rowLeft = left + kRowIndent;

    int titleWidth = 0;
    int valueWidth = 0;
    int y = layout.titleTop + 2 * lineHeight;
    for (const PanelRow& row : rows) {
        titleWidth = std::max(titleWidth, textWidth(row.title));
        if (hasExif)
            valueWidth = std::max(valueWidth, textWidth(row.value));
        if (row.newGroup)
            y += lineHeight;
        layout.rowTops << y;
        y += lineHeight;
    }
    layout.titleRight = layout.rowLeft + titleWidth;
    layout.valueLeft = layout.titleRight + kColumnGap;
    const int textRight = hasExif ? layout.valueLeft + valueWidth : layout.rowLeft + titleWidth;
    layout.extent = QSize(textRight + kTextRoom, y + kTextRoom);
    layout.panel = {left, layout.titleTop, std::max(paneWidth, layout.extent.width()),
                    std::max(paneHeight, layout.extent.height())};
    layout.scrolls = layout.extent.height() > paneHeight;
    return layout;
}
