#include "fonts.h"

#include <QStringList>

namespace orvanta::platform {

void InstallFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Algerian"),
                               {QStringLiteral("Quattrocento"), QStringLiteral("Liberation Serif"),
                                QStringLiteral("DejaVu Serif")});
}

QFont DesignFont(const QString &family, double pointSize, QFont::Weight weight)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace orvanta::platform
