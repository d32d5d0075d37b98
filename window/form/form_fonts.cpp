#include "window/form/form_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace quorvel {
namespace {

// In order of preference; the last is whatever the system calls its sans-serif face.
const QStringList& Faces() {
    static const QStringList faces{
        QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("sans-serif")};
    return faces;
}

QFont Bold(const QStringList& families, int pixelSize) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QString ChooseFace() {
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : Faces()) {
        if (installed.contains(face))
            return face;
    }
    // None installed under these names: the face the system resolves the list to, aliases and
    // substitutions included.
    return QFontInfo(Bold(Faces(), FieldFontPixels)).family();
}

} // namespace

FormFonts::FormFonts()
    : face_(ChooseFace()) {}

const QFont& FormFonts::at(int pixelSize) {
    auto size = sizes_.find(pixelSize);
    if (size == sizes_.end())
        size = sizes_.emplace(pixelSize, Bold({face_}, pixelSize)).first;
    return size->second;
}

} // namespace quorvel
