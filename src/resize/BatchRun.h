// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QStringList>

class AppSettings;
class QWidget;

// A batch as every command runs it, from the resize dialog, the list and a
// file manager's hand-off alike: the PictureList through a progress dialog
// with the stored options, the pictures that failed shown once, and the
// results handed to the mail client when asked.
class BatchRun {
public:
    BatchRun(AppSettings& settings, QWidget* parent);

    // True when the batch ran to its end; a cancelled one mails nothing.
    bool Resize(bool mail);
    // Hands MailTempList (or the PictureList) to the mail client and tells
    // the user when that fails.
    void MailPictures();
    // lines in box, after the text before them: the first few inline, the
    // whole list behind "details".
    static void ListIn(QMessageBox& box, const QString& before, const QStringList& lines);

private:
    void ShowFailures(const QStringList& failures, bool severalOutputs) const;
    void ShowReencoded(const QStringList& reencoded) const;
    void ShowList(QMessageBox::Icon icon, const QString& heading, const QStringList& lines) const;

    AppSettings& settings_;
    QWidget* parent_;
};
