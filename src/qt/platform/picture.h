#pragma once

#include <QImage>
#include <QSize>

#include "design.h"

namespace orvanta::platform {

// Decodes a picture of the design from the program's resources, keeping only
// its top-left keep part: for a picture a window cuts off, what the window
// can show. A null image when it cannot be read.
QImage DecodePicture(const forms::ResourceDesign &picture, QSize keep);

// Starts DecodePicture on another thread, so that the picture decodes while
// Qt starts: the decoder's buffers for the whole picture then come and go
// while the process is still small, not on top of the finished window.
void StartDecoding(const forms::ResourceDesign &picture, QSize keep);

// The picture StartDecoding started, once it is ready; decoded now when
// nothing was started for it.
QImage DecodedPicture(const forms::ResourceDesign &picture, QSize keep);

} // namespace orvanta::platform
