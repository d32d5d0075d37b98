#pragma once

#include <QFont>
#include <QString>

#include <map>

namespace quorvel {

inline constexpr int FieldFontPixels = 18; // 13.5 points at 96 dots per inch
inline constexpr int TitleFontPixels = 24; // 18 points

// The window's bold face at the sizes it is drawn in. The form was drawn for a small bitmap
// sans-serif; the face is the first of it and the faces of the same widths that the system has,
// or where it has none of them, the face it substitutes for them. It is chosen once, and each size
// is one font that every control drawn at that size shares, so that the font system is asked
// once, not once for each control.
class FormFonts {
public:
    FormFonts();

    const QFont& at(int pixelSize);

private:
    QString face_;
    std::map<int, QFont> sizes_;
};

} // namespace quorvel
