// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/a11y/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace quorvane {

namespace {

// Marks on labels that the factory reads when it first builds a label's interface.
constexpr char kHeadingOfValue[] = "quorvaneHeadingOfValue";
constexpr char kNotification[] = "quorvaneNotification";
constexpr char kReturnPressesButtons[] = "quorvaneReturnPressesButtons";

// One entry of a named list. It is shown only while the list is open, and pressing it picks it, so that
// a screen reader can choose an entry without opening the list.
class AccessibleListEntry : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleListEntry(QComboBox* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? list_->itemText(row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!Open()) return {};
        QAbstractItemView* view = list_->view();
        const QRect row = view->visualRect(view->model()->index(row_, list_->modelColumn(), view->rootIndex()));
        return {view->viewport()->mapToGlobal(row.topLeft()), row.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.selected = isValid() && list_->currentIndex() == row_;
        // The chosen entry of a closed list that has the focus is where the keys act.
        s.focused = s.selected && list_->hasFocus() && !Open();
        s.invisible = !Open();
        s.disabled = !list_ || !list_->isEnabled();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction() || !isValid() || !list_->isEnabled()) return;
        if (Open()) list_->hidePopup();
        list_->setCurrentIndex(row_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool Open() const { return list_ && list_->view()->isVisible(); }

    QPointer<QComboBox> list_;
    int row_;
};

// A list that has been given a name: its name is what it is for and its value the shown entry, which is
// also its one selected entry and the text a screen reader reads from it.
class AccessibleNamedList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleNamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        // The name stays what the list is for, so a name change says nothing of the new entry: a closed
        // list changed by the keys tells its new value, and the chosen entry takes the focus within the
        // list, which a screen reader speaks as it speaks an entry of an open list.
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int row) {
            if (!QAccessible::isActive() || !list->hasFocus() || list->view()->isVisible()) return;
            QAccessibleValueChangeEvent value(list, list->currentText());
            QAccessible::updateAccessibility(&value);
            if (row < 0) return;
            QAccessibleEvent entry(list, QAccessible::Focus);
            entry.setChild(row);
            QAccessible::updateAccessibility(&entry);
        });
    }
    ~AccessibleNamedList() override {
        for (QAccessible::Id id : std::as_const(entries_)) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= list()->count()) return nullptr;
        if (const auto known = entries_.constFind(index); known != entries_.constEnd())
            if (QAccessibleInterface* entry = QAccessible::accessibleInterface(*known)) return entry;
        auto* entry = new AccessibleListEntry(list(), index);
        entries_.insert(index, QAccessible::registerAccessibleInterface(entry));
        return entry;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = entries_.constBegin(); it != entries_.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child) return it.key();
        return -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (list()->view()->isVisible())
                list()->hidePopup();
            else
                list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The shown entry as read-only text, without caret or selection.
    QString text(int startOffset, int endOffset) const override {
        return list()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }

    mutable QHash<int, QAccessible::Id> entries_;
};

// A strip or panel drawn as a plain frame. Qt reads a QFrame as a "frame", the role of a window, so that a
// screen reader takes each strip for a window of its own; it is a panel named for what it holds, or a
// separator when it is a line.
class AccessibleStrip : public QAccessibleWidget {
public:
    explicit AccessibleStrip(QFrame* frame)
        : QAccessibleWidget(frame, frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine
                                       ? QAccessible::Separator
                                       : QAccessible::Grouping) {}
};

// A heading whose text the value it heads carries in its name ("Ruling Planet, Venus"): read on its own as
// well, the heading would be heard twice, so it is not offered apart from its value.
class AccessibleHeadingOfValue : public QAccessibleWidget {
public:
    explicit AccessibleHeadingOfValue(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

// A line that speaks up when it appears or changes: its name says what it is, its description what it says.
class AccessibleNotification : public QAccessibleWidget {
public:
    explicit AccessibleNotification(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("QFrame") && object->metaObject() == &QFrame::staticMetaObject)
        return new AccessibleStrip(static_cast<QFrame*>(object));
    if (className == QLatin1String("QLabel") && object->metaObject() == &QLabel::staticMetaObject) {
        if (object->property(kHeadingOfValue).toBool())
            return new AccessibleHeadingOfValue(static_cast<QLabel*>(object));
        if (object->property(kNotification).toBool()) return new AccessibleNotification(static_cast<QLabel*>(object));
    }
    if (className == QLatin1String("QComboBox"))
        if (auto* list = qobject_cast<QComboBox*>(object);
            list && !list->isEditable() && !list->accessibleName().isEmpty())
            return new AccessibleNamedList(list);
    return nullptr;
}

// A text field that was never typed in reports a caret move when it first gets the focus by Tab (its caret
// has no last place yet), and that report reaches the screen reader before the focus does: the reader
// takes the field for announced already and says nothing of it. The caret is given its place as the field
// is shown, before any focus, so that the first visit is announced like every later one.
class CaretPlacedBeforeFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* field = qobject_cast<QLineEdit*>(watched); field && !field->hasFocus())
                field->setCursorPosition(field->cursorPosition());
        return false;
    }
};

}  // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        if (QCoreApplication* app = QCoreApplication::instance())
            app->installEventFilter(new CaretPlacedBeforeFocus(app));
        return true;
    }();
    (void)installed;
}

void NameForAssistiveTechnology(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    if (!description.isEmpty()) widget->setAccessibleDescription(description);
}

namespace {

// Return and Enter on a focused push button that did not use them: the button is pressed.
class ReturnPressesButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* window = static_cast<QWidget*>(watched);
        auto* button = qobject_cast<QPushButton*>(window->focusWidget());
        if (!button || !button->isEnabled() || !button->isVisible()) return false;
        button->animateClick();
        return true;
    }
};

// When the view gets the focus, after the focus event for the view itself, the current row is announced
// as the focused child: Qt announces a row only when it becomes current while the view has the focus.
class CurrentRowOnFocus : public QObject {
public:
    explicit CurrentRowOnFocus(QAbstractItemView* view) : QObject(view), view_(view) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) QTimer::singleShot(0, this, [this] { AnnounceCurrentRow(); });
        return false;
    }

private:
    void AnnounceCurrentRow() {
        if (!QAccessible::isActive() || !view_->hasFocus()) return;
        const QModelIndex current = view_->currentIndex();
        if (!current.isValid()) return;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view_);
        if (!iface) return;
        int child = -1;
        if (QAccessibleTableInterface* table = iface->tableInterface()) {
            if (QAccessibleInterface* cell = table->cellAt(current.row(), current.column()))
                child = iface->indexOfChild(cell);
        }
        if (child < 0) return;
        QAccessibleEvent focus(view_, QAccessible::Focus);
        focus.setChild(child);
        QAccessible::updateAccessibility(&focus);
    }

    QAbstractItemView* view_;
};

// Paints a frame in the label's text colour round a focused value label, after the label painted itself.
class ValueFocusMark : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || painting_) return false;
        auto* label = static_cast<QLabel*>(watched);
        painting_ = true;
        static_cast<QObject*>(label)->event(event);  // the label paints itself first
        painting_ = false;
        if (label->hasFocus()) {
            QPainter painter(label);
            painter.setPen(QPen(label->palette().color(label->foregroundRole()), 1));
            painter.drawRect(label->rect().adjusted(0, 0, -1, -1));
        }
        return true;
    }

private:
    bool painting_ = false;
};

}  // namespace

void LetReturnPressFocusedButtons(QWidget* window) {
    if (window->property(kReturnPressesButtons).toBool()) return;
    window->setProperty(kReturnPressesButtons, true);
    window->installEventFilter(new ReturnPressesButtons(window));
}

void TabToTheCheckedButton(QButtonGroup* group) {
    const auto moveTabStop = [group] {
        QAbstractButton* checked = group->checkedButton();
        if (!checked) return;  // with nothing chosen, each button stays a Tab stop
        for (QAbstractButton* button : group->buttons()) {
            const Qt::FocusPolicy policy = button->focusPolicy();
            button->setFocusPolicy(button == checked ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                     : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, moveTabStop);
    moveTabStop();
}

void ReadCurrentRowOnFocus(QAbstractItemView* view) {
    InstallAccessibleInterfaces();
    view->installEventFilter(new CurrentRowOnFocus(view));
}

void MakeReachableByTab(QLabel* value) {
    value->setFocusPolicy(Qt::StrongFocus);
    value->installEventFilter(new ValueFocusMark(value));
}

namespace {
// Sets a mark that chooses a label's interface. An interface built before the mark (setting a text or a
// name builds one) is dropped, so that the next question builds the marked one.
template <class Marked>
void MarkLabel(QLabel* label, const char* mark) {
    InstallAccessibleInterfaces();
    label->setProperty(mark, true);
    if (QAccessibleInterface* built = QAccessible::queryAccessibleInterface(label);
        built && !dynamic_cast<Marked*>(built))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
}
}  // namespace

void SpokenWithItsValue(QLabel* heading) {
    MarkLabel<AccessibleHeadingOfValue>(heading, kHeadingOfValue);
}

void MarkAsNotification(QLabel* label) {
    MarkLabel<AccessibleNotification>(label, kNotification);
}

void Announce(QLabel* notification) {
    if (!QAccessible::isActive()) return;
    // A screen reader presents a notification as it shows; one that changes while shown shows anew.
    QAccessibleEvent hidden(notification, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

namespace {
QSize NeededSize(const QLabel& label) {
    const QFontMetrics metrics(label.font());
    const QRect box = label.contentsRect();
    const int margins = label.width() - box.width() + 2 * label.margin();
    if (label.wordWrap()) {
        const int width = box.width() - 2 * label.margin();
        int height = 0;
        if (label.textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard)) {
            // A label whose text can be selected lays it out as a document, whose lines stack a little
            // tighter than drawn text's: measured the same way.
            QTextDocument document;
            document.setDocumentMargin(0);
            document.setDefaultFont(label.font());
            document.setPlainText(label.text());
            document.setTextWidth(width);
            height = document.size().toSize().height();
        } else {
            height =
                metrics
                    .boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap | int(label.alignment()), label.text())
                    .height();
        }
        return {label.width(), height + (label.height() - box.height()) + 2 * label.margin()};
    }
    return {metrics.horizontalAdvance(label.text()) + margins, label.height()};
}

bool Measured(const QLabel& label) {
    return !label.text().isEmpty() && label.pixmap().isNull() && !Qt::mightBeRichText(label.text());
}
}  // namespace

bool TextFitsItsBox(const QLabel& label) {
    if (!Measured(label)) return true;
    const QSize needed = NeededSize(label);
    return needed.width() <= label.width() && needed.height() <= label.height();
}

void GrowLabelsToFitTheirTexts(QWidget* window) {
    // Measured in the font the style sheet gives, which is settled only once the window is polished.
    window->ensurePolished();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        label->ensurePolished();
        if (!Measured(*label) || TextFitsItsBox(*label)) continue;
        const QSize needed = NeededSize(*label);
        label->resize(std::max(label->width(), needed.width()), std::max(label->height(), needed.height()));
        // The boxes around it grow downwards with it, the window last, so that nothing clips it.
        int grown = 0;
        for (QWidget* inner = label; QWidget* outer = inner->parentWidget(); inner = outer) {
            // A fixed box's new height shows in its minimum before the layout applies it; a window
            // grows by what its contents grew.
            const int lacking = outer->isWindow()
                                    ? grown
                                    : inner->y() + std::max(inner->height(), inner->minimumHeight()) - outer->height();
            if (lacking <= 0) break;
            const int height = outer->height() + lacking;
            if (outer->minimumHeight() == outer->maximumHeight())
                outer->setFixedHeight(height);
            else
                outer->resize(outer->width(), height);
            grown = lacking;
            if (outer->isWindow()) break;
        }
    }
    // A label whose box reaches under the box in front of its strip is cut to the part that shows,
    // when its text fits there: a text centred in the whole box would lose its last line under that box.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        QWidget* strip = label->parentWidget();
        if (!Measured(*label) || !label->wordWrap() || strip->isWindow()) continue;
        int shownBottom = strip->height();
        const QObjectList& stack = strip->parentWidget()->children();  // back to front
        for (qsizetype i = stack.indexOf(strip) + 1; i < stack.size(); ++i)
            if (auto* front = qobject_cast<QWidget*>(stack[i]);
                front && !front->isWindow() && !front->isHidden() && front->geometry().intersects(strip->geometry()))
                shownBottom = std::min(shownBottom, front->y() - strip->y());
        const int room = shownBottom - label->y();
        if (label->y() + label->height() > shownBottom && room > 0 && NeededSize(*label).height() <= room)
            label->resize(label->width(), room);
    }
    // Labels stacked on one spot share one size, so that the one in front hides all of the one behind.
    for (QLabel* label : window->findChildren<QLabel*>())
        for (QLabel* other : label->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (other != label && other->pos() == label->pos())
                label->resize(std::max(label->width(), other->width()), std::max(label->height(), other->height()));
}

}  // namespace quorvane
