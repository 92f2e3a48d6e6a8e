#pragma once

#include "forms.h"

namespace orvanta {

// The tab strips Form_Load selects pages on.
struct StartStrips
{
    forms::TabStrip *SSTab1 = nullptr;
    forms::TabStrip *SSTab2 = nullptr;
};

// Main's load step, before it is first shown: the area pages come to the
// front, "Meter² to Feet²" first. The volume strip keeps its designed page.
void Form_Load(const StartStrips &strips);

// File > Exit (Ctrl+Q) and the EXIT button end the program at once.
void mnuExit_Click();
void Command11_Click();

} // namespace orvanta
