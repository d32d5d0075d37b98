#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace quorvel {

// A field's background is its palette's Base role; a combo box hands it on to its edit part.
inline void SetFieldBackground(QWidget* field, const QColor& colour) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

} // namespace quorvel
