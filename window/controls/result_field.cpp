#include "window/controls/result_field.h"

#include "window/controls/line_edit_text.h"

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

} // namespace

ResultField::ResultField(const QFont& designedFont, QWidget* parent)
    : QLineEdit(parent)
    , designedFont_(designedFont) {
    setFont(designedFont_);
    connect(this, &QLineEdit::textChanged, this, &ResultField::fitFont);
}

bool ResultField::cut() const {
    return std::ceil(QFontMetricsF(font()).horizontalAdvance(text())) >
           LineEditTextRect(*this).width();
}

void ResultField::fitFont(const QString& text) {
    QFont font = designedFont_;
    const int room = LineEditTextRect(*this).width();
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
    const QRect room = LineEditTextRect(*this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
}

} // namespace quorvel
