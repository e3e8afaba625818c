// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class ExifReader;

// A rectangle by its edges, right and bottom outside it, as the preview's
// numbers are given: a picture of 100 pixels from 149 has its right edge
// at 249.
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Edges&) const = default;
};

// Where a picture of width x height stands in a pane `paneWidth` wide: in
// the square of side paneWidth - 4 at (2, 2), at its own size and centred
// when it fits, else scaled to the square's width (landscape, square) or
// height (portrait). Integer division throughout, as the pane always drew.
Edges PlacePicture(int paneWidth, int width, int height);

// One row of the properties panel.
struct PanelRow {
    bool newGroup = false; // an empty row stands before it: a new IFD begins
    QString title;         // as the reader gives it, trailing white space included
    QString value;
    // What is drawn: the texts without their trailing white space.
    QString ShownTitle() const;
    QString ShownValue() const;
};

// The panel's rows: with EXIF every entry of the walk (which restarts it),
// else the two size rows "Image Width" and "Image Height", each the label
// followed by the number right-aligned in 30 characters, as its title.
QList<PanelRow> PanelRows(ExifReader& reader, bool hasExif, int width, int height);

// The properties panel under a placed picture, for a pane of paneWidth x
// paneHeight (the visible area) and rows `lineHeight` apart. textWidth
// measures a text in the pane's default font.
struct PanelLayout {
    Edges panel;        // the white area; the frames stand 5 and 10 pixels inside
    int titleTop = 0;   // "Picture Properties", 20 pixels under the picture
    int rowLeft = 0;    // the titles' column
    int titleRight = 0; // where the widest title ends: the size rows' numbers end there
    int valueLeft = 0;  // the values' column
    QList<int> rowTops; // one per row, with the empty rows between groups
    // How far the panel's text reaches, with room for the title rows,
    // the last row, the indent, the column gap and the frames, so the
    // lowest and rightmost text can be scrolled into view.
    QSize extent;
    // Whether the panel reaches below the visible area: only then does the
    // pane take `extent` as its scroll size.
    bool scrolls = false;
};
PanelLayout LayOutPanel(const Edges& picture, int paneWidth, int paneHeight, int lineHeight,
                        const QList<PanelRow>& rows, bool hasExif,
                        const std::function<int(const QString&)>& textWidth);
