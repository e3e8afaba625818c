// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Names of the stored values in the settings key.
namespace SettingsName {
inline const QString Override = QStringLiteral("override");
inline const QString Dest = QStringLiteral("dest");
inline const QString ImageType = QStringLiteral("imagetype");
inline const QString Quality = QStringLiteral("qualilty");
inline const QString ImageToResize = QStringLiteral("image_to_resize");
inline const QString ImageToRotate = QStringLiteral("image_to_rotate");
inline const QString ImageSetDpi = QStringLiteral("image_set_dpi");
inline const QString Constraint = QStringLiteral("constraint");
inline const QString Desktop = QStringLiteral("desktop");
inline const QString Height = QStringLiteral("height");
inline const QString Width = QStringLiteral("width");
inline const QString HPercent = QStringLiteral("hpercent");
inline const QString WPercent = QStringLiteral("wpercent");
inline const QString Rotate = QStringLiteral("rotate");
inline const QString XDpi = QStringLiteral("xdpi");
inline const QString YDpi = QStringLiteral("ydpi");
inline const QString NoEnlarge = QStringLiteral("noenlarge");
inline const QString KeepDates = QStringLiteral("keepdates");
inline const QString Trash = QStringLiteral("trash");
inline const QString MaxKb = QStringLiteral("maxkb");
inline const QString MailMaxKb = QStringLiteral("mailmaxkb");
inline const QString NameTemplate = QStringLiteral("nametemplate");
inline const QString OnExists = QStringLiteral("onexists");
inline const QString Also = QStringLiteral("also");
inline const QString Metadata = QStringLiteral("metadata");
inline const QString MailMetadata = QStringLiteral("mailmetadata");
inline const QString Srgb = QStringLiteral("srgb");
inline const QString Fit = QStringLiteral("fit");
inline const QString Anchor = QStringLiteral("anchor");
inline const QString PadColour = QStringLiteral("padcolour");
inline const QString Side = QStringLiteral("side");
inline const QString Lossless = QStringLiteral("lossless");

inline const QString ExtTessary = QStringLiteral("ExtTessary");
inline const QString ExtResize = QStringLiteral("ExtResize");
inline const QString ExtResizeAsDefaultSetting = QStringLiteral("ExtResizeAsDefaultSetting");
inline const QString ExtResizeAndMail = QStringLiteral("ExtResizeAndMail");
inline const QString ExtResizeDefaultAndMail = QStringLiteral("ExtResizeDefaultAndMail");
inline const QString ExtPresets = QStringLiteral("ExtPresets");

inline const QString WindowPlace = QStringLiteral("windowplace");
inline const QString CurCol = QStringLiteral("curcol");
inline const QString ColumnWidth = QStringLiteral("columnwidth%1"); // 1..4
inline const QString ViewMode = QStringLiteral("viewmode");
inline const QString ShowHidden = QStringLiteral("showhidden");
inline const QString SlideshowPace = QStringLiteral("slideshowpace");
inline const QString Location = QStringLiteral("location");
inline const QString CopyMoveTarget = QStringLiteral("cmto");
inline const QString LastBrowsePidl = QStringLiteral("LastBrowsePIDL");
} // namespace SettingsName
