// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two small widgets the forms need that Qt does not have as such.

#include <QLabel>
#include <QPushButton>

namespace quorvane {

// A label that acts as a link: hand pointer, and a click reports itself. It takes the focus with Tab
// (a dotted frame shows it) and Enter or Space press it; screen readers see a link they can activate.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // What a click, a key or a screen reader's press does.
    void Activate() { emit Clicked(); }

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A link that lies under another comes to the front while it has the focus, so that its focus mark
    // shows, and goes back under it afterwards.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QWidget* coveredBy_ = nullptr;
};

// A button whose caption wraps onto several lines when it is too long for one.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrapButton(QWidget* parent = nullptr) : QPushButton(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvane
