#pragma once

#include <QFont>

#include "design.h"

namespace orvanta::platform {

// The windows are designed for "MS Sans Serif" and, on the EXIT button,
// "Algerian". Neither ships with Linux; map them to the closest faces that
// the set-up installs instead of leaving the choice to fontconfig's generic
// alias.
void InstallFontSubstitutes();

// The font of a design: its face, size and weight, never italic, underlined
// or struck out.
QFont DesignFont(const forms::FontDesign &design);

} // namespace orvanta::platform
