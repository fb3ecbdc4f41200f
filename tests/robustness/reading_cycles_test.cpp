// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A thousand readings and Backs in one run of the windows: the memory in use must stay flat, and the
// leak checker linked into this test reports anything left unreachable when it ends.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>

#include "app/app_shell.h"
#include "ui/forms/frmDisplay.h"
#include "ui/forms/frmMain.h"

namespace quorvane {
namespace {

long ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// Every message would be a failure here: the births below are all valid.
class CountingSink final : public MessageSink {
public:
    void Show(const QString&, MessageIcon, QWidget*) override { ++Count; }
    int Count = 0;
};

class ReadingCyclesTest : public QObject {
    Q_OBJECT
private:
    template <class T>
    T* Child(QWidget& parent, const char* name) {
        T* child = parent.findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no control %s", name);
        return child;
    }

    // One reading and Back; the birth changes with i so that every frame is refilled with other texts.
    bool Cycle(frmMain& form, int i) {
        Child<QComboBox>(form, "cboMonth")->setCurrentIndex(i % 12);
        Child<QComboBox>(form, "cboDate")->setCurrentIndex(i % 28);
        Child<QComboBox>(form, "cboYear")->setCurrentIndex(i % 150);
        Child<QComboBox>(form, "cboHH")->setCurrentIndex(i % 24);
        Child<QComboBox>(form, "cmbTimeZone")->setCurrentIndex(i % 71);
        Child<QLineEdit>(form, "txtLatD")->setText(QString::number(i % 90));
        Child<QCheckBox>(form, "chkDST")->setChecked(i % 2 == 1);
        QTest::mouseClick(Child<QPushButton>(form, "cmdRashi"), Qt::LeftButton);
        frmDisplay* display = form.ReadingForm();
        if (!display || !display->isVisible() || form.isVisible()) return false;
        QTest::mouseClick(Child<QPushButton>(*display, "cmdOK"), Qt::LeftButton);
        // The reading form is unloaded on Back: let its deferred deletion happen now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        return form.ReadingForm() == nullptr && form.isVisible();
    }

private slots:
    void initTestCase() {
        // The offscreen platform says so at every reading; a thousand times says nothing more.
        static const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (!text.contains(QLatin1String("does not support raise()"))) previous(type, context, text);
            });
    }

    void thousandReadingsAndBacksKeepMemoryFlat() {
        CountingSink messages;
        AppShell shell;
        shell.SetMessageSink(messages);
        bool quit = false;
        shell.SetQuitHook([&quit] { quit = true; });
        {
            frmMain form(shell);
            form.show();
            Child<QLineEdit>(form, "txtName")->setText(QStringLiteral("ASHA"));
            for (const char* field : {"txtLatM", "txtLonD", "txtLonM"})
                Child<QLineEdit>(form, field)->setText(QStringLiteral("30"));

            // The first readings load fonts, pictures and caches that stay for the run.
            for (int i = 0; i < 20; ++i) QVERIFY(Cycle(form, i));
            const qsizetype baseWindows = QApplication::topLevelWidgets().size();
            malloc_trim(0);
            const long before = ResidentBytes();
            for (int i = 0; i < 1000; ++i) {
                if (!Cycle(form, i)) QFAIL(qPrintable(QStringLiteral("cycle %1 did not read and go back").arg(i)));
            }
            malloc_trim(0);
            const long growth = ResidentBytes() - before;
            // Back must have destroyed every reading form, not only hidden it.
            QCOMPARE(QApplication::topLevelWidgets().size(), baseWindows);
            qInfo("resident memory growth over 1000 cycles: %ld KiB", growth / 1024);
#ifndef QUORVANE_LEAK_CHECKER
            QVERIFY2(growth < 1024 * 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth / 1024)));
#endif
        }
        QCOMPARE(messages.Count, 0);
        QVERIFY(!quit);
    }
};

}  // namespace
}  // namespace quorvane

QTEST_MAIN(quorvane::ReadingCyclesTest)
#include "reading_cycles_test.moc"
