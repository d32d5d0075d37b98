#include "window/form/form_fit.h"

#include "window/controls/line_edit_text.h"
#include "window/form/form_fonts.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorvel {
namespace {

// Below this a caption or figure can no longer be read.
constexpr int SmallestPixels = 8;
// A pixel to spare for rounding.
constexpr int RoundingSlack = 1;

// The largest size from `designedPixels` down at which `fits` holds, or the smallest.
template <typename Fits>
int LargestFitting(FormFonts& fonts, int designedPixels, const Fits& fits) {
    int pixels = designedPixels;
    while (pixels > SmallestPixels && !fits(QFontMetricsF(fonts.at(pixels))))
        --pixels;
    return pixels;
}

void SetFont(FormFonts& fonts, int pixels, std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls)
        control->setFont(fonts.at(pixels));
}

int CaptionRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    if (button->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button->isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

// A character at a time: in sans-serif faces kerning and ligatures narrow these captions, never
// widen them, so this is never less than the width they are drawn in, and it spares shaping each
// caption once more before it is drawn.
qreal CaptionWidth(const QFontMetricsF& metrics, const QString& caption) {
    qreal width = 0;
    for (const QChar character : caption)
        width += metrics.horizontalAdvance(character);
    return width;
}

bool CaptionFits(const QWidget* control, const QFontMetricsF& metrics) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return std::ceil(CaptionWidth(metrics, label->text())) <= label->contentsRect().width();
    const auto* button = static_cast<const QPushButton*>(control);
    const QString caption = QString(button->text()).remove(QLatin1Char('&'));
    return std::ceil(CaptionWidth(metrics, caption)) <= CaptionRoom(button);
}

// A field's edit part, the widest figure it must show, and the room for it with the text margins
// that the style may have set.
struct Figure {
    QLineEdit* edit;
    qsizetype digits;
    int roomWithMargins;

    // The room with each margin narrowed to at most `marginCap`.
    int room(int marginCap) const {
        const QMargins margins = edit->textMargins();
        return roomWithMargins + margins.left() - std::min(margins.left(), marginCap) +
               margins.right() - std::min(margins.right(), marginCap) - RoundingSlack;
    }
};

Figure FigureOf(QWidget* field) {
    if (auto* box = qobject_cast<QComboBox*>(field)) {
        qsizetype longest = 0;
        for (int item = 0; item < box->count(); ++item)
            longest = std::max(longest, box->itemText(item).size());
        return {box->lineEdit(), longest, LineEditTextRect(*box->lineEdit()).width()};
    }
    auto* edit = static_cast<QLineEdit*>(field);
    return {edit, edit->maxLength(), LineEditTextRect(*edit).width()};
}

// Figures are digits; a figure of n digits is never wider than n of the widest.
qreal WidestDigit(const QFontMetricsF& metrics) {
    qreal widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit)
        widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(digit)));
    return widest;
}

bool FiguresFit(const std::vector<Figure>& figures, const QFontMetricsF& metrics, int marginCap) {
    const qreal digit = WidestDigit(metrics);
    return std::all_of(figures.begin(), figures.end(), [&](const Figure& figure) {
        return std::ceil(static_cast<qreal>(figure.digits) * digit) <= figure.room(marginCap);
    });
}

} // namespace

void CapTextMargins(QLineEdit* edit, int widest) {
    const QMargins margins = edit->textMargins();
    if (margins.left() > widest || margins.right() > widest)
        edit->setTextMargins(std::min(margins.left(), widest), margins.top(),
                             std::min(margins.right(), widest), margins.bottom());
}

void FitCaptions(FormFonts& fonts, int designedPixels, std::initializer_list<QWidget*> controls) {
    const int pixels =
        LargestFitting(fonts, designedPixels, [controls](const QFontMetricsF& metrics) {
            return std::all_of(controls.begin(), controls.end(), [&metrics](QWidget* control) {
                return CaptionFits(control, metrics);
            });
        });
    if (pixels != designedPixels)
        SetFont(fonts, pixels, controls);
}

int FitFigures(FormFonts& fonts, int designedPixels, std::initializer_list<QWidget*> fields) {
    std::vector<Figure> figures;
    int widestMargin = 0;
    for (QWidget* field : fields) {
        figures.push_back(FigureOf(field));
        const QMargins margins = figures.back().edit->textMargins();
        widestMargin = std::max({widestMargin, margins.left(), margins.right()});
    }
    const QFontMetricsF designed(fonts.at(designedPixels));
    int marginCap = widestMargin;
    while (marginCap > 0 && !FiguresFit(figures, designed, marginCap))
        --marginCap;
    const int pixels =
        LargestFitting(fonts, designedPixels, [&figures, marginCap](const QFontMetricsF& metrics) {
            return FiguresFit(figures, metrics, marginCap);
        });
    for (const Figure& figure : figures)
        CapTextMargins(figure.edit, marginCap);
    if (pixels != designedPixels)
        SetFont(fonts, pixels, fields);
    return marginCap;
}

} // namespace quorvel
