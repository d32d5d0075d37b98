#pragma once

#include <initializer_list>

class QLineEdit;
class QWidget;

namespace quorvel {

class FormFonts;

// Keep every text of the window whole where the face the system gives is wider than the one the
// form was drawn for, or the style takes more room around a field's text, with each control at
// its designed place and size. Each group of like controls keeps one size, the largest of the
// form's face up to the designed one at which every text of the group fits. The controls must be
// polished, since a style may set a field's margins then.

// Labels and buttons: a caption must fit on one line.
void FitCaptions(FormFonts& fonts, int designedPixels, std::initializer_list<QWidget*> controls);

// Line edits and combo boxes: a line edit must show as many digits as it takes, a combo box the
// longest item of its list. Where a figure does not fit, the margins the style keeps beside the
// text give way first, as far as they must, and only then the size. Returns the widest margin
// left, for fields that are to line up with these.
int FitFigures(FormFonts& fonts, int designedPixels, std::initializer_list<QWidget*> fields);

// Narrows the margins beside the edit's text to at most `widest`.
void CapTextMargins(QLineEdit* edit, int widest);

} // namespace quorvel
