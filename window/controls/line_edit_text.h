#pragma once

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace quorvel {

// Where a line edit draws its text without scrolling it: the style's contents less the text
// margins, the two pixels the line edit keeps clear on either side, and one for the cursor after
// the text. The style option is built as QLineEdit builds its own, which it keeps protected.
inline QRect LineEditTextRect(const QLineEdit& edit) {
    constexpr int SideMargin = 2;
    constexpr int CursorWidth = 1;
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.contentsRect();
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    option.state |= QStyle::State_Sunken;
    if (edit.isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    return edit.style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
        .marginsRemoved(edit.textMargins())
        .adjusted(SideMargin, 0, -SideMargin - CursorWidth, 0);
}

} // namespace quorvel
