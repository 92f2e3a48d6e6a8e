#include "mainhandlers.h"

namespace orvanta {

void Form_Load(const StartStrips &strips)
{
    forms::SetTab(strips.SSTab1, 0);
    forms::SetTab(strips.SSTab2, 0);
}

void mnuExit_Click()
{
    forms::End();
}

void Command11_Click()
{
    forms::End();
}

} // namespace orvanta
