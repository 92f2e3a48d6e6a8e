#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "design.h"

namespace orvanta::platform {

// A tab strip in the classic style on the common tab control: one row of
// tabs along the top edge, each tab as wide as the strip divided by the
// number of tabs, and pages that cover the whole strip, so controls on a page
// are placed relative to the strip's own top-left corner, tabs included. Only
// the current page is shown; the others are hidden and disabled, keeping
// everything they hold.
//
// Each page is a window of its own beside the tab control, with the same
// rectangle. Window regions keep them apart: the tab control keeps its tabs
// and frame, the page the area inside the frame. The pages are control
// parents, so IsDialogMessageW's Tab key walks into the shown one.
class TabStrip final
{
public:
    TabStrip(HWND parent, int controlId, const forms::TwipsRect &rect, int tabHeightTwips,
             const std::vector<std::string> &captions, HFONT font, int dpi);
    ~TabStrip();
    TabStrip(const TabStrip &) = delete;
    TabStrip &operator=(const TabStrip &) = delete;

    // The tab control: it takes the keyboard focus for the strip.
    HWND control() const { return m_control; }
    // The window a page's controls are created on.
    HWND page(int index) const;
    int count() const { return static_cast<int>(m_pages.size()); }

    // The current page, counting from 0. Writing it switches pages as a click
    // on the tab would.
    int tab() const;
    void setTab(int index);

    // Runs handler after every page switch, by click, keyboard or setTab.
    void onPageSwitched(std::function<void()> handler) { m_switched = std::move(handler); }

    // Places the strip again at dpi (the window moved to another monitor).
    void layout(HFONT font, int dpi);

    // Handles the tab control's notifications (TCN_SELCHANGE), which arrive
    // at the top-level window; false when the notification is not a strip's.
    static bool notify(const NMHDR &header);

private:
    void showCurrentPage();

    HWND m_control = nullptr;
    std::vector<HWND> m_pages;
    forms::TwipsRect m_rect;
    int m_tabHeightTwips;
    std::function<void()> m_switched;
};

} // namespace orvanta::platform
