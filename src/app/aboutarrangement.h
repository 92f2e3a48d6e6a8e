#pragma once

#include "arrangement.h"

namespace orvanta {

// The About box for a client area at most `width` twips wide: as designed
// wherever the main window fits as designed. On a page narrower than that (a
// phone) its text is at least 12 pixels (9 points) and OK 36 pixels high;
// where the box itself does not fit, the picture stays at its natural size
// at the top, the line runs across beneath it, and the texts and OK follow.
forms::Arrangement ArrangeAbout(int width);

} // namespace orvanta
