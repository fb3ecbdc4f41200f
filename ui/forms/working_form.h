// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the birth-data form and the reading form have in common: the Help and Donate menus, the
// banner and the two branding links, each opening one of the maker's pages, and the About box.

#include <QAction>
#include <QCloseEvent>
#include <QMainWindow>

#include "ui/widgets/small_widgets.h"

namespace quorvane {

class HelpCommands;
class RunControl;

class WorkingForm : public QMainWindow {
    Q_OBJECT
public:
    WorkingForm(HelpCommands& help, RunControl& run) : help_(help), run_(run) {}

public slots:
    void mnuOnline_Click();
    void mnuVisit_Click();
    void Label61_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void mkmoney_Click();
    void mnuAbout_Click();

protected:
    // `Form` is a form's generated ui class; both carry these controls under the same names.
    template <class Form>
    void ConnectSharedCommands(Form& ui) {
        connect(ui.mnuOnline, &QAction::triggered, this, &WorkingForm::mnuOnline_Click);
        connect(ui.mnuVisit, &QAction::triggered, this, &WorkingForm::mnuVisit_Click);
        connect(ui.Label61, &LinkLabel::Clicked, this, &WorkingForm::Label61_Click);
        connect(ui.mnuUpdate, &QAction::triggered, this, &WorkingForm::mnuUpdate_Click);
        connect(ui.mnuDonate, &QAction::triggered, this, &WorkingForm::mnuDonate_Click);
        connect(ui.lblCobrand, &LinkLabel::Clicked, this, &WorkingForm::lblCobrand_Click);
        connect(ui.lblFullBrand, &LinkLabel::Clicked, this, &WorkingForm::lblFullBrand_Click);
        connect(ui.mkmoney, &QAction::triggered, this, &WorkingForm::mkmoney_Click);
        connect(ui.mnuAbout, &QAction::triggered, this, &WorkingForm::mnuAbout_Click);
    }

    // The close box and Alt+F4 end the run as Exit does, unless the user chose to stay for births not
    // saved yet. Accepts or ignores `event`; true when the window closes.
    bool CloseEndsTheRun(QCloseEvent* event);

    HelpCommands& help_;
    RunControl& run_;
};

}  // namespace quorvane
