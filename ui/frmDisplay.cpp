#include "ui/frmDisplay.h"

#include <QCloseEvent>
#include <QScrollBar>
#include <QShortcut>

#include "common/version.h"
#include "ui/accessibility.h"
#include "ui/app_shell.h"
#include "ui/look.h"
#include "ui/sign_pictures.h"
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

frmDisplay::frmDisplay(AppShell& shell, QWidget* birthForm)
    : WorkingForm(shell), ui(std::make_unique<Ui::frmDisplay>()), birthForm_(birthForm) {
    ui->setupUi(this);
    ApplyUiFont(this);
    for (QGroupBox* frame : {ui->Frame3, ui->Frame4, ui->Frame6, ui->Frame7}) {
        SetPointSize(frame, 9);
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) SetPointSize(child, 8.25);
    }
    for (QLabel* name : {ui->lblGalacticSunSign, ui->lblGalacticMoonSign, ui->lblGalacticAscendant,
                         ui->lblGalacticDescendant})
        SetPointSize(name, 9.75);
    const QPixmap placeholder = SignPictures::Placeholder();
    for (QLabel* picture : {ui->picGalacticSunSign, ui->picGalacticMoonSign, ui->picGalacticAscendant,
                            ui->picGalacticDescendant})
        picture->setPixmap(placeholder);

    ui->centralwidget->setFixedSize(770, 537);
    setFixedSize(770, 537 + ui->menubar->sizeHint().height());
    setAttribute(Qt::WA_DeleteOnClose);

    // Exit is the form's default and cancel button: Esc presses it, and so does Enter unless
    // another button has the focus.
    for (QKeySequence key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &frmDisplay::PressDefaultButton);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, ui->cmdExit,
            &QPushButton::click);

    connect(ui->cmdOK, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(ui->mnuFileBack, &QAction::triggered, this, &frmDisplay::mnuFileBack_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmDisplay::mnuExit_Click);
    ConnectSharedCommands(*ui);
    NameControlsForAssistiveTechnology();
    Form_Load();
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::Form_Load() {
    setWindowTitle(QString::fromUtf8(kProductTitle));
}

void frmDisplay::ShowReading(const GalacticReading& reading, const SignPictures& IMGSymbol) {
    const GalacticSign* signs[] = {reading.AscendantSign, reading.DescendantSign, reading.MoonSign, reading.SunSign};
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
    for (int i = 0; i < 4; ++i)
        if (signs[i]) frames[i].Name->setText(ToQString(signs[i]->Name));
    for (int i = 0; i < 4; ++i)
        if (signs[i]) frames[i].Keywords->setText(ToQString(signs[i]->Keywords));
    for (int i = 0; i < 4; ++i)
        if (signs[i]) frames[i].Description->setPlainText(ToQString(signs[i]->Description));
    for (int i = 0; i < 4; ++i)
        if (signs[i]) frames[i].RulingPlanet->setText(ToQString(signs[i]->RulingPlanet));
    for (int i = 0; i < 4; ++i)
        if (signs[i]) frames[i].Constellation->setText(ToQString(signs[i]->Constellation));

    for (const SignPictures::Image& image : IMGSymbol.Images())
        for (int i = 0; i < 4; ++i)
            if (signs[i] && image.Key == ToQString(signs[i]->Name)) frames[i].Picture->setPixmap(image.Picture);

    NameValuesForAssistiveTechnology();
    if (birthForm_) birthForm_->hide();
    show();
    raise();
    activateWindow();
}

void frmDisplay::NameControlsForAssistiveTechnology() {
    InstallAccessibleInterfaces();
    for (QGroupBox* frame : {ui->Frame3, ui->Frame4, ui->Frame6, ui->Frame7}) {
        NameForAssistiveTechnology(frame, frame->title());
        for (QPlainTextEdit* box : frame->findChildren<QPlainTextEdit*>()) {
            NameForAssistiveTechnology(box, frame->title() + QStringLiteral(" characteristics"));
            NameForAssistiveTechnology(box->verticalScrollBar(),
                                       QStringLiteral("Scroll ") + frame->title() + QStringLiteral(" characteristics"));
            // Read-only, yet reached by Tab and scrolled with the arrow and page keys.
            box->setFocusPolicy(Qt::StrongFocus);
            box->setTabChangesFocus(true);
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
    }
    // Pictures say nothing a screen reader needs.
    for (QLabel* picture : {ui->picGalacticSunSign, ui->picGalacticMoonSign, ui->picGalacticAscendant,
                            ui->picGalacticDescendant})
        picture->setAccessibleName(QStringLiteral("Sign picture"));
    // The branding link in front is reached first, the one under it next (it comes forward with the focus).
    setTabOrder(ui->txtGalacticDescendantDesc, ui->lblFullBrand);
    setTabOrder(ui->lblFullBrand, ui->lblCobrand);
    setTabOrder(ui->lblCobrand, ui->cmdOK);
    setStyleSheet(styleSheet() + FocusAndSelectionStyle());
    GrowLabelsToFitTheirTexts(this);
    NameValuesForAssistiveTechnology();
}

void frmDisplay::NameValuesForAssistiveTechnology() {
    static const QLatin1String kPrefixes[] = {QLatin1String("Sun"), QLatin1String("Ascendant"), QLatin1String("Moon"),
                                              QLatin1String("Descendant")};
    static const QLatin1String kValueNames[] = {QLatin1String("GalacticSunSign"), QLatin1String("GalacticAscendant"),
                                                QLatin1String("GalacticMoonSign"),
                                                QLatin1String("GalacticDescendant")};
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
            if (header && value) value->setAccessibleName(header->text() + QStringLiteral(", ") + value->text());
        }
    }
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

void frmDisplay::mnuFileBack_Click() { cmdOK_Click(); }
void frmDisplay::cmdExit_Click() { shell_.QuitApplication(); }
void frmDisplay::mnuExit_Click() { shell_.QuitApplication(); }

void frmDisplay::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Unloaded();
    // Back only unloads this form; the close box ends the run like Exit.
    if (!goingBack_ && !shell_.Quitting()) shell_.QuitApplication();
}

}  // namespace quorvane
