#include "window/result_field.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace quorvel {
namespace {

// Below this a figure can no longer be read; a result beyond what fits even then (some eighteen
// characters) is shown cut.
constexpr int SmallestPixels = 9;
// A line edit keeps this much space on either side of its text, and one pixel more for the
// cursor.
constexpr int LineEditMargin = 2;
constexpr int CursorWidth = 1;

} // namespace

ResultField::ResultField(const QFont& designedFont, QWidget* parent)
    : QLineEdit(parent)
    , designedFont_(designedFont) {
    setFont(designedFont_);
    connect(this, &QLineEdit::textChanged, this, &ResultField::fitFont);
}

// Where the line edit draws its text.
QRect ResultField::textRect() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(LineEditMargin, 0, -LineEditMargin - CursorWidth, 0);
}

bool ResultField::cut() const {
    return std::ceil(QFontMetricsF(font()).horizontalAdvance(text())) > textRect().width();
}

void ResultField::fitFont(const QString& text) {
    QFont font = designedFont_;
    const int room = textRect().width();
    for (int pixels = designedFont_.pixelSize();
         pixels > SmallestPixels && std::ceil(QFontMetricsF(font).horizontalAdvance(text)) > room;)
        font.setPixelSize(--pixels);
    if (font != this->font())
        setFont(font);
    setToolTip(cut() ? text : QString());
    home(false);
}

// A cut result is drawn with an ellipsis where it is cut. With the focus, the field is a line
// edit again, whose caret shows where the user is in the figure, for selecting and copying it.
void ResultField::paintEvent(QPaintEvent* event) {
    if (hasFocus() || !cut()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    const QRect room = textRect();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
}

} // namespace quorvel
