#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <random>

class QPoint;
class QRect;
class QWidget;

namespace quorvel::testing {
struct Controls;
}

namespace quorvel::monkey {

// One user action as it was performed, with what it may do to the window's life.
struct Action {
    // Compact, for the log of a run: "7", "BS", "S-Tab", "A-R", "^F", "@212,97:txtHP" (a click
    // at that point of the client area and the control it hit), and after an action that opened
    // a drop-down list what was done in it: "[v3 Ret]", "[^1 Ret]", "[@40,25]", "[Esc]". A figure
    // typed whole is quoted, after "^A" when the field's text was selected first: "^A'2500'".
    QString token;
    // It presses Exit: closing the window, a click on the Exit button (the hidden Text1 beneath
    // it included), Enter or Space while Exit has the focus, and Esc or Alt+X unless the menu
    // bar has the focus (a menu left with Esc leaves the menu bar with the keyboard, and the
    // next Esc only takes it back from there).
    bool mustExit = false;
    // It can press Exit: the above, and Esc or Alt+X wherever the focus is.
    bool mayExit = false;
};

// Seeded random user actions on a shown frmQuorvel, delivered through the window system as a
// user's would be: keys go to the window and Qt routes them (shortcuts, access keys, the focus,
// an open list), clicks land on whatever lies at their point. Every action ends with no
// drop-down list open; a message box that opens meanwhile is for the caller to answer. The same
// seed gives the same actions.
class Monkey {
public:
    explicit Monkey(std::uint32_t seed);

    Action act(QWidget& form, const testing::Controls& controls);

private:
    int below(int bound);
    template <typename Item, std::size_t Count> const Item& anyOf(const Item (&items)[Count]) {
        return items[static_cast<std::size_t>(below(static_cast<int>(Count)))];
    }
    QPoint pointWithin(const QRect& area);
    QPoint pointIn(const QWidget& control, const QWidget& client);

    Action typeCharacter(QWidget& form);
    Action typeFigure(QWidget& form);
    Action openListWithMouse(QWidget& form, const testing::Controls& controls);
    Action click(QWidget& form, const testing::Controls& controls, QPoint inClient);
    Action clickHelpMenu(QWidget& form, const testing::Controls& controls);
    QString closeOpenList();

    std::mt19937 random_;
};

} // namespace quorvel::monkey
