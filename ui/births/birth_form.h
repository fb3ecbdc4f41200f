// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the births book needs of the birth-data form, so that the book does not depend on the form's class.

#include <QString>

#include "births/births.h"
#include "reading/reading_driver.h"

class QWidget;

namespace quorvane {

class BirthForm {
public:
    // City, state and country as they stand on the form.
    struct PlaceTexts {
        QString City, State, Country;
    };

    // What stands on the form, as the reading reads it.
    virtual BirthFormValues CollectBirthForm() const = 0;
    virtual PlaceTexts PlaceFields() const = 0;
    // Puts a birth of the births book on the form.
    virtual void ShowBirth(const births::Birth& birth) = 0;
    // The form's window: the parent of the book's dialogs, and where the births list is placed beside.
    virtual QWidget* FormWindow() = 0;

protected:
    ~BirthForm() = default;
};

}  // namespace quorvane
