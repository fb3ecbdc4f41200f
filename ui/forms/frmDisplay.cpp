// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/forms/frmDisplay.h"

#include <algorithm>
#include <vector>

#include <iterator>

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollBar>
#include <QKeyEvent>

#include "common/version.h"
#include "ui/a11y/accessibility.h"
#include "ui/seams/file_chooser.h"
#include "ui/seams/report_printer.h"
#include "ui/seams/window_services.h"
#include "ui/seams/file_chooser.h"
#include "ui/seams/report_printer.h"
#include "ui/style/look.h"
#include "ui/widgets/language.h"
#include "ui/widgets/sign_pictures.h"
#include "ui/forms/wheel_window.h"
#include "ui_frmDisplay.h"

namespace quorvane {

namespace {
void SetPointSize(QWidget* widget, qreal points) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

// One frame's widgets, in the order the reading fills them.
struct FrameFields {
    QLabel* Name;
    QLabel* Keywords;
    QPlainTextEdit* Description;
    QLabel* RulingPlanet;
    QLabel* Constellation;
    QLabel* Picture;
};
}  // namespace

frmDisplay::frmDisplay(ReadingFormServices& services, QWidget* birthForm)
    : WorkingForm(services, services),
      ui(std::make_unique<Ui::frmDisplay>()),
      services_(services),
      birthForm_(birthForm) {
    // The whole sheet is set before the controls exist: set again once they do, it would restyle each of them.
    ApplyUiFont(this);
    setStyleSheet(StyleSheetResource(QStringLiteral(":/forms/frmDisplay.qss")) + FocusAndSelectionStyle());
    ui->setupUi(this);
    for (QGroupBox* frame : {ui->Frame3, ui->Frame4, ui->Frame6, ui->Frame7}) {
        SetPointSize(frame, 9);
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) SetPointSize(child, 8.25);
    }
    for (QLabel* name :
         {ui->lblGalacticSunSign, ui->lblGalacticMoonSign, ui->lblGalacticAscendant, ui->lblGalacticDescendant})
        SetPointSize(name, 9.75);
    const QPixmap placeholder = SignPictures::Placeholder();
    for (QLabel* picture :
         {ui->picGalacticSunSign, ui->picGalacticMoonSign, ui->picGalacticAscendant, ui->picGalacticDescendant})
        picture->setPixmap(placeholder);

    ui->centralwidget->setFixedSize(kReadingFormWidth, kReadingFormHeight);
    setFixedSize(kReadingFormWidth, kReadingFormHeight + ui->menubar->sizeHint().height());
    setAttribute(Qt::WA_DeleteOnClose);

    connect(ui->cmdOK, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(ui->mnuFileBack, &QAction::triggered, this, &frmDisplay::mnuFileBack_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmDisplay::mnuExit_Click);
    ConnectSharedCommands(*ui);
    AddOutputCommands();
    NameControlsForAssistiveTechnology();
    Form_Load();
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::Form_Load() {
    setWindowTitle(QString::fromUtf8(kProductTitle));
}

void frmDisplay::ShowReading(const report::ReadingDocument& doc, const SignPictures& IMGSymbol) {
    doc_ = doc;
    const GalacticReading& reading = doc_.Reading;
    // A wheel left open from the last reading would show the wrong birth.
    if (wheel_) wheel_->close();
    const GalacticSign* signs[] = {reading.AscendantSign, reading.DescendantSign, reading.MoonSign, reading.SunSign};
    // An unknown birth time: a sign only where it holds all day; the other frames say they depend on the time.
    if (doc_.Window)
        for (std::size_t i = 0; i < 4; ++i) signs[i] = doc_.Window->CertainSign(static_cast<Frame>(i));
    const FrameFields frames[] = {
        {ui->lblGalacticAscendant, ui->lblGalacticAscendantKeywords, ui->txtGalacticAscendantDesc,
         ui->lblGalacticAscendantRulingPlanet, ui->lblGalacticAscendantConstellation, ui->picGalacticAscendant},
        {ui->lblGalacticDescendant, ui->lblGalacticDescendantKeywords, ui->txtGalacticDescendantDesc,
         ui->lblGalacticDescendantRulingPlanet, ui->lblGalacticDescendantConstellation, ui->picGalacticDescendant},
        {ui->lblGalacticMoonSign, ui->lblGalacticMoonSignKeywords, ui->txtGalacticMoonSignDesc,
         ui->lblGalacticMoonSignRulingPlanet, ui->lblGalacticMoonSignConstellation, ui->picGalacticMoonSign},
        {ui->lblGalacticSunSign, ui->lblGalacticSunSignKeywords, ui->txtGalacticSunSignDesc,
         ui->lblGalacticSunSignRulingPlanet, ui->lblGalacticSunSignConstellation, ui->picGalacticSunSign},
    };
    // A frame without a sign keeps what it showed; the others are filled field kind by field kind.
    // The texts in the reader's language; the pictures are found by the English name.
    for (int i = 0; i < 4; ++i)
        if (signs[i]) frames[i].Name->setText(ToQString(UiSign(*signs[i]).Name));
    for (int i = 0; i < 4; ++i)
        if (signs[i]) frames[i].Keywords->setText(ToQString(UiSign(*signs[i]).Keywords));
    for (int i = 0; i < 4; ++i)
        if (signs[i]) frames[i].Description->setPlainText(ToQString(UiSign(*signs[i]).Description));
    for (int i = 0; i < 4; ++i)
        if (signs[i]) frames[i].RulingPlanet->setText(ToQString(UiSign(*signs[i]).RulingPlanet));
    for (int i = 0; i < 4; ++i)
        if (signs[i]) frames[i].Constellation->setText(ToQString(UiSign(*signs[i]).Constellation));

    for (std::size_t i = 0; i < 4; ++i) {
        if (!report::DependsOnTime(doc_, i)) continue;
        const FrameFields& f = frames[i];
        f.Name->setText(report::DependsText());
        // The longer text in the keywords' plainer type, smaller still where the field would cut it off.
        QFont font = f.Keywords->font();
        while (font.pointSizeF() > 6 && QFontMetricsF(font).horizontalAdvance(f.Name->text()) > f.Name->width() - 4)
            font.setPointSizeF(font.pointSizeF() - 0.25);
        f.Name->setFont(font);
        for (QLabel* field : {f.Keywords, f.RulingPlanet, f.Constellation}) field->clear();
        f.Picture->clear();
        // Where the characteristics stand: the signs it may have with their clock times, then each sign's texts.
        QString text = report::SpanLines(doc_, i).join(QLatin1Char('\n')) + QLatin1Char('\n');
        std::vector<const GalacticSign*> seen;
        for (const FrameSpan& span : FrameSpans(*doc_.Window, static_cast<Frame>(i))) {
            if (!span.Sign || std::find(seen.begin(), seen.end(), span.Sign) != seen.end()) continue;
            seen.push_back(span.Sign);
            const auto shown = UiSign(*span.Sign);
            text += QLatin1Char('\n') + ToQString(shown.Name) + QStringLiteral(" (") + ToQString(shown.Keywords) +
                    QStringLiteral("): ") + ToQString(shown.Description).trimmed() + QLatin1Char('\n');
        }
        f.Description->setPlainText(text);
    }

    for (const SignPictures::Image& image : IMGSymbol.Images())
        for (int i = 0; i < 4; ++i)
            if (signs[i] && image.Key == ToQString(signs[i]->Name)) frames[i].Picture->setPixmap(image.Picture);

    NameValuesForAssistiveTechnology();
    ShowInstant();
    if (birthForm_) birthForm_->hide();
    // The reading is what is heard first: the Sun frame's sign, with its caption.
    ui->lblGalacticSunSign->setFocus(Qt::OtherFocusReason);
    show();
    raise();
    activateWindow();
}

void frmDisplay::ShowInstant() {
    const bool wanted = doc_.ZoneIndex < 0 || !doc_.ClockNote.empty();
    if (!lblInstant_ && !wanted) return;
    if (!lblInstant_) {
        lblInstant_ = new QLabel(ui->centralwidget);
        lblInstant_->setObjectName(QStringLiteral("lblInstant"));
        lblInstant_->setWordWrap(true);
        lblInstant_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lblInstant_->setAccessibleName(tr("Birth instant used"));
        lblInstant_->setStyleSheet(QStringLiteral("QLabel { color: white; background: black; padding: 2px 8px; }"));
    }
    const QStringList lines = report::InstantLines(doc_, true);
    lblInstant_->setText(lines.join(QStringLiteral(" \u00B7 ")));
    // The line lies below the written form, which keeps its size above it.
    const int band = wanted ? lblInstant_->heightForWidth(kReadingFormWidth) : 0;
    lblInstant_->setGeometry(0, kReadingFormHeight, kReadingFormWidth, band);
    lblInstant_->setVisible(wanted);
    ui->centralwidget->setFixedSize(kReadingFormWidth, kReadingFormHeight + band);
    setFixedSize(kReadingFormWidth, kReadingFormHeight + band + ui->menubar->sizeHint().height());
}

void frmDisplay::AddOutputCommands() {
    struct Command {
        const char* Name;
        const char* Caption;
        QKeySequence Keys;
        void (frmDisplay::*Handler)();
    };
    const Command commands[] = {
        {"mnuSavePdf", QT_TR_NOOP("Save as &PDF…"), QKeySequence(Qt::CTRL | Qt::Key_S), &frmDisplay::mnuSavePdf_Click},
        {"mnuPrint", QT_TR_NOOP("P&rint…"), QKeySequence(Qt::CTRL | Qt::Key_P), &frmDisplay::mnuPrint_Click},
        {"mnuCopyReading", QT_TR_NOOP("&Copy Reading"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
         &frmDisplay::mnuCopyReading_Click},
        {"mnuSaveWheelPicture", QT_TR_NOOP("Save &Wheel Picture…"), QKeySequence(),
         &frmDisplay::mnuSaveWheelPicture_Click},
        {"mnuShowWheel", QT_TR_NOOP("Show W&heel…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
         &frmDisplay::mnuShowWheel_Click},
    };
    ui->mnuFile->addSeparator();
    for (const Command& command : commands) {
        QAction* action = ui->mnuFile->addAction(tr(command.Caption));
        action->setObjectName(QLatin1String(command.Name));
        action->setShortcut(command.Keys);
        // The menu bar's shortcuts work in the whole window, whichever control has the focus.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, command.Handler);
    }

    // Beside Back in the bottom strip, the same size as the written buttons.
    cmdWheel_ = new QPushButton(tr("&Wheel…"), ui->Frame5);
    cmdWheel_->setObjectName(QStringLiteral("cmdWheel"));
    cmdWheel_->setGeometry(ui->cmdOK->geometry().translated(-(ui->cmdExit->x() - ui->cmdOK->x()), 0));
    cmdWheel_->setFont(ui->cmdOK->font());
    cmdWheel_->setToolTip(tr("Show the galactic wheel of this reading"));
    connect(cmdWheel_, &QPushButton::clicked, this, &frmDisplay::cmdWheel_Click);
}

QString frmDisplay::ChooseSaveFile(const QString& caption, const QString& proposedName, const QString& filter,
                                   const QString& suffix) {
    const QString folder = services_.OutputFolder().isEmpty() ? DocumentsFolder() : services_.OutputFolder();
    QString path = services_.Files().SaveFile(this, caption, QDir(folder).filePath(proposedName), filter);
    if (path.isEmpty()) return path;
    if (QFileInfo(path).suffix().isEmpty()) path += u'.' + suffix;
    services_.SetOutputFolder(QFileInfo(path).absolutePath());
    return path;
}

void frmDisplay::mnuSavePdf_Click() {
    const QString path = ChooseSaveFile(tr("Save Reading as PDF"), report::SuggestedReportName(doc_),
                                        tr("PDF documents (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    if (const auto error = report::WriteReportPdf(doc_, path, report::DefaultPaper()))
        services_.ShowMessage(*error, MessageIcon::Error, this);
}

void frmDisplay::mnuPrint_Click() {
    const ReportPrinter::Result result =
        services_.Printer().Print(this, [this](QPagedPaintDevice& pages) { report::PaintReport(pages, doc_); });
    if (result == ReportPrinter::Result::Failed)
        services_.ShowMessage(tr("The reading could not be printed: the printer did not accept it."),
                              MessageIcon::Error, this);
}

void frmDisplay::mnuCopyReading_Click() {
    auto* mime = new QMimeData;
    mime->setText(report::ReadingPlainText(doc_));
    mime->setHtml(report::ReadingHtml(doc_));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void frmDisplay::mnuSaveWheelPicture_Click() {
    const QString path = ChooseSaveFile(tr("Save Wheel Picture"), report::SuggestedWheelName(doc_),
                                        tr("SVG pictures (*.svg);;PNG pictures (*.png)"), QStringLiteral("svg"));
    if (path.isEmpty()) return;
    if (const auto error = report::WriteWheelPicture(doc_, path, kWheelPictureSize))
        services_.ShowMessage(*error, MessageIcon::Error, this);
}

void frmDisplay::mnuShowWheel_Click() {
    if (!wheel_) {
        wheel_ = new WheelWindow(doc_, this);
        connect(wheel_, &WheelWindow::SavePictureRequested, this, &frmDisplay::mnuSaveWheelPicture_Click);
    }
    wheel_->show();
    wheel_->raise();
    wheel_->activateWindow();
}

void frmDisplay::cmdWheel_Click() {
    mnuShowWheel_Click();
}

WheelWindow* frmDisplay::Wheel() const {
    return wheel_.data();
}

void frmDisplay::NameControlsForAssistiveTechnology() {
    InstallAccessibleInterfaces();
    for (QGroupBox* frame : {ui->Frame3, ui->Frame4, ui->Frame6, ui->Frame7}) {
        NameForAssistiveTechnology(frame, frame->title());
        for (QPlainTextEdit* box : frame->findChildren<QPlainTextEdit*>()) {
            NameForAssistiveTechnology(box, tr("%1 characteristics").arg(frame->title()));
            NameForAssistiveTechnology(box->verticalScrollBar(), tr("Scroll %1 characteristics").arg(frame->title()));
            // Read-only, yet reached by Tab and scrolled with the arrow and page keys.
            box->setFocusPolicy(Qt::StrongFocus);
            box->setTabChangesFocus(true);
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
    }
    // Pictures say nothing a screen reader needs.
    for (QLabel* picture :
         {ui->picGalacticSunSign, ui->picGalacticMoonSign, ui->picGalacticAscendant, ui->picGalacticDescendant})
        picture->setAccessibleName(tr("Sign picture"));
    // The strips are panels named for what they hold.
    NameForAssistiveTechnology(ui->Frame2, tr("Banner"));
    NameForAssistiveTechnology(ui->Frame1, tr("Reading"));
    NameForAssistiveTechnology(ui->Frame5, tr("Links and commands"));
    // Tab reads the reading: in each frame, in screen order, the sign, ruling planet, constellation and
    // keywords, each heard once with its heading, then the characteristics.
    static const struct {
        QLatin1String Heading, Value;
    } kFrames[] = {{QLatin1String("Sun"), QLatin1String("GalacticSunSign")},
                   {QLatin1String("Ascendant"), QLatin1String("GalacticAscendant")},
                   {QLatin1String("Moon"), QLatin1String("GalacticMoonSign")},
                   {QLatin1String("Descendant"), QLatin1String("GalacticDescendant")}};
    static const struct {
        QLatin1String Heading, Value;
    } kRows[] = {{QLatin1String("Sign"), QLatin1String("")},
                 {QLatin1String("RulingPlanet"), QLatin1String("RulingPlanet")},
                 {QLatin1String("Constellation"), QLatin1String("Constellation")},
                 {QLatin1String("Keywords"), QLatin1String("Keywords")}};
    QWidget* previous = ui->Label61;
    for (const auto& frame : kFrames) {
        for (const auto& row : kRows) {
            auto* value = findChild<QLabel*>(QStringLiteral("lbl") + frame.Value + row.Value);
            if (auto* heading = findChild<QLabel*>(QStringLiteral("hdr") + frame.Heading + row.Heading))
                SpokenWithItsValue(heading);
            if (!value) continue;
            MakeReachableByTab(value);
            setTabOrder(previous, value);
            previous = value;
        }
        if (auto* heading =
                findChild<QLabel*>(QStringLiteral("hdr") + frame.Heading + QStringLiteral("Characteristics")))
            SpokenWithItsValue(heading);
        if (auto* box = findChild<QPlainTextEdit*>(QStringLiteral("txt") + frame.Value + QStringLiteral("Desc"))) {
            setTabOrder(previous, box);
            previous = box;
        }
    }
    // The branding link in front is reached first, the one under it next (it comes forward with the focus).
    setTabOrder(ui->txtGalacticDescendantDesc, ui->lblFullBrand);
    setTabOrder(ui->lblFullBrand, ui->lblCobrand);
    // Then the bottom strip's buttons from left to right.
    setTabOrder(ui->lblCobrand, cmdWheel_);
    setTabOrder(cmdWheel_, ui->cmdOK);
    GrowLabelsToFitTheirTexts(this);
    NameValuesForAssistiveTechnology();
}

void frmDisplay::NameValuesForAssistiveTechnology() {
    static const QLatin1String kPrefixes[] = {QLatin1String("Sun"), QLatin1String("Ascendant"), QLatin1String("Moon"),
                                              QLatin1String("Descendant")};
    static const QLatin1String kValueNames[] = {QLatin1String("GalacticSunSign"), QLatin1String("GalacticAscendant"),
                                                QLatin1String("GalacticMoonSign"), QLatin1String("GalacticDescendant")};
    static const struct {
        QLatin1String Header, Value;
    } kKinds[] = {{QLatin1String("Sign"), QLatin1String("")},
                  {QLatin1String("RulingPlanet"), QLatin1String("RulingPlanet")},
                  {QLatin1String("Constellation"), QLatin1String("Constellation")},
                  {QLatin1String("Keywords"), QLatin1String("Keywords")}};
    for (int f = 0; f < 4; ++f) {
        for (const auto& kind : kKinds) {
            auto* header = findChild<QLabel*>(QStringLiteral("hdr") + kPrefixes[f] + kind.Header);
            auto* value = findChild<QLabel*>(QStringLiteral("lbl") + kValueNames[f] + kind.Value);
            if (header && value) value->setAccessibleName(tr("%1, %2").arg(header->text(), value->text()));
        }
    }
}

void frmDisplay::keyPressEvent(QKeyEvent* event) {
    // Exit is the form's default and cancel button: Esc presses it, and so does Enter unless another
    // button has the focus. The keys come here from the window's own key handling, once the screen
    // reader has had them (its keypad Enter is its own) and the focused control has not used them: a
    // focused link opens on Enter.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        PressDefaultButton();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        ui->cmdExit->click();
        return;
    }
    WorkingForm::keyPressEvent(event);
}

void frmDisplay::PressDefaultButton() {
    auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
    (focused ? focused : ui->cmdExit)->click();
}

void frmDisplay::cmdOK_Click() {
    goingBack_ = true;
    if (birthForm_) birthForm_->show();
    close();
}

void frmDisplay::mnuFileBack_Click() {
    cmdOK_Click();
}
void frmDisplay::cmdExit_Click() {
    services_.QuitApplication();
}
void frmDisplay::mnuExit_Click() {
    services_.QuitApplication();
}

void frmDisplay::closeEvent(QCloseEvent* event) {
    // Back only unloads this form; the close box ends the run like Exit, unless the user chose to
    // stay for births not saved yet.
    if (!goingBack_ && !CloseEndsTheRun(event)) return;
    event->accept();
    if (wheel_) wheel_->close();
    emit Unloaded();
}

}  // namespace quorvane
