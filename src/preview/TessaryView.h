// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class CTessaryDoc;

// The document's own view: it draws nothing. The main window shows it in
// its client area until the list and the preview panes fill it.
class CTessaryView : public QWidget {
    Q_OBJECT
public:
    explicit CTessaryView(CTessaryDoc& document, QWidget* parent = nullptr);

    CTessaryDoc& GetDocument() const { return document_; }

private:
    CTessaryDoc& document_;
};
