// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A births file of 10,000 records opened in the window (read, list filled and painted), and one
// keystroke in the list's filter box (the list narrowed or widened and painted again).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <random>

#include "ui/births/births_window.h"
#include "app/app_shell.h"
#include "ui/births/births_book.h"
#include "ui/births/births_list_model.h"
#include "ui/forms/frmMain.h"

namespace {

using namespace quorvane;

constexpr int kRecords = 10'000;

class SilentMessages final : public MessageSink {
public:
    void Show(const QString&, MessageIcon, QWidget*) override {}
};

QByteArray TenThousandBirths() {
    const char* const first[] = {"Ada", "Tobias", "Mia", "Jürgen", "Sita", "Lars", "Amara", "Kenji", "Olga", "Rafael"};
    const char* const last[] = {"Ferber", "Okafor", "Lind", "Brandt", "Shrestha",
                                "Novak",  "Haddad", "Sato", "Rossi",  "Moreau"};
    const char* const places[] = {"Kandel/Pfalz,D", "Lagos,WAN", "Uppsala,S", "München,D", "Kathmandu,NEP",
                                  "Praha,CZ",       "Beirut,RL", "Osaka,J",   "Torino,I",  "Lyon,F"};
    std::mt19937 random(11);
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    QByteArray out = "#: ten thousand births\n";
    for (int i = 0; i < kRecords; ++i) {
        out += QStringLiteral("#A93:%1,%2,f,%3.%4.%5,%6:%7,%8\n#B93:*,%9n%10,%11e%12,1he00,%13\n")
                   .arg(QString::fromUtf8(last[pick(10)]), QString::fromUtf8(first[pick(10)]))
                   .arg(1 + pick(28))
                   .arg(1 + pick(12))
                   .arg(1901 + pick(150))
                   .arg(pick(24))
                   .arg(pick(60), 2, 10, QLatin1Char('0'))
                   .arg(QString::fromUtf8(places[pick(10)]))
                   .arg(pick(90))
                   .arg(pick(60), 2, 10, QLatin1Char('0'))
                   .arg(pick(180))
                   .arg(pick(60), 2, 10, QLatin1Char('0'))
                   .arg(pick(2))
                   .toUtf8();
    }
    return out;
}

struct Setup {
    Setup() {
        QFile file(dir.filePath(QStringLiteral("births.aaf")));
        if (!file.open(QIODevice::WriteOnly)) std::abort();
        file.write(TenThousandBirths());
        path = file.fileName();
        shell.SetMessageSink(messages);
        shell.SetQuitHook([] {});
        form.Births().SetSettingsFile(dir.filePath(QStringLiteral("settings.conf")));
        form.show();
    }
    QTemporaryDir dir;
    QString path;
    SilentMessages messages;
    AppShell shell;
    frmMain form{shell};
};

Setup& Shared() {
    static Setup setup;
    return setup;
}

void Painted(BirthsWindow* window) {
    window->List()->viewport()->repaint();  // painted now, not at the next turn of the event loop
}

void BM_OpenTenThousandBirths(benchmark::State& state) {
    Setup& s = Shared();
    for (auto _ : state) {
        if (!s.form.Births().Open(s.path)) state.SkipWithError("the births file did not open");
        Painted(s.form.Births().Window());
        state.PauseTiming();
        if (s.form.Births().Window()->Model().ReadableCount() != kRecords) state.SkipWithError("births missing");
        s.form.Births().Close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenTenThousandBirths)->Unit(benchmark::kMillisecond)->UseRealTime();

// One keystroke a round: a letter typed into the empty filter box, then in the next round taken out
// again. Both look at all 10,000 births (narrowing from one letter to two would look at fewer).
void BM_FilterKeystroke(benchmark::State& state) {
    Setup& s = Shared();
    if (!s.form.Births().File()) s.form.Births().Open(s.path);
    BirthsWindow* window = s.form.Births().Window();
    QLineEdit* filter = window->FilterBox();
    filter->clear();
    filter->setFocus();
    const char letters[] = "aeiorn";
    int round = 0;
    for (auto _ : state) {
        if (round % 2 == 0)
            QTest::keyClick(filter, letters[(round / 2) % 6]);
        else
            QTest::keyClick(filter, Qt::Key_Backspace);
        ++round;
        Painted(window);
    }
    if (filter->text().size() > 1) state.SkipWithError("the filter box did not take the keys");
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
