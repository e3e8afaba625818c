// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// "Undo Last Batch" of the File menu, on the last batch's journal
// (BatchUndo): what it will do is shown first, with what stays as it is,
// and nothing is done unless the user says so; when nothing can be
// undone, that alone is said.

// Whether there is a batch to undo: the menu item is enabled by it.
bool CanUndoLastBatch();
// True when something was undone, so that what shows files is refreshed.
bool UndoLastBatch(QWidget* parent);
