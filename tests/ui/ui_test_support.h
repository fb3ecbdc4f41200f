// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests share: recorders in place of message boxes and the browser, a shell that
// does not end the test process, and lookups by object name.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QUrlQuery>
#include <QAction>
#include <QVector>

#include "app/app_shell.h"
#include "ui/forms/frmMain.h"
#include "ui/widgets/small_widgets.h"

namespace quorvane::testing {

struct ShownMessage {
    QString Text;
    MessageIcon Icon;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingMessages final : public MessageSink {
public:
    void Show(const QString& text, MessageIcon icon, QWidget*) override { shown.push_back({text, icon}); }
    QVector<ShownMessage> shown;
};

class RecordingWeb final : public WebOpener {
public:
    void Open(const QUrl& url) override { opened.push_back(url); }
    // The page keys of everything opened so far.
    QStringList Keys() const {
        QStringList keys;
        for (const QUrl& url : opened) keys << QUrlQuery(url).queryItemValue(QStringLiteral("page"));
        return keys;
    }
    QVector<QUrl> opened;
};

struct TestShell {
    TestShell() {
        shell.SetMessageSink(messages);
        shell.SetWebOpener(web);
        shell.SetQuitHook([this] { ++quits; });
        // In place of the modal birthplace finder: records the query and answers with `pick`
        // (by default the user asks for the web search).
        shell.SetPlacePicker([this](const QString& query, QWidget*) {
            placeQueries << query;
            return pick;
        });
    }
    RecordingMessages messages;
    RecordingWeb web;
    QStringList placeQueries;
    PlacePick pick{PlacePick::Outcome::WebSearch, std::nullopt};
    AppShell shell;
    int quits = 0;
};

template <class T = QWidget>
T* Child(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(QLatin1String(name));
    if (!found) qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// Types into a field the way a user does, one key at a time.
inline void Type(QWidget* root, const char* field, const QString& text) {
    auto* edit = Child<QLineEdit>(root, field);
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

inline void Pick(QWidget* root, const char* list, const QString& entry) {
    auto* combo = Child<QComboBox>(root, list);
    const int index = combo->findText(entry, Qt::MatchExactly);
    if (index < 0) qFatal("%s has no entry %s", list, qPrintable(entry));
    combo->setCurrentIndex(index);
}

// A fresh birth-data form, shown and active.
inline std::unique_ptr<frmMain> OpenBirthForm(TestShell& t) {
    auto form = std::make_unique<frmMain>(t.shell);
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) qWarning("the birth-data form did not become active");
    return form;
}

// A test class whose every test starts on a fresh birth-data form (Qt Test runs the inherited slots).
class OnFreshBirthForm : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<TestShell> t;
    std::unique_ptr<frmMain> form;

protected slots:
    void init() {
        t = std::make_unique<TestShell>();
        form = OpenBirthForm(*t);
    }
    void cleanup() {
        form.reset();
        t.reset();
    }
};

// The web commands both working forms carry, with the page each opens.
struct WebCommand {
    const char* Control;
    const char* Key;
};
inline constexpr WebCommand kWebCommands[] = {{"mnuOnline", "help-web-page"},   {"mnuVisit", "home-page"},
                                              {"Label61", "home-page"},         {"mnuUpdate", "download-web-page"},
                                              {"mnuDonate", "donate"},          {"lblCobrand", "co-brand"},
                                              {"lblFullBrand", "fully-branded"}};

// Chooses a menu command or clicks a link label, whichever the control is.
inline void Trigger(QWidget* form, const char* control) {
    if (auto* action = form->findChild<QAction*>(QLatin1String(control)))
        action->trigger();
    else
        emit Child<LinkLabel>(form, control)->Clicked();
}

}  // namespace quorvane::testing
