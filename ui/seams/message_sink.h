#pragma once
// Message boxes go through this seam, so that tests see what would have been shown without blocking.

#include <QString>

#include "reading/input_rules.h"

class QWidget;

namespace quorvane {

inline constexpr const char* kApplicationTitle = "Quorvane";

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal box with one OK button; returns when the user has closed it.
    virtual void show(const QString& text, MessageIcon icon, QWidget* parent) = 0;
};

class BoxMessageSink final : public MessageSink {
public:
    void show(const QString& text, MessageIcon icon, QWidget* parent) override;
};

}  // namespace quorvane
