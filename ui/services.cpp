#include "ui/services.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrlQuery>

namespace quorvane {

void BoxMessageSink::show(const QString& text, MessageIcon icon, QWidget* parent) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

void DesktopWebOpener::open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

QUrl WebSearchFinder::SearchUrl(const QString& searchPhrase) {
    // The phrase is user text: percent-encode all of it, blanks included, so that nothing in it
    // can end the query or add parameters.
    return QUrl::fromEncoded(QByteArray(QUORVANE_SEARCH_BASE) + QUrl::toPercentEncoding(searchPhrase));
}

void WebSearchFinder::FindCoordinates(const QString& searchPhrase, const QUrl&) {
    opener_.open(SearchUrl(searchPhrase));
}

QUrl WebPageUrl(const QString& key) {
    QUrl url(QString::fromUtf8(QUORVANE_WEB_BASE));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("page"), key);
    url.setQuery(query);
    return url;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quorvane
