#pragma once

#include <QString>

class QWidget;

namespace quorvel::testing {
struct Controls;
struct ShownBox;
} // namespace quorvel::testing

namespace quorvel::monkey {

// What must hold of an open window after any user action, whatever came before; "" when it all
// holds, otherwise what is wrong, with the figures that show it:
// - each weight field holds at most 8 characters;
// - the three preset lists hold their items in their order;
// - a non-empty result field shows exactly what the Calculate command gives for the six figures
//   on the screen, with no notice, and no input field is marked red beside it.
QString BrokenPromise(const testing::Controls& controls);

// "" when the box is one of the program's nine dialogs (title, text, one OK button, no icon),
// otherwise its description.
QString StrangeBox(const testing::ShownBox& box);

} // namespace quorvel::monkey
