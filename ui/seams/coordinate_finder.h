// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The web search for a birthplace's coordinates, behind a seam so that tests see the request.

#include <QString>
#include <QUrl>

#include "ui/seams/web_opener.h"

namespace quorvane {

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

}  // namespace quorvane
