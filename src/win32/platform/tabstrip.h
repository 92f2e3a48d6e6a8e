#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <windows.h>

#include "adapter.h"
#include "design.h"
#include "nativecontrol.h"

namespace orvanta::platform {

// A tab strip in the classic style on the common tab control: one row of
// tabs along the top edge, each tab as wide as the strip divided by the
// number of tabs, and pages that cover the whole strip, so controls on a page
// are placed relative to the strip's own top-left corner, tabs included. Only
// the current page is shown; the others are hidden and disabled, keeping
// everything they hold.
//
// Each page is a window of its own beside the tab control, with the same
// rectangle, made when it is first shown or asked for: under Wine every
// window is dear to make. Window regions keep them apart: the tab control
// keeps its tabs and frame, the page the area inside the frame. The pages
// are control parents, so IsDialogMessageW's Tab key walks into the shown
// one.
class TabStrip final : public NativeControl
{
public:
    TabStrip(const forms::StripDesign &design, HWND parent, int id, WindowFonts &fonts);

    // The window a page's controls are made on; a page not shown is made
    // hidden and disabled.
    HWND page(int index) const;
    int count() const { return static_cast<int>(m_pages.size()); }

    // The current page, counting from 0. Writing it switches pages as a click
    // on the tab would.
    int tab() const;
    void setTab(int index);

    // Runs handler after every page switch, by click, keyboard or setTab.
    void onPageSwitched(std::function<void()> handler) { m_switched = std::move(handler); }

    // Places the strip again at dpi (the window moved to another monitor).
    void layout(WindowFonts &fonts, int dpi) override;
    // TCN_SELCHANGE: the user chose a tab.
    void notified(UINT code) override;
    void release() override { m_switched = nullptr; }

private:
    // Sizes the tabs for the strip at dpi, and gives the tab control and the
    // pages made so far their parts of it.
    void arrange(int dpi);
    // The area inside the tab control's frame, from the strip's corner.
    RECT pageArea() const;
    void placePage(HWND page) const;
    void showCurrentPage();

    // nullptr for a page not made yet. Making one changes nothing that shows,
    // so page() makes it.
    mutable std::vector<HWND> m_pages;
    int m_tabHeightTwips;
    // What the strip is laid out at.
    int m_dpi = 0;
    std::function<void()> m_switched;
};

static_assert(forms::TabStripLike<TabStrip>);

} // namespace orvanta::platform
