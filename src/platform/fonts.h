#pragma once

#include <QFont>

namespace orvanta::platform {

// The window is designed for "MS Sans Serif" and, on the EXIT button,
// "Algerian". Neither ships with Linux; map them to the closest faces that
// the set-up installs instead of leaving the choice to fontconfig's generic
// alias.
void InstallFontSubstitutes();

// A font of the given face and size; weight is QFont::Normal or QFont::Bold.
QFont DesignFont(const QString &family, double pointSize, QFont::Weight weight = QFont::Normal);

} // namespace orvanta::platform
