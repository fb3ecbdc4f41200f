// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reading form: four frames with the signs of one reading.

#include <memory>

#include <QPointer>

#include "report/reading_report.h"
#include "ui/forms/working_form.h"

namespace Ui {
class frmDisplay;
}

class QLabel;

namespace quorvane {

class SignPictures;
class ReadingFormServices;
class WheelWindow;

class frmDisplay : public WorkingForm {
    Q_OBJECT
public:
    // Width and height in pixels of a wheel saved as PNG from the window.
    static constexpr int kWheelPictureSize = 1200;

    // `birthForm` is hidden while the reading is shown and comes back on Back.
    frmDisplay(ReadingFormServices& services, QWidget* birthForm);
    ~frmDisplay() override;

    // Fills every field and picture, hides the birth-data form and shows this form. The birth details go
    // with the reading into the report, the copied text and the wheel.
    void ShowReading(const report::ReadingDocument& doc, const SignPictures& IMGSymbol);
    const report::ReadingDocument& Document() const { return doc_; }
    // The wheel window while it is open.
    WheelWindow* Wheel() const;

public slots:
    void Form_Load();
    void cmdOK_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void mnuSavePdf_Click();
    void mnuPrint_Click();
    void mnuCopyReading_Click();
    void mnuSaveWheelPicture_Click();
    void mnuShowWheel_Click();
    void cmdWheel_Click();

signals:
    // The form has been closed and is about to go away.
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PressDefaultButton();
    // The commands that take the reading off the screen: after the written ones in the File menu, and the
    // wheel button in the bottom strip.
    void AddOutputCommands();
    // A file name from the chooser, proposed in the last folder used (the documents folder at first), with
    // `suffix` added when the user gave none; empty when cancelled.
    QString ChooseSaveFile(const QString& caption, const QString& proposedName, const QString& filter,
                           const QString& suffix);
    // Named frames, description boxes reachable by Tab, and the focus mark.
    void NameControlsForAssistiveTechnology();
    // Each value label is read with its heading: "Ruling Planet, Venus".
    void NameValuesForAssistiveTechnology();

    std::unique_ptr<Ui::frmDisplay> ui;
    ReadingFormServices& services_;
    QWidget* birthForm_;
    bool goingBack_ = false;
    report::ReadingDocument doc_;
    QPointer<WheelWindow> wheel_;
    QPushButton* cmdWheel_ = nullptr;  // beside Back in the bottom strip
    // Under the bottom strip, only for a reading made with an exact offset or local mean time, or whose
    // zone disagreed with the atlas place's clock: the instant and offset used, and that note.
    QLabel* lblInstant_ = nullptr;
    void ShowInstant();
};

}  // namespace quorvane
