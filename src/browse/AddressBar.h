// SPDX-License-Identifier: MIT
#pragma once

#include "browse/ShellNamespace.h"

#include <QComboBox>
#include <QLineEdit>

class AppSettings;

// The address bar's edit field: Enter goes to the bar, not to the dialog
// or window around it.
class AddressEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// One entry of the address bar's drop-down.
struct FolderItem {
    QByteArray itemId; // relative to its parent (the Desktop's: the empty list)
    int indent = 0;
    int image = -1;
    QString text;
    QByteArray absolute; // empty for the Desktop entry
};

// The folder address box: a drop-down with the Desktop, the Desktop's
// folders and the Computer's volumes, plus the chain of folders down to the
// current one; its edit field shows the current folder's path and takes a
// typed path. Choosing or typing moves the file list; the list moving
// updates the bar, which records the folder as LastBrowsePIDL.
class AddressBar : public QComboBox {
    Q_OBJECT
public:
    AddressBar(AppSettings& settings, const ShellNamespace& shell, QWidget* parent = nullptr);

    void InitAddressBar();
    // Null: the Desktop.
    void SelectFolder(const IdList& itemIds);
    // The selected entry's absolute list; null for the Desktop entry or none.
    IdList GetSelectedFolder() const;

    const QList<FolderItem>& Tree() const { return tree_; }
    int Indent(int row) const;

    // WM_ADDRESS_ENTER: the edit field's Enter.
    Q_INVOKABLE void OnAddressEnter();

Q_SIGNALS:
    // The user chose a folder from the drop-down or typed one (null: the
    // Desktop); the list follows.
    void FolderChosen(const IdList& folder);

private:
    void AddFolders(const QByteArray& absolute, int indent);
    void Insert(const FolderItem& item);
    void OnSelectionChange();

    AppSettings& settings_;
    const ShellNamespace& shell_;
    QList<FolderItem> tree_;
};
