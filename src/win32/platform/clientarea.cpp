#include "clientarea.h"

#include "handles.h"
#include "twips.h"

namespace orvanta::platform {

ClientArea::ClientArea(const forms::WindowDesign &design)
{
    // Decoded while the process holds least: the decoder's buffers for the
    // whole picture come and go below what the finished window needs.
    if (design.background.isNone())
        return;
    try {
        m_picture = DibPicture(design);
        m_hasPicture = true;
    } catch (const std::exception &) {
        // A picture that cannot be read leaves the plain window colour.
    }
}

void ClientArea::paintBackground(HWND window, HDC dc, int dpi) const
{
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    m_picture.draw(dc, 0, 0, dpi);
}

void ClientArea::paintLines(HDC dc, int dpi) const
{
    for (const forms::LineDesign &line : m_lines) {
        // Each pixel becomes NOT(pen XOR destination), with flat ends at the
        // design's end points.
        LOGBRUSH brush{BS_SOLID, RGB(line.red, line.green, line.blue), 0};
        const UniquePen pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT,
                                         static_cast<DWORD>(ScaledPixels(line.widthPixels, dpi)), &brush, 0, nullptr));
        const SelectedObject selected(dc, pen.get());
        const int previous = SetROP2(dc, R2_NOTXORPEN);
        MoveToEx(dc, Twips(line.x1, dpi), Twips(line.y1, dpi), nullptr);
        LineTo(dc, Twips(line.x2, dpi), Twips(line.y2, dpi));
        SetROP2(dc, previous);
    }
}

} // namespace orvanta::platform
