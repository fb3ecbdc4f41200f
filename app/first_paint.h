// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work that can wait until the first window is on screen, and start-up timing: with
// QUORVANE_EXIT_AFTER_PAINT=1 in the environment the program ends as soon as its first window has been
// painted, so that a script can time process start to form on screen.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

namespace quorvane {

// Runs `work` once, right after `window` has been painted for the first time.
class AfterFirstPaint final : public QObject {
public:
    // Call before the window is shown.
    static void Install(QWidget* window, std::function<void()> work) {
        window->installEventFilter(new AfterFirstPaint(window, std::move(work)));
    }

private:
    AfterFirstPaint(QObject* parent, std::function<void()> work) : QObject(parent), work_(std::move(work)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && work_) {
            // Queued, so it runs once this paint and its flush to the screen are done.
            QTimer::singleShot(0, std::move(work_));
            work_ = nullptr;
        }
        return false;
    }

    std::function<void()> work_;
};

struct ExitAfterFirstPaint {
    // Call after every other AfterFirstPaint::Install of the window, so that no later work is timed.
    static void InstallIfAsked(QWidget* window) {
        if (qEnvironmentVariableIntValue("QUORVANE_EXIT_AFTER_PAINT") == 1)
            AfterFirstPaint::Install(window, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
    }
};

}  // namespace quorvane
