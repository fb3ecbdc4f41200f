#include "ui/forms/frmMain.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>

#include "common/version.h"
#include "atlas/coordinates.h"
#include "ui/atlas/place_finder_dialog.h"
#include "ui/atlas/zone_suggestion_line.h"
#include "reading/time_zones.h"
#include "ui/a11y/accessibility.h"
#include "app/app_shell.h"
#include "ui/births/births_book.h"
#include "ui/forms/frmDisplay.h"
#include "ui/style/look.h"
#include "ui_frmMain.h"

namespace quorvane {

namespace {

constexpr int kZoneBand = 48;  // px: room for three lines of suggestion text

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

void AddNumbers(QComboBox* list, int first, int last) {
    for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
}

// The character a key press types, as the filters see it; nothing for keys that only move the
// caret or the focus (arrows, Home, Delete, Tab ...).
std::optional<std::uint16_t> TypedCode(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return std::nullopt;
    default: break;
    }
    // Control letters arrive as their control codes: Ctrl+C is 3, Ctrl+V is 22.
    if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return static_cast<std::uint16_t>(key.key() - Qt::Key_A + 1);
    const QString text = key.text();
    if (text.isEmpty() || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return std::nullopt;
    return text.at(0).unicode();
}

}  // namespace

frmMain::frmMain(AppShell& shell)
    : WorkingForm(shell), ui(std::make_unique<Ui::frmMain>()) {
    ui->setupUi(this);
    ApplyUiFont(this);
    ui->optLat->setId(ui->optLat_0, 0);
    ui->optLat->setId(ui->optLat_1, 1);
    ui->optLong->setId(ui->optLong_0, 0);
    ui->optLong->setId(ui->optLong_1, 1);
    const QList<QAction*> separators = [this] {
        QList<QAction*> found;
        for (QAction* action : ui->mnuHelp->actions())
            if (action->isSeparator()) found.push_back(action);
        return found;
    }();
    for (int i = 0; i < separators.size(); ++i) separators[i]->setObjectName(QStringLiteral("mnuHelp%1").arg(i + 1));

    ui->centralwidget->setFixedSize(436, 465);
    setFixedSize(436, 465 + ui->menubar->sizeHint().height());

    for (QLineEdit* field : {ui->txtName, ui->txtLonD, ui->txtLonM, ui->txtLatD, ui->txtLatM})
        field->installEventFilter(this);

    connect(ui->cmdRashi, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
    connect(ui->mnuNext, &QAction::triggered, this, &frmMain::mnuNext_Click);
    SetupZoneSuggestion();
    connect(ui->cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    ConnectSharedCommands(*ui);
    NameControlsForAssistiveTechnology();
    Form_Load();
    AddBirthsCommands();
}

frmMain::~frmMain() {
    shell_.SetQuitGuard({});
    delete display_.data();
}

void frmMain::AddBirthsCommands() {
    births_ = new BirthsBook(shell_, *this);
    shell_.SetQuitGuard([this] { return births_->MayQuit(); });
    QMenu* file = ui->mnuFile;
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileBirths"));
    const auto add = [this, file](const char* name, const QString& text, const QKeySequence& key, auto command) {
        QAction* action = file->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, births_, command);
        return action;
    };
    add("mnuOpenBirths", QStringLiteral("Open Births…"), QKeySequence::Open, &BirthsBook::OpenBirths);
    QMenu* recent = file->addMenu(QStringLiteral("Open Recent"));
    recent->setObjectName(QStringLiteral("mnuOpenRecent"));
    recent->setAccessibleName(QStringLiteral("Open Recent births files"));
    connect(recent, &QMenu::aboutToShow, births_, [this, recent] { births_->FillRecentMenu(recent); });
    add("mnuSaveToBirths", QStringLiteral("Save to Births"), QKeySequence::Save, &BirthsBook::SaveToBirths);
    add("mnuSaveBirthsAs", QStringLiteral("Save Births As…"), QKeySequence(), &BirthsBook::SaveBirthsAs);
    add("mnuImport", QStringLiteral("Import…"), QKeySequence(), &BirthsBook::Import);

    connect(ui->cmbTimeZone, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (row >= 0 && !zoneRefusal_.isEmpty()) ShowZoneRefusal({});
    });
}

frmMain::PlaceTexts frmMain::PlaceFields() const {
    return {ui->txtMCity->text(), ui->txtMState->text(), ui->txtMCountry->text()};
}

void frmMain::ShowBirth(const births::Birth& birth) {
    const BirthData& d = birth.Data;
    ui->txtName->setText(ToQString(d.Name));  // as spelt in the file: the key filter is for typing
    ui->cboMonth->setCurrentIndex(d.Month - 1);
    ui->cboDate->setCurrentIndex(d.Day - 1);
    ui->cboYear->setCurrentIndex(d.Year - kFirstYear);
    ui->cboHH->setCurrentIndex(d.Hour);
    ui->cboMM->setCurrentIndex(d.Minute);
    ui->cboSS->setCurrentIndex(0);
    ui->chkDST->setChecked(d.IsDaylightSaving);
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
    zoneLine_->setPlace({}, {});  // a suggestion belonged to the place found before
    if (birth.ZoneRow >= 0) {
        ui->cmbTimeZone->setCurrentIndex(birth.ZoneRow);
        ShowZoneRefusal({});
    } else {
        ui->cmbTimeZone->setCurrentIndex(-1);
        ShowZoneRefusal(ToQString(births::ReadingRefusal(birth)));
    }
}

void frmMain::ShowZoneRefusal(const QString& refusal) {
    zoneRefusal_ = refusal;
    ui->cmbTimeZone->setToolTip(refusal);
    ui->cmbTimeZone->setAccessibleDescription(refusal);
}

frmDisplay* frmMain::ReadingForm() const { return display_.data(); }

void frmMain::Form_Load() {
    setWindowTitle(QString::fromUtf8(kProductTitle));
    for (const char* month : kMonths) ui->cboMonth->addItem(QString::fromLatin1(month));
    for (const TimeZoneRow& row : TimeZoneTable()) ui->cmbTimeZone->addItem(ToQString(row.DisplayString));
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
    form.ZoneIndex = ui->cmbTimeZone->currentIndex();
    form.IsEast = ui->optLong_0->isChecked();
    form.IsSouth = ui->optLat_1->isChecked();
    form.IsDaylightSaving = ui->chkDST->isChecked();
    return form;
}

QWidget* frmMain::FieldWidget(FormField field) const {
    switch (field) {
    case FormField::Name: return ui->txtName;
    case FormField::LongitudeDegrees: return ui->txtLonD;
    case FormField::LongitudeMinutes: return ui->txtLonM;
    case FormField::LatitudeDegrees: return ui->txtLatD;
    case FormField::LatitudeMinutes: return ui->txtLatM;
    case FormField::None: break;
    }
    return nullptr;
}

void frmMain::cmdRashi_Click() {
    const BirthFormValues form = CollectBirthForm();
    // A birth whose offset no row has is never read with another row's offset.
    if (!zoneRefusal_.isEmpty() && form.ZoneIndex < 0 && ValidateBirthData(TextsOf(form)).Ok) {
        shell_.ShowMessage(zoneRefusal_, MessageIcon::Error, this);
        ui->cmbTimeZone->setFocus(Qt::OtherFocusReason);
        return;
    }
    const ReadingSession::Outcome outcome = shell_.Session().Read(form);
    if (!outcome.Validation.Ok) {
        shell_.ShowMessage(outcome.Validation.Message, this);
        if (QWidget* field = FieldWidget(outcome.Validation.Focus)) field->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (outcome.Reading) ShowReading(*outcome.Reading);
}

void frmMain::mnuNext_Click() { cmdRashi_Click(); }

void frmMain::ShowReading(const GalacticReading& reading) {
    if (!display_) {
        display_ = new frmDisplay(shell_, this);
        // Back unloads the reading form; the next reading loads a fresh one.
        connect(display_, &frmDisplay::Unloaded, this, [this] { display_ = nullptr; });
    }
    report::ReadingDocument doc{shell_.Session().LastBirthData(), shell_.Session().LastZoneIndex(), {}, reading};
    if (!atlasPlace_.Description.empty() && atlasPlace_.Fields == CoordinateFields())
        doc.Place = atlasPlace_.Description;
    display_->ShowReading(doc, IMGSymbol);
}

void frmMain::cmdBrowser_Click() {
    const struct {
        QLineEdit* Field;
        const char* Message;
    } required[] = {{ui->txtMCity, "Please Enter City"},
                    {ui->txtMState, "Please Enter State"},
                    {ui->txtMCountry, "Please Enter Country"}};
    for (const auto& [field, message] : required) {
        if (field->text().isEmpty()) {
            shell_.ShowMessage(QString::fromLatin1(message), MessageIcon::Information, this);
            field->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const QString phrase = ui->txtMCity->text() + u' ' + ui->txtMState->text() + u' ' + ui->txtMCountry->text() +
                           QStringLiteral(" Latitude Longitude");
    const PlacePick pick = shell_.PickPlace(
        PlaceFinderDialog::QueryOf(ui->txtMCity->text(), ui->txtMState->text(), ui->txtMCountry->text()), this);
    if (pick.Result == PlacePick::Outcome::Use && pick.Chosen) {
        UsePlace(*pick.Chosen);
    } else if (pick.Result == PlacePick::Outcome::WebSearch) {
        if (std::unique_ptr<CoordinateFinder> finder = shell_.MakeCoordinateFinder())
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
    zoneLine_->setPlace(QString::fromStdString(place.City), QString::fromStdString(place.TimeZoneId));
}

QStringList frmMain::CoordinateFields() const {
    return {ui->txtLatD->text(), ui->txtLatM->text(), ui->optLat_1->isChecked() ? QStringLiteral("S") : QStringLiteral("N"),
            ui->txtLonD->text(), ui->txtLonM->text(), ui->optLong_1->isChecked() ? QStringLiteral("W") : QStringLiteral("E")};
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
    connect(zoneLine_, &ZoneSuggestionLine::applyRequested, this, [this](int row, bool daylightSaving) {
        ui->cmbTimeZone->setCurrentIndex(row);
        ui->chkDST->setChecked(daylightSaving);
    });
}

void frmMain::UpdateZoneSuggestion() {
    const BirthFormValues form = CollectBirthForm();
    zoneLine_->setLocalTime(form.Year, form.MonthPosition + 1, form.DayPosition + 1, form.Hour, form.Minute);
    zoneLine_->setCurrentZone(form.ZoneIndex, form.IsDaylightSaving);
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
        {ui->txtName, "Name"},
        {ui->cboMonth, "Birth month"},
        {ui->cboDate, "Birth day"},
        {ui->cboYear, "Birth year"},
        {ui->cboHH, "Birth hour"},
        {ui->cboMM, "Birth minute"},
        {ui->cboSS, "Birth second"},
        {ui->chkDST, "Daylight Saving Time"},
        {ui->cmbTimeZone, "Time zone"},
        {ui->txtLatD, "Latitude degrees"},
        {ui->txtLatM, "Latitude minutes"},
        {ui->optLat_0, "Latitude: North"},
        {ui->optLat_1, "Latitude: South"},
        {ui->txtLonD, "Longitude degrees"},
        {ui->txtLonM, "Longitude minutes"},
        {ui->optLong_0, "Longitude: East"},
        {ui->optLong_1, "Longitude: West"},
        {ui->txtMCity, "City"},
        {ui->txtMState, "State"},
        {ui->txtMCountry, "Country"},
        {ui->cmdBrowser, "Click Here To Find Latitude & Longitude"},
    };
    for (const auto& [control, name] : names) NameForAssistiveTechnology(control, QString::fromLatin1(name));
    // A frame inside a frame would otherwise be named after the outer one.
    for (QGroupBox* frame : {ui->fraZone, ui->Frame3, ui->Frame4}) NameForAssistiveTechnology(frame, frame->title());
    ui->txtLatD->setAccessibleDescription(QStringLiteral("0 to 90"));
    ui->txtLonD->setAccessibleDescription(QStringLiteral("0 to 180"));
    for (QWidget* minutes : {ui->txtLatM, ui->txtLonM}) minutes->setAccessibleDescription(QStringLiteral("0 to 59"));

    const struct {
        QLabel* Label;
        QWidget* Field;
    } buddies[] = {{ui->Label13, ui->txtName}, {ui->Label5, ui->cboMonth}, {ui->Label1, ui->cboHH},
                   {ui->Label7, ui->txtLatD},  {ui->Label9, ui->txtLatM},  {ui->Label6, ui->txtLonD},
                   {ui->Label8, ui->txtLonM},  {ui->Label54, ui->txtMCity}, {ui->Label55, ui->txtMState},
                   {ui->Label4, ui->txtMCountry}};
    for (const auto& [label, field] : buddies) label->setBuddy(field);

    // The zone line's Apply comes right after the zone list, where it stands.
    if (auto* apply = zoneLine_->findChild<QPushButton*>()) {
        setTabOrder(ui->cmbTimeZone, apply);
        setTabOrder(apply, ui->txtLatD);
    }
    setStyleSheet(styleSheet() + FocusAndSelectionStyle());
    GrowLabelsToFitTheirTexts(this);
    // The banner link comes first in Tab order, yet the form opens with the name field ready for typing.
    ui->txtName->setFocus(Qt::OtherFocusReason);
}

void frmMain::DigitFilter(std::uint16_t& KeyAscii) {
    const KeyVerdict verdict = FilterCoordinateKey(KeyAscii);
    if (verdict.Message) shell_.ShowMessage(*verdict.Message, this);
    KeyAscii = verdict.Code;
}

void frmMain::txtName_KeyPress(std::uint16_t& KeyAscii) {
    const KeyVerdict verdict = FilterNameKey(KeyAscii);
    if (verdict.Message) shell_.ShowMessage(*verdict.Message, this);
    KeyAscii = verdict.Code;
}

void frmMain::txtLonD_KeyPress(std::uint16_t& KeyAscii) { DigitFilter(KeyAscii); }
void frmMain::txtLonM_KeyPress(std::uint16_t& KeyAscii) { DigitFilter(KeyAscii); }
void frmMain::txtLatD_KeyPress(std::uint16_t& KeyAscii) { DigitFilter(KeyAscii); }
void frmMain::txtLatM_KeyPress(std::uint16_t& KeyAscii) { DigitFilter(KeyAscii); }

frmMain::KeyPressHandler frmMain::KeyPressHandlerOf(QObject* field) const {
    if (field == ui->txtName) return &frmMain::txtName_KeyPress;
    if (field == ui->txtLonD) return &frmMain::txtLonD_KeyPress;
    if (field == ui->txtLonM) return &frmMain::txtLonM_KeyPress;
    if (field == ui->txtLatD) return &frmMain::txtLatD_KeyPress;
    if (field == ui->txtLatM) return &frmMain::txtLatM_KeyPress;
    return nullptr;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
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
    if (!shell_.Quitting()) {
        shell_.QuitApplication();
        if (!shell_.Quitting()) {  // the user stays for births not saved yet
            event->ignore();
            return;
        }
    }
    event->accept();
}

void frmMain::mnuExit_Click() { close(); }

}  // namespace quorvane
