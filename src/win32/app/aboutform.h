#pragma once

// The About window, as the shared About life cycle sees it.

#include "aboutbox.h"

namespace orvanta::forms {

using AboutForm = AboutBox;
// Closes the window; the AboutBox object goes with it.
void Unload(AboutForm *form);

} // namespace orvanta::forms

#include "aboutformref.h"
