#pragma once

#include <vector>

#include <windows.h>

#include "design.h"
#include "handles.h"

namespace orvanta::platform {

// The fonts of one window at its DPI, each made once. A control whose design
// names no font takes the window's font; a window whose design names none,
// the system's message font.
//
// The windows are designed for "MS Sans Serif" and, on the EXIT button,
// "Algerian". Current Windows has the first only as a bitmap font and rarely
// the second; Wine has neither. A design face is used when it is installed,
// else the first installed of its stand-ins (forms::FontFallbacks), so the
// choice does not fall to GDI's font mapper. A bitmap face counts as
// installed only at 96 DPI: its few fixed sizes are made for that. The
// height in pixels is points * dpi / 72, rounded, as the em size.
class WindowFonts final
{
public:
    WindowFonts(const forms::FontDesign &windowFont, int dpi);
    WindowFonts(const WindowFonts &) = delete;
    WindowFonts &operator=(const WindowFonts &) = delete;

    HFONT font(const forms::FontDesign &design);

    int dpi() const { return m_dpi; }
    // Makes every font again for dpi and hands back those of the old DPI:
    // the controls hold them until they are given their new ones, so they
    // may be freed only after that.
    [[nodiscard]] std::vector<UniqueFont> setDpi(int dpi);

private:
    struct Entry
    {
        forms::FontDesign design;
        UniqueFont font;
    };

    forms::FontDesign m_windowFont;
    int m_dpi;
    std::vector<Entry> m_fonts;
};

} // namespace orvanta::platform
