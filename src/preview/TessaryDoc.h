// SPDX-License-Identifier: MIT
#pragma once

class CFileListView;
class CScrollPictureView;

// The document of the main window: it holds no picture data, only the two
// panes, so that the list can find the preview. Each view stores itself
// here when it is first shown; neither pointer is owned.
class CTessaryDoc {
public:
    CFileListView* fileListView = nullptr;
    CScrollPictureView* pictureView = nullptr;
};
