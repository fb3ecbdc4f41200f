// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small widgets the forms need that Qt does not have as such.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

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

// An option of the birth-data form: its round mark is drawn here, from four curves. The style sheet would
// round a square mark's corners with arcs, whose sines and cosines bring the maths library's pages into
// the program at start.
class FormOption : public QRadioButton {
    Q_OBJECT
public:
    explicit FormOption(QWidget* parent = nullptr) : QRadioButton(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A closed list of the birth-data form.
// - A font set while it is hidden is not pushed into its popup: QComboBox makes the popup for that on Qt 6.4
//   (seven popups at start that nobody opened, as the forms set a font on each control they build) and lays
//   its rows out again on every Qt. The popup takes the list's font when it is shown.
// - It draws its own arrow, a small triangle in its text colour. The style sheet that colours the list
//   would draw it from a picture, and reading the first picture loads Qt's picture plug-ins.
class FormList : public QComboBox {
    Q_OBJECT
public:
    explicit FormList(QWidget* parent = nullptr) : QComboBox(parent) {}

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool popupFontSet_ = false;  // QComboBox has set a font on the popup: from then on it must pass each on
};

}  // namespace quorvane
