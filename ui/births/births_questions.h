// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions the births book asks before it drops or overwrites anything. An interface, so that
// tests give the answer without a dialog.

#include <QString>

class QWidget;

namespace quorvane {

enum class UnsavedAnswer { Save, Discard, Cancel };

class BirthsQuestions {
public:
    virtual ~BirthsQuestions() = default;
    // The births in `fileName` have changes not saved yet.
    virtual UnsavedAnswer AskUnsaved(QWidget* parent, const QString& fileName) = 0;
    // `path` was changed by another program since it was read: true to overwrite it all the same.
    virtual bool AskOverwriteChanged(QWidget* parent, const QString& path) = 0;
};

class BoxBirthsQuestions final : public BirthsQuestions {
public:
    UnsavedAnswer AskUnsaved(QWidget* parent, const QString& fileName) override;
    bool AskOverwriteChanged(QWidget* parent, const QString& path) override;
};

}  // namespace quorvane
