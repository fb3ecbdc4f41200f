// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the windows ask of the run, each as a small interface, so that a window is handed only what it
// uses: the application shell (app/app_shell.h) provides them all, tests may provide their own.

#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "atlas/atlas.h"
#include "reading/input_rules.h"
#include "reading/reading_driver.h"
#include "ui/seams/coordinate_finder.h"
#include "ui/widgets/language.h"
#include "ui/widgets/text.h"

class QWidget;

namespace quorvane {

class FileChooser;
class ReportPrinter;

// Modal message boxes with the application's title.
class UserMessages {
public:
    virtual void ShowMessage(const QString& text, MessageIcon icon, QWidget* parent) = 0;
    void ShowMessage(const UserMessage& message, QWidget* parent) {
        ShowMessage(UiMessage(message), message.Icon, parent);  // in the user's language
    }

protected:
    ~UserMessages() = default;
};

// Ending the run.
class RunControl {
public:
    // Unloads every open window, each through its own close handling, then ends the run; nothing happens
    // when the quit guard says no.
    virtual void QuitApplication() = 0;
    virtual bool Quitting() const = 0;
    // Asked before the run ends; false keeps it going (the user kept births not saved yet).
    virtual void SetQuitGuard(std::function<bool()> guard) = 0;

protected:
    ~RunControl() = default;
};

// The maker's web pages (the Help menu and the link labels) and the About box.
class HelpCommands {
public:
    virtual void OpenWebPage(const QString& key) = 0;
    // Modal over `parent`; returns when it has been closed.
    virtual void ShowAbout(QWidget* parent) = 0;

protected:
    ~HelpCommands() = default;
};

// File dialogs.
class FileDialogs {
public:
    virtual FileChooser& Files() = 0;

protected:
    ~FileDialogs() = default;
};

// Where a reading goes when it leaves the screen.
class ReportOutput : public FileDialogs {
public:
    virtual ReportPrinter& Printer() = 0;
    // Where the last report or picture was saved in this run; empty until then.
    virtual const QString& OutputFolder() const = 0;
    virtual void SetOutputFolder(const QString& folder) = 0;

protected:
    ~ReportOutput() = default;
};

// What the user made of the birthplace finder: a place to use, a wish to search the web instead, or nothing.
struct PlacePick {
    enum class Outcome { Cancelled, Use, WebSearch } Result = Outcome::Cancelled;
    std::optional<Place> Chosen;
};

// Finding a birthplace's coordinates.
class BirthplaceLookup {
public:
    // A fresh web-search finder for each request; nothing when none can be made.
    virtual std::unique_ptr<CoordinateFinder> MakeCoordinateFinder() = 0;
    // The offline birthplace finder, modal over `parent`, searching for "City, State, Country".
    virtual PlacePick PickPlace(const QString& query, QWidget* parent) = 0;

protected:
    ~BirthplaceLookup() = default;
};

// What the reading form uses: messages, ending the run, the maker's pages and where its report goes.
class ReadingFormServices : public UserMessages, public RunControl, public HelpCommands, public ReportOutput {
protected:
    ~ReadingFormServices() = default;
};

// Everything the birth-data form hands on to the windows it opens (the reading form, the births book),
// and the one reading session.
class WindowServices : public ReadingFormServices, public BirthplaceLookup {
public:
    virtual ReadingSession& Session() = 0;

protected:
    ~WindowServices() = default;
};

}  // namespace quorvane
