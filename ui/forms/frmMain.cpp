// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/forms/frmMain.h"

#include "atlas/web_search.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "common/version.h"
#include "atlas/coordinates.h"
#include "ui/atlas/place_finder_dialog.h"
#include "ui/atlas/zone_suggestion_line.h"
#include "reading/time_zones.h"
#include "ui/a11y/accessibility.h"
#include "ui/seams/window_services.h"
#include "ui/births/births_book.h"
#include "ui/births/births_window.h"
#include "ui/forms/frmDisplay.h"
#include "ui/forms/zone_offset_entry.h"
#include "reading/utc_offset.h"
#include "ui/style/look.h"
#include "ui/widgets/language.h"
#include "ui/widgets/small_widgets.h"
#include "ui_frmMain.h"

namespace quorvane {

namespace {

constexpr int kZoneBand = 48;  // px: room for three lines of suggestion text

// All at once: the list's model then takes them in one insertion rather than one per entry.
void AddNumbers(QComboBox* list, int first, int last) {
    QStringList numbers;
    numbers.reserve(last - first + 1);
    for (int n = first; n <= last; ++n) numbers.push_back(QString::number(n));
    list->addItems(numbers);
}

// The character a key press types, as the filters see it; nothing for keys that only move the
// caret or the focus (arrows, Home, Delete, Tab ...).
std::optional<std::uint16_t> TypedCode(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return std::nullopt;
        default:
            break;
    }
    // Control letters arrive as their control codes: Ctrl+C is 3, Ctrl+V is 22.
    if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return static_cast<std::uint16_t>(key.key() - Qt::Key_A + 1);
    const QString text = key.text();
    if (text.isEmpty() || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return std::nullopt;
    return text.at(0).unicode();
}

}  // namespace

frmMain::frmMain(WindowServices& services)
    : WorkingForm(services, services), ui(std::make_unique<Ui::frmMain>()), services_(services) {
    ApplyUiFont(this);
    ui->setupUi(this);
    // Before any control is polished, which is when each takes its colours.
    UseBirthFormLook(ui->centralwidget, QStringLiteral(":/forms/frmMain.qss"));
    ui->optLat->setId(ui->optLat_0, 0);
    ui->optLat->setId(ui->optLat_1, 1);
    ui->optLong->setId(ui->optLong_0, 0);
    ui->optLong->setId(ui->optLong_1, 1);
    TabToTheCheckedButton(ui->optLat);
    TabToTheCheckedButton(ui->optLong);
    const QList<QAction*> separators = [this] {
        QList<QAction*> found;
        for (QAction* action : ui->mnuHelp->actions())
            if (action->isSeparator()) found.push_back(action);
        return found;
    }();
    for (int i = 0; i < separators.size(); ++i) separators[i]->setObjectName(QStringLiteral("mnuHelp%1").arg(i + 1));

    ui->centralwidget->setFixedSize(kBirthFormWidth, kBirthFormHeight);
    setFixedSize(kBirthFormWidth, kBirthFormHeight + ui->menubar->sizeHint().height());

    for (QLineEdit* field : {ui->txtName, ui->txtLonD, ui->txtLonM, ui->txtLatD, ui->txtLatM})
        field->installEventFilter(this);

    connect(ui->cmdRashi, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
    connect(ui->mnuNext, &QAction::triggered, this, &frmMain::mnuNext_Click);
    SetupZoneSuggestion();
    connect(ui->cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    ConnectSharedCommands(*ui);
    // Before the names and the first focus are given, which it shares.
    SetupTimeUnknown();
    SetupTimeWindow();
    NameControlsForAssistiveTechnology();
    Form_Load();
    SetupZoneOffsetEntry();
    AddBirthsCommands();
}

void frmMain::SetupTimeUnknown() {
    // In the free column right of the zone box, the box over its two-line caption.
    const QRect zone = ui->fraZone->geometry();
    const int left = zone.right() + 3, width = ui->Frame1->width() - left - 3;
    chkTimeUnknown_ = new QCheckBox(ui->Frame1);
    chkTimeUnknown_->setObjectName(QStringLiteral("chkTimeUnknown"));
    chkTimeUnknown_->setGeometry(left + (width - 17) / 2, zone.y() + 8, 17, 17);
    lblTimeUnknown_ = new QLabel(tr("Time unknown"), ui->Frame1);
    lblTimeUnknown_->setObjectName(QStringLiteral("lblTimeUnknown"));
    lblTimeUnknown_->setWordWrap(true);
    lblTimeUnknown_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The column is narrow: the type is made smaller until the longest word of the caption fits it.
    QFont font = ui->chkDST->font();
    const auto widestWord = [this](const QFont& f) {
        qreal widest = 0;
        for (const QString& word : lblTimeUnknown_->text().split(u' ', Qt::SkipEmptyParts))
            widest = std::max(widest, QFontMetricsF(f).horizontalAdvance(word));
        return widest;
    };
    while (font.pointSizeF() > 6 && widestWord(font) > width - 2) font.setPointSizeF(font.pointSizeF() - 0.25);
    lblTimeUnknown_->setFont(font);
    lblTimeUnknown_->setGeometry(left, zone.y() + 27, width, 34);
    lblTimeUnknown_->setBuddy(chkTimeUnknown_);
    lblTimeUnknown_->installEventFilter(this);
    NameForAssistiveTechnology(chkTimeUnknown_, tr("Time unknown"));
    // After every written control in Tab order.
    setTabOrder(ui->cmdRashi, chkTimeUnknown_);
    connect(chkTimeUnknown_, &QCheckBox::toggled, this, &frmMain::ShowTimeUnknown);
}

void frmMain::ShowTimeUnknown(bool unknown) {
    for (QWidget* list :
         {static_cast<QWidget*>(ui->cboHH), static_cast<QWidget*>(ui->cboMM), static_cast<QWidget*>(ui->cboSS)})
        list->setEnabled(!unknown);
    for (QComboBox* list : cboTimeWindow_)
        if (list) list->setEnabled(unknown);
    for (QLabel* label : lblTimeWindow_)
        if (label) label->setEnabled(unknown);
}

void frmMain::SetupTimeWindow() {
    // Stacked in the same free column, under the zone box (so the suggestion band moves it with the rest):
    // "between", hour over minute, "and", hour over minute.
    const QRect zone = ui->fraZone->geometry();
    const int left = zone.right() + 3, width = ui->Frame1->width() - left - 3;
    const int listWidth = ui->cboHH->width(), listHeight = ui->cboHH->height();
    const char* const captions[] = {QT_TR_NOOP("between"), QT_TR_NOOP("and")};
    const char* const names[] = {QT_TR_NOOP("Earliest birth hour"), QT_TR_NOOP("Earliest birth minute"),
                                 QT_TR_NOOP("Latest birth hour"), QT_TR_NOOP("Latest birth minute")};
    const char* const objectNames[] = {"cboTimeFromHH", "cboTimeFromMM", "cboTimeToHH", "cboTimeToMM"};
    // A list gets its screen-reader interface at its first event (filling it, choosing an entry) and keeps it:
    // the interface that reads a list by its name needs the name by then.
    InstallAccessibleInterfaces();
    QFont font = lblTimeUnknown_->font();
    for (const char* caption : captions)
        while (font.pointSizeF() > 6 && QFontMetricsF(font).horizontalAdvance(tr(caption)) > width - 2)
            font.setPointSizeF(font.pointSizeF() - 0.25);
    const int labelHeight = static_cast<int>(std::ceil(QFontMetricsF(font).height())) + 1;
    int y = zone.bottom() + 4;
    QWidget* previous = chkTimeUnknown_;
    for (int i = 0; i < 4; ++i) {
        if (i % 2 == 0) {
            QLabel* label = new QLabel(tr(captions[i / 2]), ui->Frame1);
            label->setObjectName(i == 0 ? QStringLiteral("lblTimeFrom") : QStringLiteral("lblTimeTo"));
            label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            label->setFont(font);
            label->setGeometry(left, y, width, labelHeight);
            lblTimeWindow_[static_cast<std::size_t>(i / 2)] = label;
            y += labelHeight + 1;
        }
        auto* list = new FormList(ui->Frame1);
        // Named on its own: as a buddy the caption would be all a screen reader says of both lists under it.
        NameForAssistiveTechnology(list, tr(names[i]));
        list->setObjectName(QLatin1String(objectNames[i]));
        list->setFont(ui->cboHH->font());
        list->setGeometry(left + (width - listWidth) / 2, y, listWidth, listHeight);
        AddNumbers(list, 0, i % 2 == 0 ? 23 : 59);
        // The whole day until narrowed.
        list->setCurrentIndex(i < 2 ? 0 : list->count() - 1);
        setTabOrder(previous, list);
        previous = list;
        cboTimeWindow_[static_cast<std::size_t>(i)] = list;
        y += listHeight + (i % 2 == 0 ? 2 : 5);
    }
    ShowTimeUnknown(chkTimeUnknown_->isChecked());
    // With the time unknown the suggestion is for the window's first minute.
    connect(chkTimeUnknown_, &QCheckBox::toggled, this, &frmMain::UpdateZoneSuggestion);
    for (QComboBox* list : {cboTimeWindow_[0], cboTimeWindow_[1]})
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::UpdateZoneSuggestion);
}

int frmMain::WindowMinuteShown(std::size_t hourList) const {
    return cboTimeWindow_[hourList]->currentIndex() * 60 + cboTimeWindow_[hourList + 1]->currentIndex();
}

std::optional<MinuteWindow> frmMain::TimeWindowShown() const {
    const MinuteWindow window{WindowMinuteShown(0), WindowMinuteShown(2)};
    if (window.From > window.To) return std::nullopt;
    return window;
}

frmMain::~frmMain() {
    services_.SetQuitGuard({});
    delete display_.data();
}

void frmMain::AddBirthsCommands() {
    births_ = new BirthsBook(services_, services_, services_, *this);
    services_.SetQuitGuard([this] { return births_->MayQuit(); });
    QMenu* file = ui->mnuFile;
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileBirths"));
    const auto add = [this, file](const char* name, const QString& text, const QKeySequence& key, auto command) {
        QAction* action = file->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, births_, command);
        return action;
    };
    add("mnuOpenBirths", tr("Open Births…"), QKeySequence::Open, &BirthsBook::OpenBirths);
    QMenu* recent = file->addMenu(tr("Open Recent"));
    recent->setObjectName(QStringLiteral("mnuOpenRecent"));
    recent->setAccessibleName(tr("Open Recent births files"));
    connect(recent, &QMenu::aboutToShow, births_, [this, recent] { births_->FillRecentMenu(recent); });
    add("mnuSaveToBirths", tr("Save to Births"), QKeySequence::Save, &BirthsBook::SaveToBirths);
    add("mnuSaveBirthsAs", tr("Save Births As…"), QKeySequence(), &BirthsBook::SaveBirthsAs);
    add("mnuImport", tr("Import…"), QKeySequence(), &BirthsBook::Import);

    connect(ui->cmbTimeZone, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (row >= 0 && !zoneRefusal_.isEmpty()) ShowZoneRefusal({});
    });
}

frmMain::PlaceTexts frmMain::PlaceFields() const {
    return {ui->txtMCity->text(), ui->txtMState->text(), ui->txtMCountry->text()};
}

std::array<int, 6> frmMain::ClockShown() const {
    return {ui->cboYear->currentIndex(), ui->cboMonth->currentIndex(), ui->cboDate->currentIndex(),
            ui->cboHH->currentIndex(),   ui->cboMM->currentIndex(),    ui->cboSS->currentIndex()};
}

void frmMain::ShowBirth(const births::Birth& birth) {
    const BirthData& d = birth.Data;
    ui->txtName->setText(ToQString(d.Name));  // as spelt in the file: the key filter is for typing
    ui->cboMonth->setCurrentIndex(d.Month - 1);
    ui->cboDate->setCurrentIndex(d.Day - 1);
    ui->cboYear->setCurrentIndex(d.Year - kFirstYear);
    ui->cboHH->setCurrentIndex(d.Hour);
    ui->cboMM->setCurrentIndex(d.Minute);
    ui->cboSS->setCurrentIndex(d.Second);
    recordClock_ = RecordClock{ClockShown(), d.Second};
    ui->chkDST->setChecked(d.IsDaylightSaving);
    if (chkTimeUnknown_) chkTimeUnknown_->setChecked(birth.TimeUnknown);
    ui->txtLatD->setText(QString::number(d.LatitudeDegrees));
    ui->txtLatM->setText(QString::number(d.LatitudeMinutes));
    (d.IsSouth ? ui->optLat_1 : ui->optLat_0)->setChecked(true);
    ui->txtLonD->setText(QString::number(d.LongitudeDegrees));
    ui->txtLonM->setText(QString::number(d.LongitudeMinutes));
    (d.IsEast ? ui->optLong_0 : ui->optLong_1)->setChecked(true);
    // A place is kept as "city/state", the way exchange files write a town and its region.
    const QString place = ToQString(birth.Place);
    const qsizetype slash = place.indexOf(u'/');
    ui->txtMCity->setText(slash < 0 ? place : place.left(slash));
    ui->txtMState->setText(slash < 0 ? QString() : place.mid(slash + 1));
    ui->txtMCountry->setText(ToQString(birth.Country));
    zoneLine_->SetPlace({}, {});  // a suggestion belonged to the place found before
    if (birth.ZoneRow >= 0) {
        ui->cmbTimeZone->setCurrentIndex(birth.ZoneRow);
        ShowZoneRefusal({});
    } else if (births::HasExactOffset(birth)) {
        // No row has the file's offset: it is taken exactly, or as the birthplace's local mean time.
        if (birth.Clock == births::ClockKind::LocalMeanTime)
            offsetEntry_->ChooseLocalMeanTime();
        else
            offsetEntry_->ChooseOffset(-birth.StandardOffset.TotalSecondsWest());
        ShowZoneRefusal({});
    } else {
        ui->cmbTimeZone->setCurrentIndex(-1);
        ShowZoneRefusal(ReadingRefusalText(birth));
    }
}

void frmMain::ShowZoneRefusal(const QString& refusal) {
    zoneRefusal_ = refusal;
    ui->cmbTimeZone->setToolTip(refusal);
    ui->cmbTimeZone->setAccessibleDescription(refusal);
}

frmDisplay* frmMain::ReadingForm() const {
    return display_.data();
}

void frmMain::Form_Load() {
    setWindowTitle(QString::fromUtf8(kProductTitle));
    QStringList months, zones;
    for (int month = 1; month <= 12; ++month) months.push_back(UiMonthName(month));
    for (int row = 0; row < static_cast<int>(TimeZoneTable().size()); ++row) zones.push_back(UiZoneRow(row));
    ui->cboMonth->addItems(months);
    ui->cmbTimeZone->addItems(zones);
    AddNumbers(ui->cboDate, 1, 31);
    AddNumbers(ui->cboYear, kFirstYear, kLastYear);
    AddNumbers(ui->cboHH, 0, 23);
    AddNumbers(ui->cboMM, 0, 59);
    AddNumbers(ui->cboSS, 0, 59);
    for (QComboBox* list : {ui->cboMonth, ui->cboDate, ui->cboYear, ui->cboHH, ui->cboMM, ui->cboSS})
        list->setCurrentIndex(0);
    ui->cmbTimeZone->setCurrentIndex(kDefaultTimeZoneIndex);
}

BirthFormValues frmMain::CollectBirthForm() const {
    BirthFormValues form;
    form.Name = ui->txtName->text().toStdString();
    form.LongitudeDegrees = ui->txtLonD->text().toStdString();
    form.LongitudeMinutes = ui->txtLonM->text().toStdString();
    form.LatitudeDegrees = ui->txtLatD->text().toStdString();
    form.LatitudeMinutes = ui->txtLatM->text().toStdString();
    form.MonthPosition = ui->cboMonth->currentIndex();
    form.DayPosition = ui->cboDate->currentIndex();
    form.YearPosition = ui->cboYear->currentIndex();
    form.Year = ui->cboYear->currentText().toInt();
    form.Hour = ui->cboHH->currentText().toInt();
    form.Minute = ui->cboMM->currentText().toInt();
    form.Second = recordClock_ && recordClock_->Shown == ClockShown() ? recordClock_->Second : 0;
    form.ZoneIndex = ui->cmbTimeZone->currentIndex();
    form.IsEast = ui->optLong_0->isChecked();
    form.IsSouth = ui->optLat_1->isChecked();
    form.IsDaylightSaving = ui->chkDST->isChecked();
    form.TimeUnknown = chkTimeUnknown_ && chkTimeUnknown_->isChecked();
    if (offsetEntry_) offsetEntry_->Fill(form);
    return form;
}

QWidget* frmMain::FieldWidget(FormField field) const {
    switch (field) {
        case FormField::Name:
            return ui->txtName;
        case FormField::LongitudeDegrees:
            return ui->txtLonD;
        case FormField::LongitudeMinutes:
            return ui->txtLonM;
        case FormField::LatitudeDegrees:
            return ui->txtLatD;
        case FormField::LatitudeMinutes:
            return ui->txtLatM;
        case FormField::None:
            break;
    }
    return nullptr;
}

void frmMain::cmdRashi_Click() {
    const BirthFormValues form = CollectBirthForm();
    // A birth whose offset no row has is never read with another row's offset.
    if (!zoneRefusal_.isEmpty() && form.ZoneIndex < 0 && ValidateBirthData(TextsOf(form)).Ok) {
        services_.ShowMessage(zoneRefusal_, MessageIcon::Error, this);
        ui->cmbTimeZone->setFocus(Qt::OtherFocusReason);
        return;
    }
    // An offset that cannot be read is never replaced by another one.
    if (offsetEntry_->Unreadable() && ValidateBirthData(TextsOf(form)).Ok) {
        services_.ShowMessage(ZoneOffsetEntry::UnreadableMessage(), MessageIcon::Error, this);
        offsetEntry_->Field()->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::optional<MinuteWindow> window = TimeWindowShown();
    if (form.TimeUnknown && !window && ValidateBirthData(TextsOf(form)).Ok) {
        services_.ShowMessage(tr("Please Choose an Earliest Birth Time (\"%1\") No Later Than the Latest (\"%2\")")
                                  .arg(tr("between"), tr("and")),
                              MessageIcon::Information, this);
        cboTimeWindow_[0]->setFocus(Qt::OtherFocusReason);
        return;
    }
    const ReadingSession::Outcome outcome = services_.Session().Read(form);
    if (!outcome.Validation.Ok) {
        services_.ShowMessage(outcome.Validation.Message, this);
        if (QWidget* field = FieldWidget(outcome.Validation.Focus)) field->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!outcome.Reading) return;
    if (form.TimeUnknown) {
        // Every minute of the window, under the zone the reading took.
        const GalacticReading& first = *outcome.Reading;
        const BirthData& birth = services_.Session().LastBirthData();
        const ZoneOffset zone = services_.Session().LastZone();
        ShowReading(first,
                    ReadTimeWindow(birth, SteadyClock(zone, birth.IsDaylightSaving), *window, form.YearPosition));
        return;
    }
    ShowReading(*outcome.Reading);
}

void frmMain::mnuNext_Click() {
    cmdRashi_Click();
}

void frmMain::ShowReading(const GalacticReading& reading, std::optional<TimeWindowReading> window) {
    if (!display_) {
        display_ = new frmDisplay(services_, this);
        // Back unloads the reading form; the next reading loads a fresh one.
        connect(display_, &frmDisplay::Unloaded, this, [this] { display_ = nullptr; });
    }
    report::ReadingDocument doc{
        services_.Session().LastBirthData(), services_.Session().LastZoneIndex(), {}, reading, false, {}, std::nullopt};
    doc.LocalMeanTime = services_.Session().LastWasLocalMeanTime();
    doc.Window = std::move(window);
    if (!atlasPlace_.Description.empty() && atlasPlace_.Fields == CoordinateFields()) {
        doc.Place = atlasPlace_.Description;
        doc.ClockNote = ClockNote(reading);
    }
    display_->ShowReading(doc, IMGSymbol);
}

void frmMain::cmdBrowser_Click() {
    const struct {
        QLineEdit* Field;
        const char* Message;
    } required[] = {{ui->txtMCity, QT_TR_NOOP("Please Enter City")},
                    {ui->txtMState, QT_TR_NOOP("Please Enter State")},
                    {ui->txtMCountry, QT_TR_NOOP("Please Enter Country")}};
    for (const auto& [field, message] : required) {
        if (field->text().isEmpty()) {
            services_.ShowMessage(tr(message), MessageIcon::Information, this);
            field->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const QString phrase =
        QString::fromStdString(WebSearchPhrase(ui->txtMCity->text().toStdString(), ui->txtMState->text().toStdString(),
                                               ui->txtMCountry->text().toStdString()));
    const PlacePick pick = services_.PickPlace(
        PlaceFinderDialog::QueryOf(ui->txtMCity->text(), ui->txtMState->text(), ui->txtMCountry->text()), this);
    if (pick.Result == PlacePick::Outcome::Use && pick.Chosen) {
        UsePlace(*pick.Chosen);
    } else if (pick.Result == PlacePick::Outcome::WebSearch) {
        if (std::unique_ptr<CoordinateFinder> finder = services_.MakeCoordinateFinder())
            finder->FindCoordinates(phrase, WebPageUrl(page::Home));
    }
}

void frmMain::UsePlace(const Place& place) {
    const DegreesMinutes lat = LatitudeToDegreesMinutes(place.Latitude);
    const DegreesMinutes lon = LongitudeToDegreesMinutes(place.Longitude);
    ui->txtLatD->setText(QString::number(lat.Degrees));
    ui->txtLatM->setText(QString::number(lat.Minutes));
    (lat.Hemisphere == 'S' ? ui->optLat_1 : ui->optLat_0)->setChecked(true);
    ui->txtLonD->setText(QString::number(lon.Degrees));
    ui->txtLonM->setText(QString::number(lon.Minutes));
    (lon.Hemisphere == 'W' ? ui->optLong_1 : ui->optLong_0)->setChecked(true);
    atlasPlace_ = {DescribePlace(place), CoordinateFields()};
    // The place's zone is only remembered: the zone list and the box change when the user applies it.
    zoneLine_->SetPlace(QString::fromStdString(place.City), QString::fromStdString(place.TimeZoneId), place.Longitude);
}

std::string frmMain::ClockNote(const GalacticReading& reading) const {
    const auto& s = zoneLine_->suggestion();
    if (!s) return {};
    return UiText(ClockDisagreement(*s, reading.UtcOffsetSecondsEast, true)).toStdString();
}

void frmMain::SetupZoneOffsetEntry() {
    // In the zone box, left of the daylight-saving box, above the list it belongs to.
    const QRect dst = ui->chkDST->geometry(), list = ui->cmbTimeZone->geometry();
    offsetEntry_ = new ZoneOffsetEntry(ui->cmbTimeZone, ui->fraZone,
                                       QRect(list.x(), dst.y(), dst.x() - list.x() - 6, list.height()));
    const auto showMeanTime = [this] {
        const BirthFormValues form = CollectBirthForm();
        const bool readable = ParseWholeNumber(form.LongitudeDegrees) && ParseWholeNumber(form.LongitudeMinutes);
        offsetEntry_->ShowLocalMeanTime(readable ? std::optional(LocalMeanTimeOffset(BirthDataOf(form, {})))
                                                 : std::nullopt);
        if (form.LocalMeanTime) UpdateZoneSuggestion();
    };
    for (QLineEdit* field : {ui->txtLonD, ui->txtLonM}) connect(field, &QLineEdit::textChanged, this, showMeanTime);
    connect(ui->optLong_0, &QRadioButton::toggled, this, showMeanTime);
    connect(offsetEntry_, &ZoneOffsetEntry::Changed, this, &frmMain::UpdateZoneSuggestion);
    showMeanTime();
    connect(zoneLine_, &ZoneSuggestionLine::ApplyOffsetRequested, this, [this](int secondsEast, bool localMeanTime) {
        if (localMeanTime)
            offsetEntry_->ChooseLocalMeanTime();
        else
            offsetEntry_->ChooseOffset(secondsEast);
        ui->chkDST->setChecked(false);
    });
    // Right after the list in Tab order, before the suggestion's Apply.
    setTabOrder(ui->cmbTimeZone, offsetEntry_->Field());
}

QStringList frmMain::CoordinateFields() const {
    return {ui->txtLatD->text(),
            ui->txtLatM->text(),
            ui->optLat_1->isChecked() ? QStringLiteral("S") : QStringLiteral("N"),
            ui->txtLonD->text(),
            ui->txtLonM->text(),
            ui->optLong_1->isChecked() ? QStringLiteral("W") : QStringLiteral("E")};
}

void frmMain::SetupZoneSuggestion() {
    zoneLine_ = new ZoneSuggestionLine(ui->Frame1);
    zoneLine_->setObjectName(QStringLiteral("zoneSuggestion"));
    const QRect zone = ui->fraZone->geometry();
    zoneLine_->setGeometry(zone.x(), zone.bottom() + 3, zone.width(), kZoneBand - 4);
    zoneLine_->installEventFilter(this);
    for (QComboBox* list : {ui->cboMonth, ui->cboDate, ui->cboYear, ui->cboHH, ui->cboMM, ui->cmbTimeZone})
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::UpdateZoneSuggestion);
    connect(ui->chkDST, &QCheckBox::toggled, this, &frmMain::UpdateZoneSuggestion);
    connect(zoneLine_, &ZoneSuggestionLine::ApplyRequested, this, [this](int row, bool daylightSaving) {
        ui->cmbTimeZone->setCurrentIndex(row);
        ui->chkDST->setChecked(daylightSaving);
    });
}

void frmMain::UpdateZoneSuggestion() {
    const BirthFormValues form = CollectBirthForm();
    // A window's zone is that of its first minute, as the command line takes it.
    const int clockMinute = form.TimeUnknown && cboTimeWindow_[0] ? WindowMinuteShown(0) : form.Hour * 60 + form.Minute;
    zoneLine_->SetLocalTime(form.Year, form.MonthPosition + 1, form.DayPosition + 1, clockMinute / 60,
                            clockMinute % 60);
    const std::optional<ZoneOffset> chosen = ChosenOffset(form);
    zoneLine_->SetCurrentZone(form.ZoneIndex, form.IsDaylightSaving,
                              chosen ? SecondsEastInForce(*chosen, form.IsDaylightSaving) : 0, form.LocalMeanTime);
}

void frmMain::SetZoneBand(bool open) {
    if (open == zoneBandOpen_) return;
    zoneBandOpen_ = open;
    const int dy = open ? kZoneBand : -kZoneBand;
    const int zoneBottom = ui->fraZone->geometry().bottom();
    for (QWidget* child : ui->Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != zoneLine_ && child->y() > zoneBottom) child->move(child->x(), child->y() + dy);
    ui->Frame1->resize(ui->Frame1->width(), ui->Frame1->height() + dy);
    ui->Frame5->move(ui->Frame5->x(), ui->Frame5->y() + dy);
    ui->centralwidget->setFixedSize(ui->centralwidget->width(), ui->centralwidget->height() + dy);
    setFixedSize(width(), height() + dy);
}

void frmMain::NameControlsForAssistiveTechnology() {
    InstallAccessibleInterfaces();
    const struct {
        QWidget* Control;
        const char* Name;
    } names[] = {
        {ui->txtName, QT_TR_NOOP("Name")},
        {ui->cboMonth, QT_TR_NOOP("Birth month")},
        {ui->cboDate, QT_TR_NOOP("Birth day")},
        {ui->cboYear, QT_TR_NOOP("Birth year")},
        {ui->cboHH, QT_TR_NOOP("Birth hour")},
        {ui->cboMM, QT_TR_NOOP("Birth minute")},
        {ui->cboSS, QT_TR_NOOP("Birth second")},
        {ui->chkDST, QT_TR_NOOP("Daylight Saving Time")},
        {ui->cmbTimeZone, QT_TR_NOOP("Time zone")},
        {ui->txtLatD, QT_TR_NOOP("Latitude degrees")},
        {ui->txtLatM, QT_TR_NOOP("Latitude minutes")},
        {ui->optLat_0, QT_TR_NOOP("Latitude: North")},
        {ui->optLat_1, QT_TR_NOOP("Latitude: South")},
        {ui->txtLonD, QT_TR_NOOP("Longitude degrees")},
        {ui->txtLonM, QT_TR_NOOP("Longitude minutes")},
        {ui->optLong_0, QT_TR_NOOP("Longitude: East")},
        {ui->optLong_1, QT_TR_NOOP("Longitude: West")},
        {ui->txtMCity, QT_TR_NOOP("City")},
        {ui->txtMState, QT_TR_NOOP("State")},
        {ui->txtMCountry, QT_TR_NOOP("Country")},
        {ui->cmdBrowser, QT_TR_NOOP("Click Here To Find Latitude & Longitude")},
    };
    for (const auto& [control, name] : names) NameForAssistiveTechnology(control, tr(name));
    // A frame inside a frame would otherwise be named after the outer one.
    for (QGroupBox* frame : {ui->fraZone, ui->Frame3, ui->Frame4}) NameForAssistiveTechnology(frame, frame->title());
    ui->txtLatD->setAccessibleDescription(tr("0 to 90"));
    ui->txtLonD->setAccessibleDescription(tr("0 to 180"));
    for (QWidget* minutes : {ui->txtLatM, ui->txtLonM}) minutes->setAccessibleDescription(tr("0 to 59"));

    // A label that names its one field labels it. "Date of Birth", "Time of Birth", "Deg" and "Min" stay
    // on the form but label no field: a screen reader would read them in place of the fields' own names
    // ("Birth month", "Latitude degrees").
    const struct {
        QLabel* Label;
        QWidget* Field;
    } buddies[] = {{ui->Label13, ui->txtName},
                   {ui->Label54, ui->txtMCity},
                   {ui->Label55, ui->txtMState},
                   {ui->Label4, ui->txtMCountry}};
    for (const auto& [label, field] : buddies) label->setBuddy(field);
    // The strips are panels named for what they hold; Return presses a focused button, as Space does.
    NameForAssistiveTechnology(ui->Frame2, tr("Banner"));
    NameForAssistiveTechnology(ui->Frame5, tr("Links"));
    LetReturnPressFocusedButtons(this);

    // The zone line's Apply comes right after the zone list, where it stands.
    if (auto* apply = zoneLine_->findChild<QPushButton*>()) {
        setTabOrder(ui->cmbTimeZone, apply);
        setTabOrder(apply, ui->txtLatD);
        if (auto* second = zoneLine_->findChild<QPushButton*>(QStringLiteral("applySecondPass")))
            setTabOrder(apply, second);
    }
    GrowLabelsToFitTheirTexts(this);
    // The banner link comes first in Tab order, yet the form opens with the name field ready for typing.
    ui->txtName->setFocus(Qt::OtherFocusReason);
}

void frmMain::DigitFilter(std::uint16_t& KeyAscii) {
    const KeyVerdict verdict = FilterCoordinateKey(KeyAscii);
    if (verdict.Message) services_.ShowMessage(*verdict.Message, this);
    KeyAscii = verdict.Code;
}

void frmMain::txtName_KeyPress(std::uint16_t& KeyAscii) {
    const KeyVerdict verdict = FilterNameKey(KeyAscii, UiNameLetter(KeyAscii));
    if (verdict.Message) services_.ShowMessage(*verdict.Message, this);
    KeyAscii = verdict.Code;
}

void frmMain::txtLonD_KeyPress(std::uint16_t& KeyAscii) {
    DigitFilter(KeyAscii);
}
void frmMain::txtLonM_KeyPress(std::uint16_t& KeyAscii) {
    DigitFilter(KeyAscii);
}
void frmMain::txtLatD_KeyPress(std::uint16_t& KeyAscii) {
    DigitFilter(KeyAscii);
}
void frmMain::txtLatM_KeyPress(std::uint16_t& KeyAscii) {
    DigitFilter(KeyAscii);
}

frmMain::KeyPressHandler frmMain::KeyPressHandlerOf(QObject* field) const {
    if (field == ui->txtName) return &frmMain::txtName_KeyPress;
    if (field == ui->txtLonD) return &frmMain::txtLonD_KeyPress;
    if (field == ui->txtLonM) return &frmMain::txtLonM_KeyPress;
    if (field == ui->txtLatD) return &frmMain::txtLatD_KeyPress;
    if (field == ui->txtLatM) return &frmMain::txtLatM_KeyPress;
    return nullptr;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // The check box's caption ticks it, as a check box's own text would.
    if (watched == lblTimeUnknown_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        chkTimeUnknown_->toggle();
        return true;
    }
    if (watched == zoneLine_) {
        // The form is as designed until a birthplace has been chosen; then it grows by the suggestion line.
        if (event->type() == QEvent::ShowToParent) SetZoneBand(true);
        if (event->type() == QEvent::HideToParent) SetZoneBand(false);
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    const KeyPressHandler handler = KeyPressHandlerOf(watched);
    const std::optional<std::uint16_t> typed = TypedCode(*static_cast<QKeyEvent*>(event));
    if (!handler || !typed) return QMainWindow::eventFilter(watched, event);
    std::uint16_t code = *typed;
    (this->*handler)(code);
    if (code == 0) return true;
    if (code != *typed) {
        // The filter changed the character (a small letter made a capital): type that instead.
        static_cast<QLineEdit*>(watched)->insert(QString(QChar(code)));
        return true;
    }
    return false;
}

void frmMain::closeEvent(QCloseEvent* event) {
    CloseEndsTheRun(event);
}

void frmMain::mnuExit_Click() {
    close();
}

}  // namespace quorvane
