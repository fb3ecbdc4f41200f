// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/seams/coordinate_finder.h"

namespace quorvane {

QUrl WebSearchFinder::SearchUrl(const QString& searchPhrase) {
    // The phrase is user text: percent-encode all of it, blanks included, so that nothing in it
    // can end the query or add parameters.
    return QUrl::fromEncoded(QByteArray(QUORVANE_SEARCH_BASE) + QUrl::toPercentEncoding(searchPhrase));
}

void WebSearchFinder::FindCoordinates(const QString& searchPhrase, const QUrl&) {
    opener_.Open(SearchUrl(searchPhrase));
}

}  // namespace quorvane
