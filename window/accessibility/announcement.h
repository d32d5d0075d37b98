#pragma once

#include <QString>

class QWidget;

namespace quorvel {

// Has a screen reader speak `message` at once, without moving the focus and without anything
// changing on screen. `window` is the window the message comes from. Costs nothing until the
// first message, and nothing at all while no assistive tool listens.
void Announce(QWidget* window, const QString& message);

} // namespace quorvel
