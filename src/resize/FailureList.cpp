// SPDX-License-Identifier: MIT
#include "resize/FailureList.h"

#include <QMessageBox>

namespace {
constexpr int kListedInline = 8;
}

void ShowFailureList(QWidget* parent, const QStringList& failures) {
    if (failures.isEmpty())
        return;
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Tessary"),
        failures.size() == 1
            ? QStringLiteral("One picture could not be processed:")
            : QStringLiteral("%1 pictures could not be processed:").arg(failures.size()),
        QMessageBox::Ok, parent);
    QStringList shown = failures.mid(0, kListedInline);
    if (failures.size() > kListedInline)
        shown << QStringLiteral("... and %1 more (see the details)")
                     .arg(failures.size() - kListedInline);
    box.setInformativeText(shown.join(QLatin1Char('\n')));
    if (failures.size() > kListedInline)
        box.setDetailedText(failures.join(QLatin1Char('\n')));
    box.exec();
}
