// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The births of a book as the list shows them: name, date and place, narrowed by a filter text that
// is matched against the name and the place, whatever their case.

#include <QAbstractTableModel>
#include <QString>

#include <vector>

#include "births/births.h"

namespace quorvane {

class BirthsListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, DateColumn, PlaceColumn, ColumnCount };

    explicit BirthsListModel(QObject* parent = nullptr);

    // Shows the readable births of `births` (which must outlive the next SetBirths); the filter stays.
    void SetBirths(const std::vector<births::Birth>* births);
    void SetFilter(const QString& text);

    // The birth a row shows, as its position in the book.
    int BookIndex(int row) const { return shown_.at(static_cast<std::size_t>(row)); }
    int ShownCount() const { return static_cast<int>(shown_.size()); }
    int ReadableCount() const { return static_cast<int>(readable_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString DateText(const births::Birth& birth);
    static QString PlaceText(const births::Birth& birth);

private:
    bool Matches(int bookIndex, const QString& folded) const;

    const std::vector<births::Birth>* births_ = nullptr;
    std::vector<int> readable_;  // book positions of the births that could be read
    std::vector<QString> keys_;  // per book position: name and place, case-folded
    std::vector<int> shown_;     // book positions that pass the filter, in book order
    QString folded_;             // the filter text, trimmed and case-folded
};

}  // namespace quorvane
