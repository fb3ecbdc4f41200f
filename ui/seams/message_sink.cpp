// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/seams/message_sink.h"

#include <QMessageBox>

#include "ui/style/look.h"

namespace quorvane {

void BoxMessageSink::Show(const QString& text, MessageIcon icon, QWidget* parent) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromLatin1(kProductName), text, QMessageBox::Ok, parent);
    UseDesktopFont(&box);  // a desktop message: the desktop's font, not the forms'
    box.exec();
}

}  // namespace quorvane
