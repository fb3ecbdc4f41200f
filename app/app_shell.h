// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What sits around the working forms: the one reading session, message boxes, web pages, the
// coordinate finder, the About box, quitting and the single-instance rule at start-up. The windows see
// it through the small interfaces of ui/seams/window_services.h, each only those it uses.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "atlas/atlas.h"

#include "reading/reading_driver.h"
#include "ui/seams/file_chooser.h"
#include "ui/seams/report_printer.h"
#include "ui/seams/coordinate_finder.h"
#include "ui/seams/message_sink.h"
#include "ui/seams/web_opener.h"
#include "ui/seams/window_services.h"
#include "ui/widgets/text.h"

class QWidget;

namespace quorvane {

class SingleInstance;

class AppShell final : public QObject, public WindowServices {
    Q_OBJECT
public:
    using FinderFactory = std::function<std::unique_ptr<CoordinateFinder>()>;
    using PlacePicker = std::function<PlacePick(const QString& query, QWidget* parent)>;

    AppShell();
    ~AppShell() override;

    // Injection points; the defaults are real message boxes, the desktop browser, a web search and
    // leaving the event loop.
    void SetMessageSink(MessageSink& sink) { messages_ = &sink; }
    void SetWebOpener(WebOpener& opener) { web_ = &opener; }
    void SetCoordinateFinderFactory(FinderFactory factory) { finderFactory_ = std::move(factory); }
    void SetPlacePicker(PlacePicker picker) { placePicker_ = std::move(picker); }
    void SetQuitHook(std::function<void()> quit) { quit_ = std::move(quit); }
    void SetFileChooser(FileChooser& chooser) { files_ = &chooser; }
    void SetReportPrinter(ReportPrinter& printer) { printer_ = &printer; }
    void SetQuitGuard(std::function<bool()> guard) override { quitGuard_ = std::move(guard); }

    ReadingSession& Session() override { return session_; }
    FileChooser& Files() override { return *files_; }
    ReportPrinter& Printer() override { return *printer_; }
    const QString& OutputFolder() const override { return outputFolder_; }
    void SetOutputFolder(const QString& folder) override { outputFolder_ = folder; }

    using UserMessages::ShowMessage;
    void ShowMessage(const QString& text, MessageIcon icon, QWidget* parent) override;
    void OpenWebPage(const QString& key) override;
    std::unique_ptr<CoordinateFinder> MakeCoordinateFinder() override;
    PlacePick PickPlace(const QString& query, QWidget* parent) override;
    void ShowAbout(QWidget* parent) override;

    void QuitApplication() override;
    bool Quitting() const override { return quitting_; }

    // Start-up: true when another copy already runs and the run ends. A file to open is handed to the
    // running copy; without one (or when the running copy did not take it) the user is told.
    bool RefuseSecondInstance(SingleInstance& instance, const QString& fileToOpen = {});

private:
    ReadingSession session_;
    BoxMessageSink boxMessages_;
    DesktopWebOpener desktopWeb_;
    MessageSink* messages_ = &boxMessages_;
    WebOpener* web_ = &desktopWeb_;
    DialogFileChooser dialogFiles_;
    FileChooser* files_ = &dialogFiles_;
    PreviewReportPrinter previewPrinter_;
    ReportPrinter* printer_ = &previewPrinter_;
    QString outputFolder_;
    FinderFactory finderFactory_;
    PlacePicker placePicker_;
    std::function<void()> quit_;
    std::function<bool()> quitGuard_;
    bool quitting_ = false;
};

}  // namespace quorvane
