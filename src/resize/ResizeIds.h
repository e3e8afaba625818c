// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Dialog templates, control ids and texts of the resize dialogs. Controls
// carry their id as their object name (QString::number(id)), so tests and
// readers find control 1058 by that number.

namespace ResizeDialogId {
constexpr int Template = 130;
constexpr int InFolder = 1005;
constexpr int Destination = 1007;
constexpr int Browse = 1008;
constexpr int ImageType = 1009;
constexpr int Quality = 1010;
constexpr int QualityLabel = 1023;
constexpr int Overwrite = 1006;
constexpr int ImageToResize = 1018;
constexpr int Constrain = 1011;
constexpr int ResizeAs = 1012;
constexpr int Width = 1013;
constexpr int WidthUnit = 1015;
constexpr int Height = 1014;
constexpr int HeightUnit = 1016;
constexpr int Desktop = 1017;
constexpr int SizeCheck = 1058;
constexpr int ImageToRotate = 1019;
constexpr int RotateLeft = 1020;
constexpr int FlipVertical = 1021;
constexpr int RotateRight = 1022;
constexpr int RotateCheck = 1059;
constexpr int ImageSetDpi = 1055;
constexpr int XDpi = 1056;
constexpr int YDpi = 1057;
constexpr int DpiCheck = 1060;
constexpr int NoEnlarge = 1061;
constexpr int KeepDates = 1062;
constexpr int Trash = 1063;
constexpr int MaxKb = 1064;
constexpr int MailMaxKb = 1065;
constexpr int MoreTabs = 1066;
constexpr int NameTemplate = 1067;
constexpr int OnExists = 1068;
constexpr int FurtherOutputs = 1069;
constexpr int AddOutput = 1070;
constexpr int EditOutput = 1071;
constexpr int RemoveOutput = 1072;
constexpr int Metadata = 1073;
constexpr int MailMetadata = 1074;
constexpr int Srgb = 1075;
constexpr int Estimate = 1076;
constexpr int Fit = 1077;
constexpr int Anchor = 1078;
constexpr int PadColour = 1079;
constexpr int Side = 1092;
constexpr int Preset = 1093;
constexpr int SavePreset = 1094;
constexpr int DeletePreset = 1095;
constexpr int SetAsDefault = 1004;
constexpr int Resize = 1003;
constexpr int ResizeAndMail = 1053;
constexpr int Cancel = 1002;
constexpr int RotateLeftBitmap = 131;
constexpr int FlipBitmap = 132;
constexpr int RotateRightBitmap = 133;
} // namespace ResizeDialogId

namespace ProgressDialogId {
constexpr int Template = 154;
constexpr int Status = 1032;
constexpr int Progress = 1031;
constexpr int Cancel = 2;
} // namespace ProgressDialogId

namespace FurtherOutputDialogId {
constexpr int Template = 157;
constexpr int Type = 1080;
constexpr int QualityBox = 1081;
constexpr int Quality = 1082;
constexpr int SizeBox = 1083;
constexpr int Width = 1084;
constexpr int Height = 1085;
constexpr int Unit = 1086;
constexpr int NameTemplate = 1087;
constexpr int Destination = 1088;
constexpr int DpiBox = 1089;
constexpr int XDpi = 1090;
constexpr int YDpi = 1091;
} // namespace FurtherOutputDialogId

namespace FurtherOutputDialogText {
inline const QString Caption = QStringLiteral("Further output");
inline const QString Type = QStringLiteral("Type:");
inline const QString AsMain = QStringLiteral("as the main output");
inline const QString Quality = QStringLiteral("Quality:");
inline const QString Size = QStringLiteral("Size:");
inline const QString By = QStringLiteral("x");
inline const QString Name = QStringLiteral("Name:");
inline const QString Folder = QStringLiteral("Folder:");
inline const QString Dpi = QStringLiteral("DPI:");
inline const QString Cannot = QStringLiteral("This output cannot be used: %1.");
} // namespace FurtherOutputDialogText

namespace ConfirmDialogId {
constexpr int Template = 156;
constexpr int Question = 1054;
constexpr int Path = 1032;
constexpr int YesToAll = 1043;
constexpr int Yes = 1044;
constexpr int No = 1045;
constexpr int NoToAll = 1046;
} // namespace ConfirmDialogId

namespace ResizeDialogText {
inline const QString Caption = QStringLiteral("Tessary...");
inline const QString Save = QStringLiteral("Save");
inline const QString InFolder = QStringLiteral("in the folder:");
inline const QString Browse = QStringLiteral("Browse...");
inline const QString AutoFolder =
    QStringLiteral("If the dest folder is empty, TSY will auto create .\\resize\\ folder");
inline const QString SaveImageType = QStringLiteral("save image type");
inline const QString Quality = QStringLiteral("Quality\n(JPEG only)");
inline const QString Worst = QStringLiteral("Worst");
inline const QString Best = QStringLiteral("Best");
inline const QString Overwrite = QStringLiteral("Overwrite the source file (not recommend)");
inline const QString ImageToResize = QStringLiteral("Image to resize");
inline const QString ResizeOption = QStringLiteral("Image Resize option");
inline const QString Constrain = QStringLiteral("Constrain Proportion");
inline const QString ResizeAs = QStringLiteral("Resize as");
inline const QString Width = QStringLiteral("Width");
inline const QString Height = QStringLiteral("Height");
inline const QString Pixel = QStringLiteral("pixel");
inline const QString Percent = QStringLiteral("percent");
inline const QString Desktop = QStringLiteral("Resize as your desktop size");
inline const QString ImageToRotate = QStringLiteral("Image to rotate");
inline const QString RotateOption = QStringLiteral("Image rotate option");
inline const QString RotateLeft = QStringLiteral("Rotate 90 degree");
inline const QString Flip = QStringLiteral("Flip Horizontal");
inline const QString RotateRight = QStringLiteral("Rotate -90 degree");
inline const QString ImageSetDpi = QStringLiteral("Image to set DPI");
inline const QString Dpi = QStringLiteral("DPI");
inline const QString X = QStringLiteral("X");
inline const QString Y = QStringLiteral("Y");
inline const QString More = QStringLiteral("More");
inline const QString NoEnlarge = QStringLiteral("Do not enlarge smaller pictures");
inline const QString KeepDates = QStringLiteral("Keep file dates");
inline const QString Trash = QStringLiteral("Move replaced files to the Trash");
inline const QString AtMost = QStringLiteral("At most");
inline const QString KbPerPicture = QStringLiteral("KB per picture");
inline const QString MailAtMost = QStringLiteral("Mail at most");
inline const QString KbInAll = QStringLiteral("KB in all");
inline const QString NoLimit = QStringLiteral("no limit");
inline const QString OptionsTab = QStringLiteral("Options");
inline const QString NamesTab = QStringLiteral("Names");
inline const QString OutputsTab = QStringLiteral("Further outputs");
inline const QString NameTemplate = QStringLiteral("Name of each result:");
inline const QString NameTokens =
    QStringLiteral("{name} {ext} of the source, {w} {h} of the result, {n} or {n:3} its number, "
                   "{date} {time} when taken, {folder}; \"/\" makes folders");
inline const QString OnExists = QStringLiteral("When a file exists:");
inline const QString OnExistsChoices[] = {QStringLiteral("Ask"), QStringLiteral("Keep both"),
                                          QStringLiteral("Skip"), QStringLiteral("Replace")};
inline const QString NameTemplateTooLong =
    QStringLiteral("The name template is too long: it can have at most %1 bytes.");
inline const QString OutputsTooMany =
    QStringLiteral("The further outputs are too many to store: together they can have at most "
                   "%1 bytes.");
inline const QString OutputsHint =
    QStringLiteral("Each picture is also written as each of these, from the same decode.");
inline const QString SharingTab = QStringLiteral("Sharing");
inline const QString FramingTab = QStringLiteral("Framing");
inline const QString FitLabel = QStringLiteral("A size in pixels:");
inline const QString FitChoices[] = {QStringLiteral("Take exactly that size"),
                                     QStringLiteral("Fill it, cropping what is over"),
                                     QStringLiteral("Fit inside it, on a canvas")};
inline const QString AnchorLabel = QStringLiteral("Keep:");
inline const QString AnchorChoices[] = {
    QStringLiteral("the centre"), QStringLiteral("the most interesting part"),
    QStringLiteral("the top or left"), QStringLiteral("the bottom or right")};
inline const QString PadColourLabel = QStringLiteral("Canvas colour:");
inline const QString PadColourHint = QStringLiteral("transparent");
inline const QString SideLabel = QStringLiteral("Width is for:");
inline const QString SideChoices[] = {QStringLiteral("the width, height for the height"),
                                      QStringLiteral("the longer side"),
                                      QStringLiteral("the shorter side")};
inline const QString PresetLabel = QStringLiteral("Preset:");
inline const QString NoPreset = QStringLiteral("(the options below)");
inline const QString SavePreset = QStringLiteral("Save as...");
inline const QString DeletePreset = QStringLiteral("Delete");
inline const QString PresetName = QStringLiteral("Name of the preset:");
inline const QString DeleteQuestion = QStringLiteral("Delete the preset \"%1\"?");
inline const QString Metadata = QStringLiteral("Metadata kept:");
inline const QString MailMetadata = QStringLiteral("In mailed copies:");
inline const QString MetadataChoices[] = {QStringLiteral("All of it"),
                                          QStringLiteral("All but location and personal data"),
                                          QStringLiteral("Only the colour profile and resolution")};
inline const QString MetadataHint =
    QStringLiteral("Location and personal data: GPS position, place names, serial numbers, "
                   "owner and author names, maker notes and contacts. Camera, exposure, date "
                   "taken and copyright stay.");
inline const QString Srgb = QStringLiteral("Convert colours to sRGB for the web");
inline const QString Estimating = QStringLiteral("working out the size...");
inline const QString AddOutput = QStringLiteral("Add...");
inline const QString EditOutput = QStringLiteral("Edit...");
inline const QString RemoveOutput = QStringLiteral("Remove");
inline const QString SetAsDefault = QStringLiteral("Set as default");
inline const QString Resize = QStringLiteral("Resize");
inline const QString ResizeAndMail = QStringLiteral("Resize and mail");
inline const QString Cancel = QStringLiteral("Cancel");
inline const QString SameAsSource = QStringLiteral("the same as source");
inline const QString SelectDestination = QStringLiteral("select the destination folder...");
inline const QString DestinationTooLong =
    QStringLiteral("The destination folder's name is too long: it can have at most %1 bytes.");
inline const QString NotPositiveInteger = QStringLiteral("Please enter a positive integer.");

inline const QString FitDesktop =
    QStringLiteral("The pictures you've selected will be auto resize to fit the desktop's size");
inline const QString ResizeToDesktop =
    QStringLiteral("The pictures you've selected will be resize to the desktop's size "
                   "(%1*%2)\r\nuncheck Constrain Proportion might distort your picture(s)");
inline const QString NotSameSizeConstrained =
    QStringLiteral("The pictures you've selected are not the same size\r\nPlease resize them "
                   "in percent or uncheck Constrain Proportion");
inline const QString NotSameSize =
    QStringLiteral("The pictures you've selected are not the same size");
inline const QString SelectionSize =
    QStringLiteral("The size of the pictures you've selected is:%1*%2");
inline const QString MightDistort =
    QStringLiteral("\r\nuncheck Constrain Proportion might distort your picture(s)");
inline const QString SizeMismatch =
    QStringLiteral("The size(%1*%2) of the pictures you've selected is not match the Constrain "
                   "Proportion of your setting: %3*%4\r\nPlease reset width and height or "
                   "uncheck Constrain Proportion");
inline const QString LongerSide =
    QStringLiteral("The longer side of each picture will be %1, the other in proportion");
inline const QString ShorterSide =
    QStringLiteral("The shorter side of each picture will be %1, the other in proportion");
inline const QString Pixels = QStringLiteral("%1 pixels");
inline const QString PercentOfIt = QStringLiteral("%1 % of it");
inline const QString MakesHere = QStringLiteral("\r\n(%1*%2 for the pictures you've selected)");
inline const QString FillBox =
    QStringLiteral("The pictures will fill %1*%2 exactly, cropped where their proportions "
                   "differ");
inline const QString PadBox =
    QStringLiteral("The pictures will fit inside %1*%2 whole, on a canvas of exactly that size");
inline const QString SizeNeeded =
    QStringLiteral("Please give the new width and height: 1 to %1 pixels, or 1 to %2 percent");
inline const QString DpiNeeded = QStringLiteral("\r\nPlease give a DPI from 1 to %1");
inline const QString DpiHeading = QStringLiteral("Your select Pictures:");
inline const QString XDpi = QStringLiteral("\r\nthe X DPI:%1");
inline const QString XDpiDiffers = QStringLiteral("\r\nThe X DPI: not the same");
inline const QString YDpi = QStringLiteral("\r\nThe Y DPI:%1");
inline const QString YDpiDiffers = QStringLiteral("\r\nThe Y DPI: not the same");
} // namespace ResizeDialogText

namespace ProgressDialogText {
inline const QString Caption = QStringLiteral("Process");
inline const QString Reading = QStringLiteral("Reading Pictures Information");
inline const QString Resizing = QStringLiteral("Resizing Pictures");
inline const QString Cancel = QStringLiteral("Cancel");
} // namespace ProgressDialogText

namespace ConfirmDialogText {
inline const QString Caption = QStringLiteral("Tessary Confirm");
inline const QString YesToAll = QStringLiteral("Yes to all");
inline const QString Yes = QStringLiteral("Yes");
inline const QString No = QStringLiteral("No");
inline const QString NoToAll = QStringLiteral("No to all");
} // namespace ConfirmDialogText

// "Undo Last Batch": the question before, and what could not be undone.
namespace UndoText {
inline const QString Title = QStringLiteral("Undo Last Batch");
inline const QString Question = QStringLiteral("Undo the last batch?");
inline const QString Undo = QStringLiteral("Undo");
inline const QString Stay = QStringLiteral("These stay as they are:");
inline const QString NotAll = QStringLiteral("Not all of the last batch could be undone:");
} // namespace UndoText
