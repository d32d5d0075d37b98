#include "window/result_field.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace quorvel {
namespace {

// Below this a figure can no longer be read; a result beyond what fits even then (over twenty
// digits) shows its leading characters.
constexpr int SmallestPixels = 6;
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

int ResultField::textRoom() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    return contents.width() - 2 * LineEditMargin - CursorWidth;
}

void ResultField::fitFont(const QString& text) {
    QFont font = designedFont_;
    const int room = textRoom();
    for (int pixels = designedFont_.pixelSize();
         pixels > SmallestPixels && std::ceil(QFontMetricsF(font).horizontalAdvance(text)) > room;)
        font.setPixelSize(--pixels);
    if (font != this->font())
        setFont(font);
    home(false);
}

} // namespace quorvel
