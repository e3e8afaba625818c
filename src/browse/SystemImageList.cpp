// SPDX-License-Identifier: MIT
#include "browse/SystemImageList.h"

#include "browse/ShellNamespace.h"

#include <QApplication>
#include <QHash>
#include <QMimeDatabase>
#include <QStyle>

namespace {

QIcon StyleIcon(const QString& key) {
    QStyle* style = QApplication::style();
    // Ours where they stand for the theme's, as the style's own are too
    // small for the thumbnail grid. "folder-pictures" too: a folder where
    // the theme has no special one.
    if (key.startsWith(QLatin1String("folder")))
        return QIcon(QStringLiteral(":/tessary/files/folder.svg"));
    if (key == QLatin1String("user-desktop"))
        return style->standardIcon(QStyle::SP_DesktopIcon);
    if (key == QLatin1String("user-home"))
        return QIcon(QStringLiteral(":/tessary/files/home.svg"));
    if (key == QLatin1String("computer"))
        return QIcon(QStringLiteral(":/tessary/files/computer.svg"));
    if (key == QLatin1String("drive-harddisk"))
        return QIcon(QStringLiteral(":/tessary/files/drive.svg"));
    return style->standardIcon(QStyle::SP_FileIcon);
}

QIcon MakeIcon(const QString& key) {
    const QMimeType type = QMimeDatabase().mimeTypeForName(key);
    QIcon icon;
    if (type.isValid())
        icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    else
        icon = QIcon::fromTheme(key);
    // A picture never shows as a blank page: our own picture where the
    // theme has none.
    if (icon.isNull() && key.startsWith(QLatin1String("image/")))
        return QIcon(QStringLiteral(":/tessary/files/picture.svg"));
    return icon.isNull() ? StyleIcon(key) : icon;
}

} // namespace

QIcon SystemIcon(int index) {
    static QHash<int, QIcon> icons;
    auto known = icons.constFind(index);
    if (known == icons.constEnd())
        known = icons.insert(index, MakeIcon(SystemIconKey(index)));
    return *known;
}
