#include "fonts.h"

#include <QStringList>

#include "utf8.h"

namespace orvanta::platform {
void InstallFontSubstitutes()
{
    for (const forms::FontFallback &fallback : forms::FontFallbacks) {
        QStringList substitutes;
        for (std::string_view face : fallback.substitutes)
            substitutes << FromUtf8(face);
        QFont::insertSubstitutions(FromUtf8(fallback.face), substitutes);
    }
}

QFont DesignFont(const forms::FontDesign &design)
{
    QFont font(FromUtf8(design.face));
    font.setPointSizeF(design.points);
    font.setWeight(design.weight == forms::FontWeight::Bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace orvanta::platform
