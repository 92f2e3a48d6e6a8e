#pragma once

#include "paintedstatic.h"
#include "dibpicture.h"

namespace orvanta::platform {

// A picture control: a Static that shows its picture, decoded once from the
// program's resources, at its natural size from the top-left corner; where
// the picture is transparent the window's background shows.
class StaticPicture final : public PaintedStatic
{
public:
    StaticPicture(const forms::ControlDesign &design, HWND parent, int id, WindowFonts &fonts);

private:
    void paint(HDC dc, const RECT &area) override;

    DibPicture m_picture;
};

} // namespace orvanta::platform
