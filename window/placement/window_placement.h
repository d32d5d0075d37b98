#pragma once

#include <functional>

class QWidget;

namespace quorvel {

// Asks the window manager, without waiting for the answer, for the frame it will put round the
// top-level window: asked while the rest of the window is made, the answer is there when it is
// shown. The frame depends on the window's kind and on whether it can be resized, so the window
// must already have its fixed size.
void AskForFrame(QWidget& window);

// Shows a top-level window for the first time, `show` doing the showing, centred on the
// available area of its screen: the window itself where nothing frames it, its whole frame,
// title bar included, under a window manager. It is placed before it is mapped, with the frame
// the window manager has told; where it has told none yet, it is placed without one and moved
// once when the frame is told. Nothing waits for the window manager or holds the display.
void ShowCentred(QWidget& window, const std::function<void()>& show);

} // namespace quorvel
