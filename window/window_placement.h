#pragma once

class QWidget;

namespace quorvel {

// Moves a top-level window that is created but not yet mapped so that it appears centred on the
// available area of its screen: its whole frame, title bar included, where the window manager
// tells the frame's size beforehand, and the window itself where there is no window manager.
// Placed before it is mapped, the window never jumps.
void CentreOnScreen(QWidget& window);

} // namespace quorvel
