// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/forms/frmAbout.h"

#include "common/version.h"
#include "ui/a11y/accessibility.h"
#include "ui/seams/window_services.h"
#include "ui/style/look.h"
#include "ui_frmAbout.h"

namespace quorvane {

frmAbout::frmAbout(HelpCommands& help, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmAbout>()), help_(help) {
    // The whole sheet is set before the controls exist: set again once they do, it would restyle each of them.
    ApplyUiFont(this);
    setStyleSheet(FocusAndSelectionStyle());
    ui->setupUi(this);
    setModal(true);
    setFixedSize(size());
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui->lblHomePage, &LinkLabel::Clicked, this, &frmAbout::lblHomePage_Click);
    connect(ui->lblCoBrand, &LinkLabel::Clicked, this, &frmAbout::lblCoBrand_Click);
    Form_Load();
    NameControlsForAssistiveTechnology();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load() {
    const QString title = QString::fromUtf8(kProductTitle);
    setWindowTitle(title);
    ui->Label2->setText(title);
    ui->picIcon->setPixmap(QPixmap(QStringLiteral(":/icons/hicolor/48x48/apps/quorvane.png")));
    // The site's address reads better than the page script's and fits the box; a click opens the home page.
    ui->lblHomePage->setText(
        tr("Click here to visit %1")
            .arg(WebPageUrl(page::Home).adjusted(QUrl::RemovePath | QUrl::RemoveQuery).toString()));
}

void frmAbout::NameControlsForAssistiveTechnology() {
    InstallAccessibleInterfaces();
    NameForAssistiveTechnology(ui->picIcon, tr("Product icon"));
    // "Click here for more details" says nothing out of context: the name says what the details are about.
    NameForAssistiveTechnology(ui->lblCoBrand, tr("More details about the fully branded edition"), ui->Label3->text());
    GrowLabelsToFitTheirTexts(this);
    // The box opens on OK, so that Enter closes it; the links come before OK in Tab order.
    ui->cmdOK->setFocus(Qt::OtherFocusReason);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::lblHomePage_Click() {
    help_.OpenWebPage(page::Home);
}

void frmAbout::lblCoBrand_Click() {
    help_.OpenWebPage(page::FullyBranded);
}

}  // namespace quorvane
