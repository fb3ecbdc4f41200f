#include "ui/forms/working_form.h"

#include "app/app_shell.h"

namespace quorvane {

void WorkingForm::mnuOnline_Click() { shell_.OpenWebPage(page::Help); }
void WorkingForm::mnuVisit_Click() { shell_.OpenWebPage(page::Home); }
void WorkingForm::Label61_Click() { shell_.OpenWebPage(page::Home); }
void WorkingForm::mnuUpdate_Click() { shell_.OpenWebPage(page::Download); }
void WorkingForm::mnuDonate_Click() { shell_.OpenWebPage(page::Donate); }
void WorkingForm::lblCobrand_Click() { shell_.OpenWebPage(page::CoBrand); }
void WorkingForm::lblFullBrand_Click() { shell_.OpenWebPage(page::FullyBranded); }
void WorkingForm::mkmoney_Click() { shell_.OpenWebPage(page::FullyBranded); }
void WorkingForm::mnuAbout_Click() { shell_.ShowAbout(this); }

}  // namespace quorvane
