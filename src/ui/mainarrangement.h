#pragma once

#include "arrangement.h"

namespace orvanta {

// Main for a client area at most `width` twips wide: as designed where the
// designed client area fits. Below that, its narrow arrangement: the outer
// strip and the inner one on its page fill the width; a page's rows run
// down it, each with its box, its Convert button and its result side by
// side, the columns sharing what the width allows; EXIT below the strips at
// the right. Text is at least 12 pixels (9 points), and what a box shows 16
// (12 points), so that a phone does not zoom into the box being typed in;
// boxes, buttons and tabs are at least 36 pixels high.
forms::Arrangement ArrangeMain(int width);

} // namespace orvanta
