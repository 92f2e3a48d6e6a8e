#pragma once

#include <string_view>

#include "paintedstatic.h"

namespace orvanta::platform {

class AccessibleAnnotations;
class ToolTips;

// A label: a Static that keeps its text on one line, left or centred at the
// top edge, cut off at its edges when too long (a Static with SS_CENTER
// would wrap it). Its tip shows in the window's tooltip control, and screen
// readers get it as the label's description. A label designed without a
// caption shows results: screen readers know it as a polite live region and
// are told when it shows a new one.
class StaticLabel final : public PaintedStatic
{
public:
    StaticLabel(const forms::ControlDesign &design, HWND parent, int id, WindowFonts &fonts, ToolTips &toolTips,
                AccessibleAnnotations &annotations);

    void setToolTip(std::string_view tip);
    // The tooltip control that shows the tip; nullptr while the window has
    // shown no tip yet.
    HWND toolTipWindow() const;

private:
    void paint(HDC dc, const RECT &area) override;
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool m_centred;
    bool m_showsResults;
    ToolTips &m_toolTips;
    AccessibleAnnotations &m_annotations;
};

} // namespace orvanta::platform
