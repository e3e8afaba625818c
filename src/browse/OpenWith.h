// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// What opening files with Tessary from a file manager asks of the window:
// the folder of the first file that can be shown, that picture selected
// and previewed, and every given picture of that folder marked, ready for
// Resize or Mail To.
struct OpenWithPlan {
    QString folder;      // the folder to show; empty when nothing given can be
    QString selected;    // the picture to select and preview; empty for a folder
    QStringList marked;  // the given pictures of that folder, in the order given
    QStringList refused; // what is neither a readable picture nor a folder
    int elsewhere = 0;   // pictures given from other folders, which are not marked
};

// Plans for the command line's files (relative ones against the working
// folder). Looks at names and permissions only, never at a picture's bytes.
OpenWithPlan PlanOpenWith(const QStringList& arguments);

// What the status bar tells about the files that were left out; empty when
// every file was shown.
QString OpenWithStatus(const OpenWithPlan& plan);
