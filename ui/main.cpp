#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "ui/app_shell.h"
#include "ui/first_paint.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/single_instance.h"

namespace {
QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/quorvane.png").arg(size), QSize(size, size));
    return icon;
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("io.quorvane.Quorvane"));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    // The run ends through QuitApplication only, not when a window happens to be the last one hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    quorvane::AppShell shell;
    quorvane::SingleInstance instance;
    if (shell.RefuseSecondInstance(instance)) return 0;

    quorvane::frmMain form(shell);
    QObject::connect(&instance, &quorvane::SingleInstance::activationRequested, &form, [&form] {
        QWidget* shown = form.ReadingForm() ? static_cast<QWidget*>(form.ReadingForm()) : &form;
        shown->raise();
        shown->activateWindow();
    });
    // Decoding the icon's sizes takes longer than building the form: the window shows first.
    quorvane::AfterFirstPaint::Install(&form, [] { QApplication::setWindowIcon(ApplicationIcon()); });
    quorvane::ExitAfterFirstPaint::InstallIfAsked(&form);
    form.show();
    return QApplication::exec();
}
