// SPDX-License-Identifier: MIT
#pragma once

#include "platform/UiText.h"

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
inline constexpr UiText Caption = TrText("FurtherOutputDialog", "Further output");
inline constexpr UiText Type = TrText("FurtherOutputDialog", "Type:");
inline constexpr UiText AsMain = TrText("FurtherOutputDialog", "as the main output");
inline constexpr UiText Quality = TrText("FurtherOutputDialog", "Quality:");
inline constexpr UiText Size = TrText("FurtherOutputDialog", "Size:");
inline constexpr UiText By = TrText("FurtherOutputDialog", "x");
inline constexpr UiText Name = TrText("FurtherOutputDialog", "Name:");
inline constexpr UiText Folder = TrText("FurtherOutputDialog", "Folder:");
inline constexpr UiText Dpi = TrText("FurtherOutputDialog", "DPI:");
inline constexpr UiText Cannot = TrText("FurtherOutputDialog", "This output cannot be used: %1.");
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
inline constexpr UiText Caption = TrText("ResizeDialog", "Tessary...");
inline constexpr UiText Save = TrText("ResizeDialog", "Save");
inline constexpr UiText InFolder = TrText("ResizeDialog", "in the folder:");
inline constexpr UiText Browse = TrText("ResizeDialog", "Browse...");
inline constexpr UiText AutoFolder =
    TrText("ResizeDialog", "If the dest folder is empty, TSY will auto create .\\resize\\ folder");
inline constexpr UiText SaveImageType = TrText("ResizeDialog", "save image type");
inline constexpr UiText Quality = TrText("ResizeDialog", "Quality\n(JPEG only)");
inline constexpr UiText Worst = TrText("ResizeDialog", "Worst");
inline constexpr UiText Best = TrText("ResizeDialog", "Best");
inline constexpr UiText Overwrite =
    TrText("ResizeDialog", "Overwrite the source file (not recommend)");
inline constexpr UiText ImageToResize = TrText("ResizeDialog", "Image to resize");
inline constexpr UiText ResizeOption = TrText("ResizeDialog", "Image Resize option");
inline constexpr UiText Constrain = TrText("ResizeDialog", "Constrain Proportion");
inline constexpr UiText ResizeAs = TrText("ResizeDialog", "Resize as");
inline constexpr UiText Width = TrText("ResizeDialog", "Width");
inline constexpr UiText Height = TrText("ResizeDialog", "Height");
inline constexpr UiText Pixel = TrText("ResizeDialog", "pixel");
inline constexpr UiText Percent = TrText("ResizeDialog", "percent");
inline constexpr UiText Desktop = TrText("ResizeDialog", "Resize as your desktop size");
inline constexpr UiText ImageToRotate = TrText("ResizeDialog", "Image to rotate");
inline constexpr UiText RotateOption = TrText("ResizeDialog", "Image rotate option");
inline constexpr UiText RotateLeft = TrText("ResizeDialog", "Rotate 90 degree");
inline constexpr UiText Flip = TrText("ResizeDialog", "Flip Horizontal");
inline constexpr UiText RotateRight = TrText("ResizeDialog", "Rotate -90 degree");
inline constexpr UiText ImageSetDpi = TrText("ResizeDialog", "Image to set DPI");
inline constexpr UiText Dpi = TrText("ResizeDialog", "DPI");
inline constexpr UiText X = TrText("ResizeDialog", "X");
inline constexpr UiText Y = TrText("ResizeDialog", "Y");
inline constexpr UiText More = TrText("ResizeDialog", "More");
inline constexpr UiText NoEnlarge = TrText("ResizeDialog", "Do not enlarge smaller pictures");
inline constexpr UiText KeepDates = TrText("ResizeDialog", "Keep file dates");
inline constexpr UiText Trash = TrText("ResizeDialog", "Move replaced files to the Trash");
inline constexpr UiText AtMost = TrText("ResizeDialog", "At most");
inline constexpr UiText KbPerPicture = TrText("ResizeDialog", "KB per picture");
inline constexpr UiText MailAtMost = TrText("ResizeDialog", "Mail at most");
inline constexpr UiText KbInAll = TrText("ResizeDialog", "KB in all");
inline constexpr UiText NoLimit = TrText("ResizeDialog", "no limit");
inline constexpr UiText OptionsTab = TrText("ResizeDialog", "Options");
inline constexpr UiText NamesTab = TrText("ResizeDialog", "Names");
inline constexpr UiText OutputsTab = TrText("ResizeDialog", "Further outputs");
inline constexpr UiText NameTemplate = TrText("ResizeDialog", "Name of each result:");
inline constexpr UiText NameTokens = TrText(
    "ResizeDialog", "{name} {ext} of the source, {w} {h} of the result, {n} or {n:3} its number, "
                    "{date} {time} when taken, {folder}; \"/\" makes folders");
inline constexpr UiText OnExists = TrText("ResizeDialog", "When a file exists:");
inline constexpr UiText OnExistsChoices[] = {
    TrText("ResizeDialog", "Ask"), TrText("ResizeDialog", "Keep both"),
    TrText("ResizeDialog", "Skip"), TrText("ResizeDialog", "Replace")};
inline constexpr UiText NameTemplateTooLong =
    TrText("ResizeDialog", "The name template is too long: it can have at most %1 bytes.");
inline constexpr UiText OutputsTooMany = TrText(
    "ResizeDialog", "The further outputs are too many to store: together they can have at most "
                    "%1 bytes.");
inline constexpr UiText OutputsHint =
    TrText("ResizeDialog", "Each picture is also written as each of these, from the same decode.");
inline constexpr UiText SharingTab = TrText("ResizeDialog", "Sharing");
inline constexpr UiText FramingTab = TrText("ResizeDialog", "Framing");
inline constexpr UiText FitLabel = TrText("ResizeDialog", "A size in pixels:");
inline constexpr UiText FitChoices[] = {TrText("ResizeDialog", "Take exactly that size"),
                                        TrText("ResizeDialog", "Fill it, cropping what is over"),
                                        TrText("ResizeDialog", "Fit inside it, on a canvas")};
inline constexpr UiText AnchorLabel = TrText("ResizeDialog", "Keep:");
inline constexpr UiText AnchorChoices[] = {
    TrText("ResizeDialog", "the centre"), TrText("ResizeDialog", "the most interesting part"),
    TrText("ResizeDialog", "the top or left"), TrText("ResizeDialog", "the bottom or right")};
inline constexpr UiText PadColourLabel = TrText("ResizeDialog", "Canvas colour:");
inline constexpr UiText PadColourHint = TrText("ResizeDialog", "transparent");
inline constexpr UiText SideLabel = TrText("ResizeDialog", "Width is for:");
inline constexpr UiText SideChoices[] = {TrText("ResizeDialog", "the width, height for the height"),
                                         TrText("ResizeDialog", "the longer side"),
                                         TrText("ResizeDialog", "the shorter side")};
inline constexpr UiText PresetLabel = TrText("ResizeDialog", "Preset:");
inline constexpr UiText NoPreset = TrText("ResizeDialog", "(the options below)");
inline constexpr UiText SavePreset = TrText("ResizeDialog", "Save as...");
inline constexpr UiText DeletePreset = TrText("ResizeDialog", "Delete");
inline constexpr UiText PresetName = TrText("ResizeDialog", "Name of the preset:");
inline constexpr UiText DeleteQuestion = TrText("ResizeDialog", "Delete the preset \"%1\"?");
inline constexpr UiText Metadata = TrText("ResizeDialog", "Metadata kept:");
inline constexpr UiText MailMetadata = TrText("ResizeDialog", "In mailed copies:");
inline constexpr UiText MetadataChoices[] = {
    TrText("ResizeDialog", "All of it"),
    TrText("ResizeDialog", "All but location and personal data"),
    TrText("ResizeDialog", "Only the colour profile and resolution")};
inline constexpr UiText MetadataHint = TrText(
    "ResizeDialog", "Location and personal data: GPS position, place names, serial numbers, "
                    "owner and author names, maker notes and contacts. Camera, exposure, date "
                    "taken and copyright stay.");
inline constexpr UiText Srgb = TrText("ResizeDialog", "Convert colours to sRGB for the web");
inline constexpr UiText Estimating = TrText("ResizeDialog", "working out the size...");
inline constexpr UiText AddOutput = TrText("ResizeDialog", "Add...");
inline constexpr UiText EditOutput = TrText("ResizeDialog", "Edit...");
inline constexpr UiText RemoveOutput = TrText("ResizeDialog", "Remove");
inline constexpr UiText SetAsDefault = TrText("ResizeDialog", "Set as default");
inline constexpr UiText DefaultNotKept =
    TrText("ResizeDialog", "These options cannot be kept as the default.\n\n%1");
inline constexpr UiText Resize = TrText("ResizeDialog", "Resize");
inline constexpr UiText ResizeAndMail = TrText("ResizeDialog", "Resize and mail");
inline constexpr UiText Cancel = TrText("ResizeDialog", "Cancel");
inline constexpr UiText SameAsSource = TrText("ResizeDialog", "the same as source");
inline constexpr UiText SelectDestination =
    TrText("ResizeDialog", "select the destination folder...");
inline constexpr UiText DestinationTooLong = TrText(
    "ResizeDialog", "The destination folder's name is too long: it can have at most %1 bytes.");
inline constexpr UiText NotPositiveInteger =
    TrText("ResizeDialog", "Please enter a positive integer.");

inline constexpr UiText FitDesktop = TrText(
    "ResizeDialog", "The pictures you've selected will be auto resize to fit the desktop's size");
inline constexpr UiText ResizeToDesktop =
    TrText("ResizeDialog", "The pictures you've selected will be resize to the desktop's size "
                           "(%1*%2)\r\nuncheck Constrain Proportion might distort your picture(s)");
inline constexpr UiText NotSameSizeConstrained = TrText(
    "ResizeDialog", "The pictures you've selected are not the same size\r\nPlease resize them "
                    "in percent or uncheck Constrain Proportion");
inline constexpr UiText NotSameSize =
    TrText("ResizeDialog", "The pictures you've selected are not the same size");
inline constexpr UiText SelectionSize =
    TrText("ResizeDialog", "The size of the pictures you've selected is:%1*%2");
inline constexpr UiText MightDistort =
    TrText("ResizeDialog", "\r\nuncheck Constrain Proportion might distort your picture(s)");
inline constexpr UiText SizeMismatch = TrText(
    "ResizeDialog", "The size(%1*%2) of the pictures you've selected is not match the Constrain "
                    "Proportion of your setting: %3*%4\r\nPlease reset width and height or "
                    "uncheck Constrain Proportion");
inline constexpr UiText LongerSide =
    TrText("ResizeDialog", "The longer side of each picture will be %1, the other in proportion");
inline constexpr UiText ShorterSide =
    TrText("ResizeDialog", "The shorter side of each picture will be %1, the other in proportion");
inline constexpr UiText Pixels = TrText("ResizeDialog", "%1 pixels");
inline constexpr UiText PercentOfIt = TrText("ResizeDialog", "%1 % of it");
inline constexpr UiText MakesHere =
    TrText("ResizeDialog", "\r\n(%1*%2 for the pictures you've selected)");
inline constexpr UiText FillBox =
    TrText("ResizeDialog", "The pictures will fill %1*%2 exactly, cropped where their proportions "
                           "differ");
inline constexpr UiText PadBox = TrText(
    "ResizeDialog", "The pictures will fit inside %1*%2 whole, on a canvas of exactly that size");
inline constexpr UiText SizeNeeded = TrText(
    "ResizeDialog", "Please give the new width and height: 1 to %1 pixels, or 1 to %2 percent");
inline constexpr UiText DpiNeeded = TrText("ResizeDialog", "\r\nPlease give a DPI from 1 to %1");
inline constexpr UiText DpiHeading = TrText("ResizeDialog", "Your select Pictures:");
inline constexpr UiText XDpi = TrText("ResizeDialog", "\r\nthe X DPI:%1");
inline constexpr UiText XDpiDiffers = TrText("ResizeDialog", "\r\nThe X DPI: not the same");
inline constexpr UiText YDpi = TrText("ResizeDialog", "\r\nThe Y DPI:%1");
inline constexpr UiText YDpiDiffers = TrText("ResizeDialog", "\r\nThe Y DPI: not the same");
} // namespace ResizeDialogText

namespace ProgressDialogText {
inline constexpr UiText Caption = TrText("ProgressDialog", "Process");
inline constexpr UiText Reading = TrText("ProgressDialog", "Reading Pictures Information");
inline constexpr UiText Resizing = TrText("ProgressDialog", "Resizing Pictures");
inline constexpr UiText Cancel = TrText("ProgressDialog", "Cancel");
} // namespace ProgressDialogText

namespace ConfirmDialogText {
inline constexpr UiText Caption = TrText("ConfirmDialog", "Tessary Confirm");
inline constexpr UiText YesToAll = TrText("ConfirmDialog", "Yes to all");
inline constexpr UiText Yes = TrText("ConfirmDialog", "Yes");
inline constexpr UiText No = TrText("ConfirmDialog", "No");
inline constexpr UiText NoToAll = TrText("ConfirmDialog", "No to all");
} // namespace ConfirmDialogText

// "Undo Last Batch": the question before, and what could not be undone.
namespace UndoText {
inline constexpr UiText Title = TrText("Undo", "Undo Last Batch");
inline constexpr UiText Question = TrText("Undo", "Undo the last batch?");
inline constexpr UiText Undo = TrText("Undo", "Undo");
inline constexpr UiText Stay = TrText("Undo", "These stay as they are:");
inline constexpr UiText NotAll = TrText("Undo", "Not all of the last batch could be undone:");
} // namespace UndoText
