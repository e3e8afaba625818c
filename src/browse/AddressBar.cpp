// SPDX-License-Identifier: MIT
#include "browse/AddressBar.h"

#include "browse/BrowseIds.h"
#include "browse/SystemImageList.h"
#include "settings/AppSettings.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int kIndentRole = Qt::UserRole + 1;
constexpr int kListRole = Qt::UserRole + 2;
constexpr int kIndentPixels = 10;

// Draws each entry indented by its level, as an extended combo box does.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->rect.adjust(index.data(kIndentRole).toInt() * kIndentPixels, 0, 0, 0);
    }
};

} // namespace

void AddressEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Posted, as the edit's Enter always was: the bar handles it next.
        QMetaObject::invokeMethod(parent(), "OnAddressEnter", Qt::QueuedConnection);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

AddressBar::AddressBar(AppSettings& settings, const ShellNamespace& shell, QWidget* parent)
    : QComboBox(parent)
    , settings_(settings)
    , shell_(shell) {
    setObjectName(QString::number(BrowseId::AddressBar));
    setEditable(true);
    setLineEdit(new AddressEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    setItemDelegate(new IndentDelegate(this));
    setMaxVisibleItems(20);
    // Theme icons come in many sizes; the entries keep one height.
    setIconSize(QSize(16, 16));
    view()->setIconSize(QSize(16, 16));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(30);
    connect(this, &QComboBox::activated, this, &AddressBar::OnSelectionChange);
}

int AddressBar::Indent(int row) const {
    return itemData(row, kIndentRole).toInt();
}

void AddressBar::InitAddressBar() {
    tree_.clear();
    const QByteArray desktop = shell_.DesktopList();
    tree_ << FolderItem{
        desktop, 0, shell_.GetIconIndex(desktop), shell_.GetDisplayName(desktop), {}};
    AddFolders(desktop, 1);
    SelectFolder(shell_.FirstFolder(settings_.LastBrowsePIDL));
}

void AddressBar::AddFolders(const QByteArray& absolute, int indent) {
    const std::unique_ptr<ShellFolder> folder = shell_.BindFolder(absolute);
    if (!folder)
        return; // a folder that cannot be bound adds nothing
    QList<QByteArray> children;
    for (const QByteArray& child :
         folder->EnumObjects(ShellFlag::Folders | ShellFlag::NonFolders)) {
        const uint32_t attributes = folder->GetAttributesOf(child);
        const QByteArray full = *ShellNamespace::Concat(absolute, child);
        if ((attributes & (ShellFlag::AttrFolder | ShellFlag::AttrHasSubfolder)) &&
            ShellNamespace::CompareBytes(full, shell_.ControlsList()) != 0)
            children << child;
    }
    std::stable_sort(children.begin(), children.end(),
                     [&folder](const QByteArray& a, const QByteArray& b) {
                         return folder->CompareIDs(a, b) < 0;
                     });
    for (const QByteArray& child : children) {
        const QByteArray full = *ShellNamespace::Concat(absolute, child);
        tree_ << FolderItem{child, indent, shell_.GetIconIndex(full),
                            folder->GetDisplayNameOf(child, ShellFlag::NameInFolder), full};
        if (ShellNamespace::CompareBytes(full, shell_.DrivesList()) == 0)
            AddFolders(full, indent + 1);
    }
}

void AddressBar::Insert(const FolderItem& item) {
    addItem(SystemIcon(item.image), item.text);
    const int row = count() - 1;
    setItemData(row, item.indent, kIndentRole);
    setItemData(row, item.absolute, kListRole);
}

void AddressBar::SelectFolder(const IdList& itemIds) {
    const QByteArray target = itemIds ? ShellNamespace::Terminated(*itemIds) : shell_.DesktopList();
    const QSignalBlocker quiet(this);
    clear();
    const int n = ShellNamespace::Count(target);
    int selected = -1;
    QString editText;
    for (const FolderItem& entry : tree_) {
        Insert(entry);
        const int entryRow = count() - 1;
        const int depth = std::max(entry.indent, 1);
        const IdList onPath = ShellNamespace::CopyItemAt(target, depth);
        if (n == 0) {
            if (selected < 0) {
                selected = entryRow;
                editText = entry.text;
            }
        } else if (n == 1 && entry.indent > 0 && shell_.CompareItems(entry.itemId, target) == 0) {
            selected = entryRow;
            editText = entry.text;
        } else if (entry.indent > 0 && ShellNamespace::CompareBytes(entry.itemId, onPath) == 0 &&
                   ShellNamespace::CompareBytes(entry.absolute, shell_.DrivesList()) != 0) {
            QByteArray last;
            for (int j = depth + 1; j <= n; ++j) {
                const QByteArray list = *ShellNamespace::CopyFirstItems(target, j);
                Insert({*ShellNamespace::CopyItemAt(list, j), j, shell_.GetIconIndex(list),
                        shell_.GetDisplayName(list), list});
                last = list;
            }
            if (!last.isEmpty()) {
                selected = count() - 1;
                shell_.GetDisplayNameOf(last, editText);
            } else if (selected < 0) {
                selected = entryRow;
            }
            if (editText.startsWith(QLatin1String("::")))
                editText = shell_.GetDisplayName(target);
            if (editText.isEmpty())
                editText = entry.text;
        }
    }
    setCurrentIndex(selected);
    setEditText(editText);
    QString parsing;
    settings_.LastBrowsePIDL =
        n > 0 && shell_.GetDisplayNameOf(target, parsing) ? parsing : QString();
}

IdList AddressBar::GetSelectedFolder() const {
    const int row = currentIndex();
    if (row <= 0)
        return std::nullopt; // none, or the Desktop entry
    return itemData(row, kListRole).toByteArray();
}

void AddressBar::OnSelectionChange() {
    const IdList folder = GetSelectedFolder();
    Q_EMIT FolderChosen(folder);
    SelectFolder(folder);
}

void AddressBar::OnAddressEnter() {
    IdList parsed;
    if (shell_.ParsePath(currentText(), parsed)) {
        SelectFolder(parsed);
        Q_EMIT FolderChosen(GetSelectedFolder());
    }
    lineEdit()->selectAll();
}
