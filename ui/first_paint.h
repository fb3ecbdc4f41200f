#pragma once
// Start-up timing: with QUORVANE_EXIT_AFTER_PAINT=1 in the environment the program ends as soon as its
// first window has been painted, so that a script can time process start to form on screen.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace quorvane {

class ExitAfterFirstPaint final : public QObject {
public:
    // Call before the window is shown.
    static void InstallIfAsked(QWidget* window) {
        if (qEnvironmentVariableIntValue("QUORVANE_EXIT_AFTER_PAINT") == 1)
            window->installEventFilter(new ExitAfterFirstPaint(window));
    }

private:
    explicit ExitAfterFirstPaint(QObject* parent) : QObject(parent) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !armed_) {
            armed_ = true;
            // Queued, so it runs once this paint and its flush to the screen are done; no tear-down is timed.
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

    bool armed_ = false;
};

}  // namespace quorvane
