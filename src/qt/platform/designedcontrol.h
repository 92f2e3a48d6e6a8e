#pragma once

#include "design.h"

class QLabel;
class QWidget;

namespace orvanta::platform {

// Gives a control its design's name, twips geometry, font (unless it keeps
// the window's) and what screen readers say of it.
void PlaceControl(QWidget *control, const forms::ControlDesign &design);

// A plain-text label of a design, aligned as designed at its top edge.
QLabel *MakeLabel(const forms::ControlDesign &design, QWidget *parent);

} // namespace orvanta::platform
