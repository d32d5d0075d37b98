#pragma once

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace quorvel {

// QLineEdit builds its style option in initStyleOption(), which it keeps protected; a class
// derived from it may name that function for any line edit, its own or Qt's.
struct LineEditStyleOption : QLineEdit {
    static QStyleOptionFrame Of(const QLineEdit& edit) {
        QStyleOptionFrame option;
        (edit.*&LineEditStyleOption::initStyleOption)(&option);
        return option;
    }
};

// Where a line edit draws its text without scrolling it: the style's contents less the text
// margins, the margin the line edit keeps clear on either side, and the cursor after the text.
inline QRect LineEditTextRect(const QLineEdit& edit) {
    // Qt gives no public way to read this margin; it has been 2 px since Qt 4.
    constexpr int SideMargin = 2;
    const QStyleOptionFrame option = LineEditStyleOption::Of(edit);
    const int cursorWidth = edit.style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, &edit);
    return edit.style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
        .marginsRemoved(edit.textMargins())
        .adjusted(SideMargin, 0, -SideMargin - cursorWidth, 0);
}

} // namespace quorvel
