// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/atlas/place_finder_dialog.h"

#include "ui/a11y/accessibility.h"
#include "ui/widgets/language.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "atlas/coordinates.h"

namespace quorvane {
namespace {

constexpr std::size_t kShownMatches = 30;

// A label's text without its shortcut marks ("&&" stays one "&"). Some Qt versions hand the marks on to
// the screen reader with the buddy's label, which then reads "ampersand Place".
QString WithoutShortcutMark(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

QString DegreesMinutesText(const DegreesMinutes& dm) {
    return QStringLiteral("%1\u00B0%2'%3")
        .arg(dm.Degrees)
        .arg(dm.Minutes, 2, 10, QLatin1Char('0'))
        .arg(QChar(dm.Hemisphere));
}

}  // namespace

PlaceFinderDialog::PlaceFinderDialog(const QString& query, QWidget* parent)
    : PlaceFinderDialog(Atlas::Builtin(), query, parent) {}

PlaceFinderDialog::PlaceFinderDialog(const Atlas& atlas, const QString& query, QWidget* parent)
    : QDialog(parent), atlas_(atlas) {
    setWindowTitle(tr("Find Latitude & Longitude"));

    auto* prompt = new QLabel(tr("&Place (City, State, Country):"), this);
    search_ = new QLineEdit(query, this);
    prompt->setBuddy(search_);
    prompt->setAccessibleName(WithoutShortcutMark(prompt->text()));
    search_->setAccessibleName(prompt->accessibleName());
    search_->installEventFilter(this);

    results_ = new QTreeWidget(this);
    results_->setHeaderLabels(
        {tr("City"), tr("State"), tr("Country"), tr("Latitude"), tr("Longitude"), tr("Time zone")});
    results_->setRootIsDecorated(false);
    results_->setAllColumnsShowFocus(true);
    results_->setUniformRowHeights(true);
    results_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results_->setMinimumSize(640, 260);
    results_->setAccessibleName(tr("Places found"));
    ReadCurrentRowOnFocus(results_);

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setAccessibleName(tr("Search status"));

    auto* buttons = new QDialogButtonBox(this);
    use_ = buttons->addButton(tr("Use"), QDialogButtonBox::AcceptRole);
    web_ = buttons->addButton(tr("Search the web"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Cancel);

    // The atlas is GeoNames data, whose licence asks for its name where the places are shown.
    auto* source = new QLabel(tr("Places: GeoNames (CC BY 4.0)"), this);
    source->setObjectName(QStringLiteral("lblPlacesSource"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(search_);
    layout->addWidget(results_);
    layout->addWidget(status_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(source);
    bottom->addWidget(buttons, 1);
    layout->addLayout(bottom);

    connect(search_, &QLineEdit::textChanged, this, &PlaceFinderDialog::Search);
    connect(results_, &QTreeWidget::itemActivated, this, &PlaceFinderDialog::Use);
    connect(use_, &QPushButton::clicked, this, &PlaceFinderDialog::Use);
    connect(web_, &QPushButton::clicked, this, &PlaceFinderDialog::SearchTheWeb);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    search_->setFocus();
    Search();
}

QString PlaceFinderDialog::QueryOf(const QString& city, const QString& state, const QString& country) {
    QStringList parts;
    for (const QString& part : {city, state, country})
        if (!part.trimmed().isEmpty()) parts << part.trimmed();
    return parts.join(QStringLiteral(", "));
}

QString PlaceFinderDialog::LatitudeText(double latitude) {
    return DegreesMinutesText(LatitudeToDegreesMinutes(latitude));
}

QString PlaceFinderDialog::LongitudeText(double longitude) {
    return DegreesMinutesText(LongitudeToDegreesMinutes(longitude));
}

void PlaceFinderDialog::Search() {
    const std::string text = search_->text().toStdString();
    PlaceSearch search = SearchPlaces(atlas_, text, kShownMatches);
    std::vector<PlaceMatch>& matches = search.Matches;
    QString note;
    if (search.NameOnly)
        note = tr("No place matches \"%1\" exactly; places named \"%2\":")
                   .arg(search_->text().trimmed(), QString::fromStdString(search.Name));

    results_->clear();
    shown_.clear();
    for (const PlaceMatch& m : matches) {
        const Place& p = *m.Town;
        // Found by another of its names: that name, then the atlas's own ("Bombay → Mumbai").
        QString city = QString::fromStdString(p.City);
        if (!m.MatchedName.empty())
            city = QString::fromUtf8(m.MatchedName.data(), static_cast<qsizetype>(m.MatchedName.size())) +
                   QStringLiteral(" \u2192 ") + city;
        results_->addTopLevelItem(new QTreeWidgetItem(
            QStringList{city, QString::fromStdString(p.State), QString::fromStdString(p.Country),
                        LatitudeText(p.Latitude), LongitudeText(p.Longitude), QString::fromStdString(p.TimeZoneId)}));
        shown_.push_back(&p);
    }
    const bool found = !shown_.empty();
    if (found)
        results_->setCurrentItem(results_->topLevelItem(0));
    else if (!atlas_.Problem().empty())
        note = tr("The atlas cannot be searched: %1. Press \"Search the web\" to look the place up online.")
                   .arg(UiText(atlas_.Problem()));
    else if (!search_->text().trimmed().isEmpty())
        note = tr("No place in the atlas matches \"%1\". Press \"Search the web\" to look it up online.")
                   .arg(search_->text().trimmed());
    status_->setText(note);
    status_->setVisible(!note.isEmpty());
    use_->setEnabled(found);
    // Enter does what can be done: use the highlighted place, or search the web when there is none.
    use_->setDefault(found);
    web_->setDefault(!found);
}

void PlaceFinderDialog::Use() {
    const int row = results_->indexOfTopLevelItem(results_->currentItem());
    if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) return;
    chosen_ = *shown_[static_cast<std::size_t>(row)];
    accept();
}

void PlaceFinderDialog::SearchTheWeb() {
    emit WebSearchRequested();
    done(WebSearch);
}

// The arrow and page keys move through the matches while typing goes on in the search field.
bool PlaceFinderDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown: {
                const auto* key = static_cast<QKeyEvent*>(event);
                QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
                QCoreApplication::sendEvent(results_, &copy);
                return true;
            }
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quorvane
