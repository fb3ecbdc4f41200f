// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes go through this seam, so that tests see what would have been shown without blocking.

#include <QString>

#include "common/version.h"  // kProductName: the message boxes' caption
#include "reading/input_rules.h"

class QWidget;

namespace quorvane {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal box with one OK button; returns when the user has closed it.
    virtual void Show(const QString& text, MessageIcon icon, QWidget* parent) = 0;
};

class BoxMessageSink final : public MessageSink {
public:
    void Show(const QString& text, MessageIcon icon, QWidget* parent) override;
};

}  // namespace quorvane
