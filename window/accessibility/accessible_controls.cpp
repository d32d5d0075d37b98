#include "window/accessibility/accessible_controls.h"

#include <QAbstractSpinBox>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>

namespace quorvel {
namespace {

// A line edit as Qt describes it, with the whole text as one run of attributes. Qt's own (6.4 to
// 6.8 at least) reports runs of no length, and a screen reader then speaks a selected "3000" as
// "300".
class LineEdit : public QAccessibleWidget,
                 public QAccessibleTextInterface,
                 public QAccessibleEditableTextInterface {
public:
    explicit LineEdit(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            change(text);
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = edit()->isReadOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !edit()->hasSelectedText())
            return;
        *start = edit()->selectionStart();
        *end = edit()->selectionEnd();
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return start > end ? QString() : edit()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(edit()->text().size()); }

    // Measured from the text cursor, the one place whose position a line edit tells.
    QRect characterRect(int offset) const override {
        const QString text = edit()->text();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics(edit()->font());
        const QRect cursor = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = cursor.x() + metrics.horizontalAdvance(text.left(offset)) -
                      metrics.horizontalAdvance(text.left(edit()->cursorPosition()));
        const QRect rect(x, cursor.y(), metrics.horizontalAdvance(text.at(offset)),
                         cursor.height());
        return rect.translated(edit()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { edit()->setCursorPosition(start); }
    QString attributes(int offset, int* start, int* end) const override {
        const int count = characterCount();
        *start = offset >= 0 && offset < count ? 0 : offset;
        *end = offset >= 0 && offset < count ? count : offset;
        return {};
    }

    void deleteText(int start, int end) override {
        change(edit()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString& text) override {
        change(edit()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString& text) override {
        change(edit()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    // An assistive tool edits as the user does: never a field the user cannot type into.
    void change(const QString& text) {
        if (!edit()->isReadOnly())
            edit()->setText(text);
    }
};

// A menu entry that has a shortcut key. Screen readers take an entry's key binding as
// "mnemonic;path;shortcut" and speak the last part; Qt's entries (6.4 to 6.8 at least) give no
// key binding, and the bridge then sends the shortcut alone, which they take for the mnemonic.
class ShortcutMenuEntry : public QAccessibleObject, public QAccessibleActionInterface {
public:
    ShortcutMenuEntry(QAction* action, QWidget* menu)
        : QAccessibleObject(action)
        , menu_(menu) {}

    bool isValid() const override { return QAccessibleObject::isValid() && menu_; }
    QWindow* window() const override { return menu_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return action()->iconText();
        if (t == QAccessible::Accelerator)
            return action()->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    QRect rect() const override {
        QRect place;
        if (auto* menu = qobject_cast<QMenu*>(menu_))
            place = menu->actionGeometry(action());
        else if (auto* bar = qobject_cast<QMenuBar*>(menu_))
            place = bar->actionGeometry(action());
        return place.translated(menu_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !menu_->isVisible() || !action()->isVisible();
        state.disabled = !action()->isEnabled();
        auto* menu = qobject_cast<QMenu*>(menu_);
        auto* bar = qobject_cast<QMenuBar*>(menu_);
        state.focused =
            (menu && menu->activeAction() == action()) || (bar && bar->activeAction() == action());
        state.hotTracked = menu_->style()->styleHint(QStyle::SH_Menu_MouseTracking);
        state.checkable = action()->isCheckable();
        state.checked = action()->isChecked();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && action()->isEnabled())
            action()->trigger();
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name != pressAction())
            return {};
        const QKeySequence mnemonic = QKeySequence::mnemonic(action()->text());
        const QString key =
            mnemonic.isEmpty() ? QString()
                               : QKeySequence(mnemonic[0].key()).toString(QKeySequence::NativeText);
        return {key, QString(), text(QAccessible::Accelerator)};
    }

private:
    QAction* action() const { return static_cast<QAction*>(object()); }
    QPointer<QWidget> menu_;
};

QAccessibleInterface* Create(const QString& className, QObject* object) {
    if (className == QLatin1String("QLineEdit")) {
        auto* edit = static_cast<QLineEdit*>(object);
        // Spin boxes and password fields keep Qt's own.
        if (edit->echoMode() == QLineEdit::Normal &&
            !qobject_cast<QAbstractSpinBox*>(edit->parentWidget()))
            return new LineEdit(edit);
    } else if (className == QLatin1String("QAction")) {
        auto* action = static_cast<QAction*>(object);
        if (action->shortcut().isEmpty() || action->menu())
            return nullptr;
        for (QObject* owner : action->associatedObjects()) {
            if (qobject_cast<QMenu*>(owner) || qobject_cast<QMenuBar*>(owner))
                return new ShortcutMenuEntry(action, static_cast<QWidget*>(owner));
        }
    }
    return nullptr;
}

} // namespace

void InstallAccessibleControls() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(Create);
    installed = true;
}

} // namespace quorvel
