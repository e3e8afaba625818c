// SPDX-License-Identifier: MIT
#pragma once

#include "settings/ResizeSettings.h"

#include <QString>

#include <vector>

// The outputs a batch writes for each picture: first the options
// themselves, then one for each further output of "also", the options with
// its changes. A further output never writes over its source and has no
// further outputs of its own. Empty, with the reason in error (which output
// and which option), when the name template or a further output cannot be
// used; the main options' numbers are not checked here.
std::vector<ResizeSettings> RecipeOutputs(const ResizeSettings& settings, QString& error);

// The further output whose changes are text, as the options it makes from
// settings; the reason in error (empty when it can be used).
ResizeSettings FurtherOutput(const ResizeSettings& settings, const QString& text, QString& error);

// One output in words for the dialog's list: its type, quality, size (and
// what it makes of pictures of pictureWidth x pictureHeight, when all the
// selected pictures have that size), name and folder.
QString DescribeOutput(const ResizeSettings& output, int pictureWidth, int pictureHeight);
