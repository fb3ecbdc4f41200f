// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/later_starts.h"

#include "ui/births/births_book.h"
#include "ui/forms/frmDisplay.h"
#include "ui/forms/frmMain.h"
#include "app/single_instance.h"

namespace quorvane {

void ServeLaterStarts(SingleInstance& instance, frmMain& form) {
    QObject::connect(&instance, &SingleInstance::ActivationRequested, &form, [&form] {
        QWidget* shown = form.ReadingForm() ? static_cast<QWidget*>(form.ReadingForm()) : &form;
        shown->raise();
        shown->activateWindow();
    });
    // Opening shows the births list in front of the form.
    QObject::connect(
        &instance, &SingleInstance::FileOpenRequested, &form,
        [&form](const QString& path) { form.Births().Open(path); }, Qt::QueuedConnection);
}

}  // namespace quorvane
