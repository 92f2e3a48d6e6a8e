#include "staticpicture.h"

#include "twips.h"

namespace orvanta::platform {

StaticPicture::StaticPicture(const forms::ControlDesign &design, HWND parent, int id, WindowFonts &fonts)
    : PaintedStatic(design, SS_BITMAP, parent, id, fonts)
    , m_picture(design.picture)
{
}

void StaticPicture::paint(HDC dc, const RECT &)
{
    m_picture.draw(dc, 0, 0, WindowDpi(hwnd()));
}

} // namespace orvanta::platform
