// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_shell.h"

#include <QApplication>
#include <QWidget>

#include "ui/atlas/place_finder_dialog.h"
#include "ui/forms/frmAbout.h"
#include "app/single_instance.h"
#include "ui/widgets/language.h"

namespace quorvane {

AppShell::AppShell()
    : finderFactory_([this] { return std::make_unique<WebSearchFinder>(*web_); }),
      quit_([] { QCoreApplication::quit(); }) {}

AppShell::~AppShell() = default;

void AppShell::ShowMessage(const QString& text, MessageIcon icon, QWidget* parent) {
    messages_->Show(text, icon, parent);
}

void AppShell::OpenWebPage(const QString& key) {
    web_->Open(WebPageUrl(key));
}

std::unique_ptr<CoordinateFinder> AppShell::MakeCoordinateFinder() {
    return finderFactory_ ? finderFactory_() : nullptr;
}

PlacePick AppShell::PickPlace(const QString& query, QWidget* parent) {
    if (placePicker_) return placePicker_(query, parent);
    // The atlas is read here, on the first search, never at start-up.
    PlaceFinderDialog dialog(query, parent);
    switch (dialog.exec()) {
        case QDialog::Accepted:
            return {PlacePick::Outcome::Use, dialog.ChosenPlace()};
        case PlaceFinderDialog::WebSearch:
            return {PlacePick::Outcome::WebSearch, std::nullopt};
        default:
            return {};
    }
}

void AppShell::ShowAbout(QWidget* parent) {
    frmAbout about(*this, parent);
    about.exec();
}

void AppShell::QuitApplication() {
    if (quitting_) return;
    if (quitGuard_ && !quitGuard_()) return;
    quitting_ = true;
    // Popups and tool tips are not forms; everything else is closed, hidden ones included.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop) continue;
        window->close();
    }
    quit_();
}

bool AppShell::RefuseSecondInstance(SingleInstance& instance, const QString& fileToOpen) {
    if (instance.TryBecomePrimary(fileToOpen)) return false;
    if (!instance.HandedOver())
        ShowMessage(QCoreApplication::translate("AppShell", "Application is already running"), MessageIcon::Information,
                    nullptr);
    QuitApplication();
    return true;
}

}  // namespace quorvane
