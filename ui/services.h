#pragma once
// What the windows hand to the outside world: message boxes, web pages and the coordinate finder.
// Each is an interface so that tests can see what would have been shown or opened.

#include <QString>
#include <QUrl>

#include <memory>

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

class WebOpener {
public:
    virtual ~WebOpener() = default;
    // Hands the address to the desktop; the result is not examined and nothing waits for a browser.
    virtual void open(const QUrl& url) = 0;
};

class DesktopWebOpener final : public WebOpener {
public:
    void open(const QUrl& url) override;
};

// Helps the user look up a birthplace's coordinates; puts nothing into the form.
class CoordinateFinder {
public:
    virtual ~CoordinateFinder() = default;
    virtual void FindCoordinates(const QString& searchPhrase, const QUrl& homePageUrl) = 0;
};

// Opens a web search for the phrase in the browser.
class WebSearchFinder final : public CoordinateFinder {
public:
    explicit WebSearchFinder(WebOpener& opener) : opener_(opener) {}
    void FindCoordinates(const QString& searchPhrase, const QUrl& homePageUrl) override;
    static QUrl SearchUrl(const QString& searchPhrase);

private:
    WebOpener& opener_;
};

// The maker's page for one page key: <base>?page=<key>.
QUrl WebPageUrl(const QString& key);

namespace page {
inline constexpr const char* Home = "home-page";
inline constexpr const char* Help = "help-web-page";
inline constexpr const char* Download = "download-web-page";
inline constexpr const char* Donate = "donate";
inline constexpr const char* CoBrand = "co-brand";
inline constexpr const char* FullyBranded = "fully-branded";
}  // namespace page

QString ToQString(std::string_view text);

}  // namespace quorvane
