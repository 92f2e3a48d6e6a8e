#pragma once

#include "arrangement.h"

namespace orvanta {

// The About box for a client area at most `width` twips wide: as designed
// where it fits. Below that the picture stays at its natural size at the
// top, the line runs across beneath it, and the texts and OK follow below;
// text is at least 12 pixels (9 points) and OK 36 pixels high.
forms::Arrangement ArrangeAbout(int width);

} // namespace orvanta
