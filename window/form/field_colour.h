#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace quorvel {

// A field's background is its palette's Base role; a combo box hands it on to its edit part.
// The window's backgrounds are all light (white, red, yellow), so the text on them is black:
// a dark theme's light text would vanish on them. Selections keep the theme's own pair.
// Every edit and every Calculate sets the colour of the fields involved, and most of them have it
// already. setPalette would resolve the whole palette against the style's before finding that
// nothing changed, so a field that already has this colour set is left alone. A field that only
// inherits the colour still gets it set, so that it no longer follows the system's palette.
inline void SetFieldBackground(QWidget* field, const QColor& colour) {
    const QPalette current = field->palette();
    QPalette palette = current;
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, Qt::black);
    if (palette.resolveMask() == current.resolveMask() && palette == current)
        return;
    field->setPalette(palette);
}

} // namespace quorvel
