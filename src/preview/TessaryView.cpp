// SPDX-License-Identifier: MIT
#include "preview/TessaryView.h"

CTessaryView::CTessaryView(CTessaryDoc& document, QWidget* parent)
    : QWidget(parent)
    , document_(document) {
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
}
