// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/seams/coordinate_finder.h"

#include "atlas/web_search.h"

namespace quorvane {

QUrl WebSearchFinder::SearchUrl(const QString& searchPhrase) {
    return QUrl::fromEncoded(QByteArray::fromStdString(WebSearchUrl(searchPhrase.toStdString())));
}

void WebSearchFinder::FindCoordinates(const QString& searchPhrase, const QUrl&) {
    opener_.Open(SearchUrl(searchPhrase));
}

}  // namespace quorvane
