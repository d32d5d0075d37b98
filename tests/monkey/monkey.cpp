#include "monkey.h"

#include "tests/window/support/form_access.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWindow>

#include <iterator>
#include <string_view>

namespace quorvel::monkey {
namespace {

enum class Move {
    Character,
    Figure,
    Backspace,
    Delete,
    CursorKey,
    UpOrDown,
    Tab,
    BackTab,
    Return,
    KeypadEnter,
    OpenListKey,
    OpenListMouse,
    ClickAnywhere,
    ClickCalculate,
    ClickReset,
    AltC,
    AltR,
    AltH,
    ClickHelpMenu,
    CtrlF,
    EditShortcut,
    Escape,
    AltX,
    CloseWindow,
};

struct Weighted {
    Move move;
    int weight;
};

// Mostly typing and clicking, as a user fills in figures; the commands often enough that a run
// sees many results, rejections and Resets, and Exit rarely, so that most of a run works on a
// window that has been through a long history.
constexpr Weighted Moves[] = {
    {Move::Character, 220},    {Move::Figure, 200},
    {Move::Backspace, 80},     {Move::Delete, 15},
    {Move::CursorKey, 30},     {Move::UpOrDown, 30},
    {Move::Tab, 60},           {Move::BackTab, 30},
    {Move::Return, 60},        {Move::KeypadEnter, 5},
    {Move::OpenListKey, 25},   {Move::OpenListMouse, 40},
    {Move::ClickAnywhere, 60}, {Move::ClickCalculate, 25},
    {Move::ClickReset, 3},     {Move::AltC, 2},
    {Move::AltR, 1},           {Move::AltH, 3},
    {Move::ClickHelpMenu, 3},  {Move::CtrlF, 10},
    {Move::EditShortcut, 20},  {Move::Escape, 1},
    {Move::AltX, 1},           {Move::CloseWindow, 1},
};

struct Characters {
    std::string_view pool;
    int weight;
};

// Digits above all, so that figures often pass the checks, and every kind of character that
// the number reading treats specially: decimal mark, group mark, signs, exponent, blanks.
constexpr Characters Typed[] = {
    {"0123456789", 75}, {".", 7},  {",", 4}, {"-", 4},
    {"+", 2},           {"eE", 5}, {" ", 5}, {"abdfmxzFP", 7},
};

// Whole figures as a user types them into a field, among them some that the checks refuse and
// some beyond the range of a double.
constexpr std::string_view Oddities[] = {"0",         "-5",       "1e3",     "2,500", "1e999",
                                         "0.0000001", "99999999", "33000.5", "100.01"};
constexpr std::string_view Presets[] = {"125", "150", "33000", "29000", "27000", "100", "90", "65"};

struct NamedKey {
    const char* token;
    Qt::Key key;
};

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Table> int TotalWeight(const Table& table) {
    int total = 0;
    for (const auto& entry : table)
        total += entry.weight;
    return total;
}

// Drop-down lists and menus are popups: Qt routes keys to the one that is open.
QWidget* OpenList() {
    return QApplication::activePopupWidget();
}

void Key(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window, key, modifiers);
}

// The control of the client area that a point falls on, or the client area itself.
QWidget* ControlAt(QWidget& client, QPoint inClient) {
    QWidget* hit = client.childAt(inClient);
    while (hit && hit->parentWidget() != &client)
        hit = hit->parentWidget();
    return hit ? hit : &client;
}

QString Name(const QWidget& control) {
    if (qobject_cast<const QLabel*>(&control) && control.property("index").isValid())
        return control.objectName() + QStringLiteral("(%1)").arg(control.property("index").toInt());
    return control.objectName();
}

// Alt+C, Alt+R and Alt+X press their button after a short animation; the action is over only
// when the button has been released (a button that stays down is for the caller to see).
void WaitForAnimatedClicks(const testing::Controls& c) {
    const auto released = [&c] {
        return !c.cmdCalculate->isDown() && !c.cmdReset->isDown() && !c.cmdExit->isDown();
    };
    if (!released())
        (void)QTest::qWaitFor(released, 5000);
}

} // namespace

Monkey::Monkey(std::uint32_t seed)
    : random_(seed) {}

int Monkey::below(int bound) {
    return static_cast<int>(random_() % static_cast<std::uint32_t>(bound));
}

// The coordinates are drawn one after the other: the order in which a compiler evaluates
// function arguments would otherwise decide which gets which number, and a seed would not
// replay the same actions in a build from another compiler.
QPoint Monkey::pointWithin(const QRect& area) {
    const int x = below(area.width());
    const int y = below(area.height());
    return area.topLeft() + QPoint(x, y);
}

QPoint Monkey::pointIn(const QWidget& control, const QWidget& client) {
    return control.mapTo(&client, pointWithin(control.rect()));
}

Action Monkey::act(QWidget& form, const testing::Controls& c) {
    QWindow* window = form.windowHandle();
    const bool exitHasFocus = QApplication::focusWidget() == c.cmdExit;
    const bool menuBarHasFocus = QApplication::focusWidget() == c.menuBar;
    int pick = below(TotalWeight(Moves));
    Move move = Moves[0].move;
    for (const Weighted& entry : Moves) {
        move = entry.move;
        if (pick < entry.weight)
            break;
        pick -= entry.weight;
    }
    const auto key = [window](const char* token, Qt::Key code,
                              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Key(window, code, modifiers);
        return Action{QString::fromLatin1(token)};
    };
    const auto pressesFocusedButton = [exitHasFocus](Action action) {
        action.mustExit = action.mayExit = exitHasFocus;
        return action;
    };

    Action action;
    switch (move) {
    case Move::Character:
        action = typeCharacter(form);
        if (action.token == QLatin1String("Sp"))
            action = pressesFocusedButton(action);
        break;
    case Move::Figure:
        action = typeFigure(form);
        break;
    case Move::Backspace:
        action = key("BS", Qt::Key_Backspace);
        break;
    case Move::Delete:
        action = key("Del", Qt::Key_Delete);
        break;
    case Move::CursorKey: {
        static constexpr NamedKey cursor[] = {{"Left", Qt::Key_Left},
                                              {"Right", Qt::Key_Right},
                                              {"Home", Qt::Key_Home},
                                              {"End", Qt::Key_End}};
        const auto& [token, code] = anyOf(cursor);
        action = key(token, code);
        break;
    }
    case Move::UpOrDown:
        action = below(2) ? key("Up", Qt::Key_Up) : key("Down", Qt::Key_Down);
        break;
    case Move::Tab:
        action = key("Tab", Qt::Key_Tab);
        break;
    case Move::BackTab:
        action = key("S-Tab", Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case Move::Return:
        action = pressesFocusedButton(key("Ret", Qt::Key_Return));
        break;
    case Move::KeypadEnter:
        action = pressesFocusedButton(key("Ent", Qt::Key_Enter, Qt::KeypadModifier));
        break;
    case Move::OpenListKey:
        action = below(2) ? key("F4", Qt::Key_F4) : key("A-Down", Qt::Key_Down, Qt::AltModifier);
        break;
    case Move::OpenListMouse:
        action = openListWithMouse(form, c);
        break;
    case Move::ClickAnywhere:
        action = click(form, c, pointWithin(c.client->rect()));
        break;
    case Move::ClickCalculate:
        action = click(form, c, pointIn(*c.cmdCalculate, *c.client));
        break;
    case Move::ClickReset:
        action = click(form, c, pointIn(*c.cmdReset, *c.client));
        break;
    case Move::AltC:
        action = key("A-C", Qt::Key_C, Qt::AltModifier);
        break;
    case Move::AltR:
        action = key("A-R", Qt::Key_R, Qt::AltModifier);
        break;
    case Move::AltH:
        action = key("A-H", Qt::Key_H, Qt::AltModifier);
        break;
    case Move::ClickHelpMenu:
        action = clickHelpMenu(form, c);
        break;
    case Move::CtrlF:
        action = key("^F", Qt::Key_F, Qt::ControlModifier);
        break;
    case Move::EditShortcut: {
        static constexpr NamedKey edit[] = {{"^A", Qt::Key_A},
                                            {"^C", Qt::Key_C},
                                            {"^X", Qt::Key_X},
                                            {"^V", Qt::Key_V},
                                            {"^Z", Qt::Key_Z}};
        const auto& [token, code] = anyOf(edit);
        action = key(token, code, Qt::ControlModifier);
        break;
    }
    case Move::Escape:
        action = key("Esc", Qt::Key_Escape);
        action.mayExit = true;
        action.mustExit = !menuBarHasFocus;
        break;
    case Move::AltX:
        action = key("A-X", Qt::Key_X, Qt::AltModifier);
        action.mayExit = true;
        action.mustExit = !menuBarHasFocus;
        break;
    case Move::CloseWindow:
        // What the title bar's close button does: the window system asks the window to close.
        window->close();
        action = Action{QStringLiteral("Close"), true, true};
        break;
    }
    WaitForAnimatedClicks(c);
    if (OpenList())
        action.token += closeOpenList();
    return action;
}

Action Monkey::typeCharacter(QWidget& form) {
    int pick = below(TotalWeight(Typed));
    for (const Characters& kind : Typed) {
        if (pick < kind.weight) {
            const char typed =
                kind.pool[static_cast<std::size_t>(below(static_cast<int>(kind.pool.size())))];
            QTest::keyClick(form.windowHandle(), typed);
            return Action{typed == ' ' ? QStringLiteral("Sp") : QString(QLatin1Char(typed))};
        }
        pick -= kind.weight;
    }
    return Action{};
}

// Figures typed whole, so that runs often get all six figures right and see results; half of
// the time the field's text is selected first, so that the figure replaces it.
Action Monkey::typeFigure(QWidget& form) {
    QString figure;
    const int kind = below(10);
    if (kind < 5) {
        figure = QString::number(1 + below(9));
        for (int digits = below(5); digits > 0; --digits)
            figure += QChar(u'0' + below(10));
    } else if (kind < 7) {
        figure = QString::number(below(1000)) + QLatin1Char('.');
        figure += QString::number(below(100));
    } else if (kind < 9) {
        figure = Latin1(anyOf(Presets));
    } else {
        figure = Latin1(anyOf(Oddities));
    }
    QString token = QLatin1Char('\'') + figure + QLatin1Char('\'');
    if (below(2)) {
        QTest::keyClick(form.windowHandle(), Qt::Key_A, Qt::ControlModifier);
        token.prepend(QStringLiteral("^A"));
    }
    for (QChar typed : std::as_const(figure))
        QTest::keyClick(form.windowHandle(), typed.toLatin1());
    return Action{token};
}

Action Monkey::openListWithMouse(QWidget& form, const testing::Controls& c) {
    QComboBox* const boxes[] = {c.cmbSpeed, c.cmbForce, c.cmbEfficiency};
    QComboBox* box = boxes[below(3)];
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect arrow =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, box);
    return click(form, c, box->mapTo(c.client, pointWithin(arrow)));
}

Action Monkey::click(QWidget& form, const testing::Controls& c, QPoint inClient) {
    QWidget* control = ControlAt(*c.client, inClient);
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      c.client->mapTo(&form, inClient));
    Action action{QStringLiteral("@%1,%2:").arg(inClient.x()).arg(inClient.y()) + Name(*control)};
    // The hidden Text1 lies beneath Exit, so a click there presses Exit too.
    action.mustExit = action.mayExit = control == c.cmdExit;
    return action;
}

Action Monkey::clickHelpMenu(QWidget& form, const testing::Controls& c) {
    const QRect title = c.menuBar->actionGeometry(c.mnuHelp->menuAction());
    const QPoint inBar = pointWithin(title);
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      c.menuBar->mapTo(&form, inBar));
    return Action{QStringLiteral("Help@%1,%2").arg(inBar.x()).arg(inBar.y())};
}

// Chooses in the open list as a user would: arrows and Return, a click on an item, or Esc.
// A click between a menu's items leaves it open, so this goes on until nothing is open.
QString Monkey::closeOpenList() {
    constexpr int MostTries = 6;
    QStringList done;
    for (int tries = 0; QWidget* list = OpenList(); ++tries) {
        QWindow* window = list->windowHandle();
        const int way = tries < MostTries ? below(4) : 0;
        if (way == 0) {
            Key(window, Qt::Key_Escape);
            done.append(QStringLiteral("Esc"));
            if (tries >= MostTries)
                break;
        } else if (way == 3) {
            // Never (0,0): QTest takes that as "the middle of the window".
            const QPoint at = pointWithin(list->rect().adjusted(1, 1, 0, 0));
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
            done.append(QStringLiteral("@%1,%2").arg(at.x()).arg(at.y()));
        } else {
            const bool down = way == 1;
            const int steps = below(9);
            for (int step = 0; step < steps; ++step)
                Key(window, down ? Qt::Key_Down : Qt::Key_Up);
            Key(window, Qt::Key_Return);
            done.append(QStringLiteral("%1%2 Ret").arg(down ? 'v' : '^').arg(steps));
        }
    }
    return QLatin1Char('[') + done.join(QLatin1Char(' ')) + QLatin1Char(']');
}

} // namespace quorvel::monkey
