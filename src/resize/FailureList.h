// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QWidget;

// Shows, once, the pictures a batch could not process and why.
void ShowFailureList(QWidget* parent, const QStringList& failures);
