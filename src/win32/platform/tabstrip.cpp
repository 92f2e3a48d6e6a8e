#include "tabstrip.h"

#include <algorithm>
#include <string>

#include <commctrl.h>

#include "fonts.h"
#include "twips.h"
#include "utf8.h"
#include "winapi.h"

namespace orvanta::platform {
namespace {

constexpr wchar_t PageClass[] = L"Orvanta.TabPage";
// Pixels by which the selected tab grows at each side (comctl32).
constexpr int SelectedTabOffset = 2;

// The page area: the button-face colour, with labels drawn on it.
LRESULT CALLBACK pageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
        RECT area{};
        GetClientRect(page, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_COMMAND:
    case WM_NOTIFY:
        // The window handles its controls' notifications in one place, as it
        // does those IsDialogMessageW sends it directly (Enter, Escape).
        return SendMessageW(GetAncestor(page, GA_ROOT), message, wParam, lParam);
    default:
        return DefWindowProcW(page, message, wParam, lParam);
    }
}

void registerPageClass()
{
    WNDCLASSEXW pageClass{};
    pageClass.lpfnWndProc = pageProc;
    pageClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    pageClass.lpszClassName = PageClass;
    RegisterWindowClass(pageClass);
}

// The strip's tab control, as the design of a control on its parent.
forms::ControlDesign tabControl(const forms::StripDesign &strip)
{
    forms::ControlDesign control;
    control.name = strip.name;
    control.rect = strip.rect;
    return control;
}

} // namespace

TabStrip::TabStrip(const forms::StripDesign &design, HWND parent, int id, WindowFonts &fonts)
    : NativeControl(tabControl(design), {WC_TABCONTROLW, ChildStyle | WS_TABSTOP | TCS_FIXEDWIDTH | TCS_SINGLELINE},
                    parent, id, fonts)
    , m_tabHeightTwips(design.tabHeight)
{
    registerPageClass();
    for (std::string_view caption : design.captions) {
        std::wstring text = FromUtf8(caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        TabCtrl_InsertItem(hwnd(), count(), &item);
        m_pages.push_back(nullptr);
    }
    arrange(fonts.dpi());
    setTab(design.designedTab);
}

HWND TabStrip::page(int index) const
{
    HWND &page = m_pages.at(static_cast<std::size_t>(index));
    if (!page) {
        page = CheckedWindow(CreateWindowExW(WS_EX_CONTROLPARENT, PageClass, nullptr,
                                             WS_CHILD | WS_DISABLED | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                             GetParent(hwnd()), nullptr, ProgramInstance(), nullptr),
                             "tab page");
        placePage(page);
    }
    return page;
}

int TabStrip::tab() const
{
    return TabCtrl_GetCurSel(hwnd());
}

void TabStrip::setTab(int index)
{
    TabCtrl_SetCurSel(hwnd(), index);
    showCurrentPage();
}

void TabStrip::layout(WindowFonts &fonts, int dpi)
{
    NativeControl::layout(fonts, dpi);
    arrange(dpi);
}

void TabStrip::arrange(int dpi)
{
    m_dpi = dpi;
    const RECT strip = TwipsRect(rect(), dpi);
    const int width = strip.right - strip.left;
    // Tabs share the strip's width equally and have the strip's tab height.
    // The control keeps room for the selected tab to stand out on each side;
    // tabs any wider would bring in its scroll arrows.
    TabCtrl_SetItemSize(hwnd(), (width - 2 * SelectedTabOffset) / std::max(1, count()),
                        Twips(m_tabHeightTwips, dpi));

    const RECT inside = pageArea();
    HRGN frame = CreateRectRgn(0, 0, width, strip.bottom - strip.top);
    HRGN hole = CreateRectRgnIndirect(&inside);
    CombineRgn(frame, frame, hole, RGN_DIFF);
    DeleteObject(hole);
    SetWindowRgn(hwnd(), frame, TRUE); // the window owns the region now
    for (HWND page : m_pages) {
        if (page)
            placePage(page);
    }
}

RECT TabStrip::pageArea() const
{
    const RECT strip = TwipsRect(rect(), m_dpi);
    RECT inside{0, 0, strip.right - strip.left, strip.bottom - strip.top};
    TabCtrl_AdjustRect(hwnd(), FALSE, &inside);
    return inside;
}

void TabStrip::placePage(HWND page) const
{
    const RECT strip = TwipsRect(rect(), m_dpi);
    SetWindowPos(page, nullptr, strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT inside = pageArea();
    SetWindowRgn(page, CreateRectRgnIndirect(&inside), TRUE);
}

void TabStrip::notified(UINT code)
{
    if (code == static_cast<UINT>(TCN_SELCHANGE))
        showCurrentPage();
}

void TabStrip::showCurrentPage()
{
    const int current = tab();
    HWND focus = GetFocus();
    for (int i = 0; i < count(); ++i) {
        const bool shown = i == current;
        HWND page = shown ? this->page(i) : m_pages[static_cast<std::size_t>(i)];
        if (!page)
            continue;
        // The focus must not stay on a control the user cannot see.
        if (!shown && focus && IsChild(page, focus))
            ::SetFocus(hwnd());
        EnableWindow(page, shown);
        ShowWindow(page, shown ? SW_SHOWNA : SW_HIDE);
    }
    if (m_switched)
        m_switched();
}

} // namespace orvanta::platform
