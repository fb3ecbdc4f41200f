#pragma once
// The reading form: four frames with the signs of one reading.

#include <memory>

#include "reading/reading_driver.h"
#include "ui/working_form.h"

namespace Ui { class frmDisplay; }

namespace quorvane {

class SignPictures;

class frmDisplay : public WorkingForm {
    Q_OBJECT
public:
    // `birthForm` is hidden while the reading is shown and comes back on Back.
    frmDisplay(AppShell& shell, QWidget* birthForm);
    ~frmDisplay() override;

    // Fills every field and picture, hides the birth-data form and shows this form.
    void ShowReading(const GalacticReading& reading, const SignPictures& IMGSymbol);

public slots:
    void Form_Load();
    void cmdOK_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();

signals:
    // The form has been closed and is about to go away.
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void PressDefaultButton();
    // Named frames, description boxes reachable by Tab, and the focus mark.
    void NameControlsForAssistiveTechnology();
    // Each value label is read with its heading: "Ruling Planet, Venus".
    void NameValuesForAssistiveTechnology();

    std::unique_ptr<Ui::frmDisplay> ui;
    QWidget* birthForm_;
    bool goingBack_ = false;
};

}  // namespace quorvane
