#pragma once

#include <vector>

#include <QImage>
#include <QPoint>

#include "design.h"

namespace orvanta::platform {

// A part of a picture, and where it lies in the picture.
struct PicturePart
{
    QPoint at;
    QImage image;
};

// The parts of a window's background picture that the window can show
// (forms::DecodeBackground), from the program's resources. Nothing when the
// picture cannot be read: the window then shows its plain colour.
std::vector<PicturePart> DecodeBackground(const forms::WindowDesign &design);

} // namespace orvanta::platform
