#pragma once

// A window's background picture, as much of it as the window can show: the
// client area, less the middle of the strip that covers it (the design's
// backgroundCover), whose pages are painted whatever page is shown. Only
// those parts are decoded and kept; the adapters draw them.

#include <span>
#include <vector>

#include "decodedpicture.h"
#include "design.h"

namespace orvanta::forms {

// The parts, in pixels at the standard DPI: the client area (rounded up) as
// bands above and below the covered middle and pieces left and right of it.
// Their edges lie on multiples of four pixels, so scaled by the usual steps
// of a quarter (125%, 150%, 200%) they stay whole pixels and the parts join
// without a seam.
std::vector<PixelRect> BackgroundParts(const WindowDesign &design);

// Decodes those parts of the background picture from its file (DecodePicture).
void DecodeBackground(const WindowDesign &design, std::span<const unsigned char> file,
                      const PixelDestination &destination);

} // namespace orvanta::forms
