// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/forms/working_form.h"

#include "ui/seams/window_services.h"

namespace quorvane {

void WorkingForm::mnuOnline_Click() {
    help_.OpenWebPage(page::Help);
}
void WorkingForm::mnuVisit_Click() {
    help_.OpenWebPage(page::Home);
}
void WorkingForm::Label61_Click() {
    help_.OpenWebPage(page::Home);
}
void WorkingForm::mnuUpdate_Click() {
    help_.OpenWebPage(page::Download);
}
void WorkingForm::mnuDonate_Click() {
    help_.OpenWebPage(page::Donate);
}
void WorkingForm::lblCobrand_Click() {
    help_.OpenWebPage(page::CoBrand);
}
void WorkingForm::lblFullBrand_Click() {
    help_.OpenWebPage(page::FullyBranded);
}
void WorkingForm::mkmoney_Click() {
    help_.OpenWebPage(page::FullyBranded);
}
void WorkingForm::mnuAbout_Click() {
    help_.ShowAbout(this);
}

bool WorkingForm::CloseEndsTheRun(QCloseEvent* event) {
    if (!run_.Quitting()) {
        run_.QuitApplication();  // unloads this window too, through this same handler
        if (!run_.Quitting()) {
            event->ignore();
            return false;
        }
    }
    event->accept();
    return true;
}

}  // namespace quorvane
