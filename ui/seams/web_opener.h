// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Web pages go through this seam: the maker's pages by key, and any address handed to the desktop.

#include <QString>
#include <QUrl>

namespace quorvane {

class WebOpener {
public:
    virtual ~WebOpener() = default;
    // Hands the address to the desktop; the result is not examined and nothing waits for a browser.
    virtual void Open(const QUrl& url) = 0;
};

class DesktopWebOpener final : public WebOpener {
public:
    void Open(const QUrl& url) override;
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

}  // namespace quorvane
