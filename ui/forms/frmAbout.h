// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: product title, a line about the product, and two links.

#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}

namespace quorvane {

class HelpCommands;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(HelpCommands& help, QWidget* parent);
    ~frmAbout() override;

public slots:
    void Form_Load();
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

private:
    // Names for screen readers and the focus mark for keyboard users.
    void NameControlsForAssistiveTechnology();

    std::unique_ptr<Ui::frmAbout> ui;
    HelpCommands& help_;
};

}  // namespace quorvane
