// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Click on the reading button to the reading form painted, then Back: the whole round as the user
// sees it, the reading form built afresh each time.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/app_shell.h"
#include "ui/forms/frmDisplay.h"
#include "ui/forms/frmMain.h"

namespace quorvane {

class ClickToPaintBench : public QObject {
    Q_OBJECT
private slots:
    void readingButtonToPaintedReadingAndBack() {
        AppShell shell;
        shell.SetQuitHook([] {});
        frmMain form(shell);
        form.show();
        for (const char* field : {"txtName", "txtLatD", "txtLatM", "txtLonD", "txtLonM"})
            form.findChild<QLineEdit*>(QString::fromLatin1(field))->setText(field[3] == 'N' ? "ASHA" : "12");
        auto* button = form.findChild<QPushButton*>(QStringLiteral("cmdRashi"));
        QVERIFY(button);
        QBENCHMARK {
            button->click();
            frmDisplay* display = form.ReadingForm();
            QVERIFY(display && display->isVisible());
            display->repaint();  // painted now, not at the next turn of the event loop
            display->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::ClickToPaintBench)
#include "click_to_paint_bench.moc"
