// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The birth-data form: the user's birth details, the coordinate finder and the reading command.

#include <QPointer>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "births/births.h"
#include "reading/reading_driver.h"
#include "reading/time_window.h"
#include "ui/births/birth_form.h"
#include "ui/forms/working_form.h"
#include "ui/widgets/sign_pictures.h"

namespace Ui {
class frmMain;
}
class QLineEdit;

class QCheckBox;
class QComboBox;
class QLabel;

namespace quorvane {

class BirthsBook;
class frmDisplay;
class WindowServices;
class ZoneSuggestionLine;
class ZoneOffsetEntry;
struct Place;

class frmMain : public WorkingForm, public BirthForm {
    Q_OBJECT
public:
    explicit frmMain(WindowServices& services);
    ~frmMain() override;

    BirthFormValues CollectBirthForm() const override;
    // The reading form while one is loaded.
    frmDisplay* ReadingForm() const;
    const SignPictures& Pictures() const { return IMGSymbol; }

    PlaceTexts PlaceFields() const override;
    // Puts a birth of the births book on the form. A birth whose offset no zone row has gets that exact
    // offset, or local mean time, from the entries after the rows.
    void ShowBirth(const births::Birth& birth) override;
    QWidget* FormWindow() override { return this; }
    BirthsBook& Births() const { return *births_; }

public slots:
    void Form_Load();
    void cmdRashi_Click();
    void mnuNext_Click();
    void cmdBrowser_Click();
    void mnuExit_Click();

    // Key filters: each gets the typed character's code and may set it to 0 (drop the key) or
    // replace it.
    void txtName_KeyPress(std::uint16_t& KeyAscii);
    void txtLonD_KeyPress(std::uint16_t& KeyAscii);
    void txtLonM_KeyPress(std::uint16_t& KeyAscii);
    void txtLatD_KeyPress(std::uint16_t& KeyAscii);
    void txtLatM_KeyPress(std::uint16_t& KeyAscii);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using KeyPressHandler = void (frmMain::*)(std::uint16_t&);
    KeyPressHandler KeyPressHandlerOf(QObject* field) const;
    void DigitFilter(std::uint16_t& KeyAscii);
    QWidget* FieldWidget(FormField field) const;
    void ShowReading(const GalacticReading& reading, std::optional<TimeWindowReading> window = std::nullopt);
    void UsePlace(const Place& place);
    void SetupZoneSuggestion();
    void UpdateZoneSuggestion();
    // Local mean time and a typed offset after the zone rows.
    void SetupZoneOffsetEntry();
    // A plain sentence when the atlas place's clock showed another offset than the reading used.
    std::string ClockNote(const GalacticReading& reading) const;
    // Opens (or closes) a band under the zone box for the suggestion line, moving what lies below.
    void SetZoneBand(bool open);
    // Names, buddies and the focus mark for screen readers and keyboard users.
    void NameControlsForAssistiveTechnology();
    // The births file commands, after the File menu's own.
    void AddBirthsCommands();
    void ShowZoneRefusal(const QString& refusal);

    std::unique_ptr<Ui::frmMain> ui;
    WindowServices& services_;
    SignPictures IMGSymbol;
    QPointer<frmDisplay> display_;
    ZoneSuggestionLine* zoneLine_ = nullptr;
    ZoneOffsetEntry* offsetEntry_ = nullptr;
    // The birthplace last taken from the atlas, with the coordinate fields it filled in: it goes into the
    // report only while those fields still hold what it put there.
    struct AtlasPlace {
        std::string Description;
        QStringList Fields;
    };
    AtlasPlace atlasPlace_;
    // The clock's seconds of the births record put on the form: they count while the form still shows that
    // record's date and time. A second picked on the form never enters the reading.
    struct RecordClock {
        std::array<int, 6> Shown;  // the positions of the date and time lists
        int Second;
    };
    std::optional<RecordClock> recordClock_;
    std::array<int, 6> ClockShown() const;
    QStringList CoordinateFields() const;
    bool zoneBandOpen_ = false;
    BirthsBook* births_ = nullptr;
    QString zoneRefusal_;  // set while a birth without a zone row stands on the form
    // "Time unknown": the reading then covers every minute of the birth date.
    void SetupTimeUnknown();
    void ShowTimeUnknown(bool unknown);
    QCheckBox* chkTimeUnknown_ = nullptr;
    QLabel* lblTimeUnknown_ = nullptr;
    // "between … and …" under it: the clock times of the birth date that reading covers, the whole day
    // unless narrowed. Nothing while the earliest time is after the latest.
    void SetupTimeWindow();
    std::optional<MinuteWindow> TimeWindowShown() const;
    // The clock minute the window's hour list at `hourList` and the minute list after it show.
    int WindowMinuteShown(std::size_t hourList) const;
    // Earliest hour and minute, latest hour and minute.
    std::array<QComboBox*, 4> cboTimeWindow_{};
    std::array<QLabel*, 2> lblTimeWindow_{};
};

}  // namespace quorvane
