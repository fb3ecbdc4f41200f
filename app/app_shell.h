#pragma once
// What sits around the working forms: the one reading session, message boxes, web pages, the
// coordinate finder, the About box, quitting and the single-instance rule at start-up.

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
#include "ui/widgets/text.h"

class QWidget;

namespace quorvane {

class SingleInstance;

// What the user made of the birthplace finder: a place to use, a wish to search the web instead, or nothing.
struct PlacePick {
    enum class Outcome { Cancelled, Use, WebSearch } Result = Outcome::Cancelled;
    std::optional<Place> Chosen;
};

class AppShell : public QObject {
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
    // Asked before the run ends; false keeps it going (the user kept births not saved yet).
    void SetQuitGuard(std::function<bool()> guard) { quitGuard_ = std::move(guard); }

    ReadingSession& Session() { return session_; }
    WebOpener& Web() { return *web_; }
    FileChooser& Files() { return *files_; }
    ReportPrinter& Printer() { return *printer_; }
    // Where the last report or picture was saved in this run; empty until then.
    const QString& OutputFolder() const { return outputFolder_; }
    void SetOutputFolder(const QString& folder) { outputFolder_ = folder; }

    void ShowMessage(const QString& text, MessageIcon icon, QWidget* parent);
    void ShowMessage(const UserMessage& message, QWidget* parent);
    void OpenWebPage(const QString& key);
    // A fresh finder for each request; nothing when none can be made.
    std::unique_ptr<CoordinateFinder> MakeCoordinateFinder();
    // The offline birthplace finder, modal over `parent`, searching for "City, State, Country".
    PlacePick PickPlace(const QString& query, QWidget* parent);
    // The About box, modal over `parent`; returns when it has been closed.
    void ShowAbout(QWidget* parent);

    // Unloads every open window, each through its own close handling, then ends the run; nothing
    // happens when the quit guard says no.
    void QuitApplication();
    bool Quitting() const { return quitting_; }

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
