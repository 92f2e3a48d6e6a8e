#include "staticlabel.h"

#include <string>

#include "accessibleannotations.h"
#include "handles.h"
#include "tooltips.h"
#include "winapi.h"

namespace orvanta::platform {
namespace {

bool isCentred(const forms::ControlDesign &design)
{
    return design.align == forms::TextAlign::Centre;
}

} // namespace

StaticLabel::StaticLabel(const forms::ControlDesign &design, HWND parent, int id, WindowFonts &fonts,
                         ToolTips &toolTips, AccessibleAnnotations &annotations)
    // SS_NOTIFY: the label takes the mouse, so its tooltip sees the pointer.
    : PaintedStatic(design, SS_NOPREFIX | SS_NOTIFY | (isCentred(design) ? SS_CENTER : SS_LEFT), parent, id, fonts)
    , m_centred(isCentred(design))
    , m_showsResults(design.caption.empty())
    , m_toolTips(toolTips)
    , m_annotations(annotations)
{
    if (m_showsResults)
        m_annotations.setPoliteLiveRegion(hwnd());
}

void StaticLabel::setToolTip(std::string_view tip)
{
    m_toolTips.set(hwnd(), tip);
    m_annotations.setDescription(hwnd(), tip);
}

HWND StaticLabel::toolTipWindow() const
{
    return m_toolTips.window();
}

void StaticLabel::paint(HDC dc, const RECT &area)
{
    auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    const SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = WindowTextOf(hwnd());
    RECT bounds = area;
    // Never wrapped; a text too long is cut off at the label's edges, both of
    // them when centred.
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_SINGLELINE | DT_NOPREFIX | DT_TOP | (m_centred ? DT_CENTER : DT_LEFT));
}

LRESULT StaticLabel::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_SETTEXT)
        return PaintedStatic::message(message, wParam, lParam);
    const std::wstring before = m_showsResults ? WindowTextOf(hwnd()) : std::wstring();
    // The Static would paint the new text at once, wrapped: store it only.
    const LRESULT result = DefWindowProcW(hwnd(), message, wParam, lParam);
    InvalidateRect(hwnd(), nullptr, FALSE);
    // A new result is read out; a row cleared after a warning is not, the
    // warning says enough.
    if (m_showsResults && GetWindowTextLengthW(hwnd()) > 0 && WindowTextOf(hwnd()) != before)
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hwnd(), OBJID_CLIENT, CHILDID_SELF);
    return result;
}

} // namespace orvanta::platform
