// SPDX-License-Identifier: MIT
#include "resize/UndoLastBatch.h"

#include "batch/BatchUndo.h"
#include "resize/BatchRun.h"
#include "resize/ResizeIds.h"

#include <QMessageBox>
#include <QPushButton>

bool CanUndoLastBatch() {
    return !BatchJournal::Last().isEmpty();
}

bool UndoLastBatch(QWidget* parent) {
    const UndoPlan plan = PlanUndo();
    const QStringList left = plan.Left();
    if (!plan.Doable()) {
        QMessageBox box(QMessageBox::Information, UndoText::Title, plan.NothingText(),
                        QMessageBox::Ok, parent);
        BatchRun::ListIn(box, {}, left);
        box.exec();
        return false;
    }
    QMessageBox box(QMessageBox::Question, UndoText::Title, UndoText::Question,
                    QMessageBox::NoButton, parent);
    QPushButton* undo = box.addButton(UndoText::Undo, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(undo);
    BatchRun::ListIn(box,
                     plan.Summary() + u'.' +
                         (left.isEmpty() ? QString() : QStringLiteral("\n\n") + UndoText::Stay),
                     left);
    box.exec();
    if (box.clickedButton() != undo)
        return false;
    const UndoOutcome outcome = RunUndo(plan);
    if (!outcome.failed.isEmpty()) {
        QMessageBox failed(QMessageBox::Warning, UndoText::Title, UndoText::NotAll, QMessageBox::Ok,
                           parent);
        BatchRun::ListIn(failed, {}, outcome.failed);
        failed.exec();
    }
    return true;
}
