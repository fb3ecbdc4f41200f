// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/seams/web_opener.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace quorvane {

void DesktopWebOpener::Open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

QUrl WebPageUrl(const QString& key) {
    QUrl url(QString::fromUtf8(QUORVANE_WEB_BASE));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("page"), key);
    url.setQuery(query);
    return url;
}

}  // namespace quorvane
