// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/births/births_list_model.h"

#include <QDateTime>

#include "ui/births/births_window.h"
#include "ui/widgets/language.h"
#include "ui/widgets/text.h"

namespace quorvane {

namespace {
// A name or place of a megabyte is shown by its beginning: the list stays quick to paint.
constexpr qsizetype kLongestShown = 200;
QString Shortened(QString text) {
    if (text.size() > kLongestShown) text = text.left(kLongestShown) + QChar(0x2026);
    return text;
}
}  // namespace

BirthsListModel::BirthsListModel(QObject* parent) : QAbstractTableModel(parent) {}

void BirthsListModel::SetBirths(const std::vector<births::Birth>* births) {
    beginResetModel();
    births_ = births;
    readable_.clear();
    keys_.clear();
    shown_.clear();
    if (births_) {
        keys_.resize(births_->size());
        readable_.reserve(births_->size());
        for (std::size_t i = 0; i < births_->size(); ++i) {
            const births::Birth& birth = (*births_)[i];
            if (!birth.Error.empty()) continue;
            readable_.push_back(static_cast<int>(i));
            // One text for both: a blank-free separator keeps a match from spanning name and place.
            keys_[i] = (ToQString(birth.Data.Name) + u'\n' + PlaceText(birth)).toCaseFolded();
        }
        for (int i : readable_)
            if (Matches(i, folded_)) shown_.push_back(i);
    }
    endResetModel();
}

void BirthsListModel::SetFilter(const QString& text) {
    const QString folded = text.trimmed().toCaseFolded();
    if (folded == folded_) return;
    // Typing one more letter only narrows: the rows already shown are the only ones to look at.
    const bool narrows = folded.contains(folded_);
    beginResetModel();
    folded_ = folded;
    std::vector<int> next;
    const std::vector<int>& from = narrows ? shown_ : readable_;
    next.reserve(from.size());
    for (int i : from)
        if (Matches(i, folded_)) next.push_back(i);
    shown_ = std::move(next);
    endResetModel();
}

bool BirthsListModel::Matches(int bookIndex, const QString& folded) const {
    return folded.isEmpty() || keys_[static_cast<std::size_t>(bookIndex)].contains(folded);
}

int BirthsListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ShownCount();
}

int BirthsListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BirthsListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !births_ || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    const births::Birth& birth = (*births_)[static_cast<std::size_t>(BookIndex(index.row()))];
    if (role == Qt::ToolTipRole) return birth.Notes.empty() ? QVariant() : BirthNotesText(birth);
    switch (index.column()) {
        case NameColumn:
            return Shortened(ToQString(birth.Data.Name));
        case DateColumn:
            return DateText(birth);
        case PlaceColumn:
            return Shortened(PlaceText(birth));
        default:
            return {};
    }
}

QVariant BirthsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case NameColumn:
            return tr("Name");
        case DateColumn:
            return tr("Date");
        case PlaceColumn:
            return tr("Place");
        default:
            return {};
    }
}

QString BirthsListModel::DateText(const births::Birth& birth) {
    const BirthData& d = birth.Data;
    QString date, time;
    if (UiTranslated()) {
        // The language's short date with the whole year: births span two centuries.
        const QLocale locale = UiLocale();
        QString format = locale.dateFormat(QLocale::ShortFormat);
        if (!format.contains(QStringLiteral("yyyy"))) format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
        date = locale.toString(QDate(d.Year, d.Month, d.Day), format);
        time = locale.toString(QTime(d.Hour, d.Minute), QStringLiteral("HH:mm"));
    } else {
        date = QStringLiteral("%1-%2-%3")
                   .arg(d.Year)
                   .arg(d.Month, 2, 10, QLatin1Char('0'))
                   .arg(d.Day, 2, 10, QLatin1Char('0'));
        time = QStringLiteral("%1:%2").arg(d.Hour, 2, 10, QLatin1Char('0')).arg(d.Minute, 2, 10, QLatin1Char('0'));
    }
    //: a births list's date of a birth whose file gives no clock time
    if (birth.TimeUnknown) return tr("%1, time unknown").arg(date);
    return date + u' ' + time;
}

QString BirthsListModel::PlaceText(const births::Birth& birth) {
    QString place = ToQString(birth.Place);
    if (!birth.Country.empty())
        place += (place.isEmpty() ? QString() : QStringLiteral(", ")) + ToQString(birth.Country);
    return place;
}

}  // namespace quorvane
