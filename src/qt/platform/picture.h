#pragma once

#include <vector>

#include <QImage>
#include <QPoint>

#include "decodedpicture.h"
#include "design.h"

namespace orvanta::platform {

// A part of a picture, and where it lies in the picture.
struct PicturePart
{
    QPoint at;
    QImage image;
};

// Decodes a picture of the design from the program's resources, keeping only
// the given parts of it (see forms::DecodePicture). Nothing when it cannot be
// read.
std::vector<PicturePart> DecodePicture(const forms::ResourceDesign &picture, std::vector<forms::PixelRect> parts);

// Starts DecodePicture on another thread, so that the picture decodes while
// Qt starts: the decoder's buffers for the whole picture then come and go
// while the process is still small, not on top of the finished window.
void StartDecoding(const forms::ResourceDesign &picture, std::vector<forms::PixelRect> parts);

// The parts StartDecoding started, once they are ready; decoded now when
// nothing was started for them.
std::vector<PicturePart> DecodedPicture(const forms::ResourceDesign &picture, std::vector<forms::PixelRect> parts);

} // namespace orvanta::platform
