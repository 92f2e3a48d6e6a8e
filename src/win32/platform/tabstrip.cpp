#include "tabstrip.h"

#include <algorithm>

#include "twips.h"
#include "utf8.h"
#include "window.h"

namespace orvanta::platform {
namespace {

constexpr wchar_t PageClass[] = L"Orvanta.TabPage";
constexpr wchar_t StripProperty[] = L"Orvanta.TabStrip";
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

} // namespace

TabStrip::TabStrip(HWND parent, int controlId, const forms::TwipsRect &rect, int tabHeightTwips,
                   const std::vector<std::string> &captions, HFONT font, int dpi)
    : m_rect(rect)
    , m_tabHeightTwips(tabHeightTwips)
{
    registerPageClass();
    m_control = CheckedWindow(
        CreateWindowExW(0, WC_TABCONTROLW, nullptr,
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH | TCS_SINGLELINE, 0, 0, 0,
                        0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), ProgramInstance(),
                        nullptr),
        "tab control");
    SetPropW(m_control, StripProperty, this);
    for (const std::string &caption : captions) {
        std::wstring text = FromUtf8(caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        TabCtrl_InsertItem(m_control, TabCtrl_GetItemCount(m_control), &item);
        m_pages.push_back(CheckedWindow(CreateWindowExW(WS_EX_CONTROLPARENT, PageClass, nullptr,
                                                        WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                                        parent, nullptr, ProgramInstance(), nullptr),
                                        "tab page"));
    }
    layout(font, dpi);
    showCurrentPage();
}

TabStrip::~TabStrip()
{
    if (IsWindow(m_control))
        RemovePropW(m_control, StripProperty);
}

HWND TabStrip::page(int index) const
{
    return m_pages.at(static_cast<std::size_t>(index));
}

int TabStrip::tab() const
{
    return TabCtrl_GetCurSel(m_control);
}

void TabStrip::setTab(int index)
{
    TabCtrl_SetCurSel(m_control, index);
    showCurrentPage();
}

void TabStrip::layout(HFONT font, int dpi)
{
    const RECT strip = TwipsRect(m_rect, dpi);
    const int width = strip.right - strip.left;
    const int height = strip.bottom - strip.top;
    SendMessageW(m_control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // Tabs share the strip's width equally and have the strip's tab height.
    // The control keeps room for the selected tab to stand out on each side;
    // tabs any wider would bring in its scroll arrows.
    TabCtrl_SetItemSize(m_control, (width - 2 * SelectedTabOffset) / std::max(1, count()),
                        Twips(m_tabHeightTwips, dpi));
    SetWindowPos(m_control, nullptr, strip.left, strip.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    RECT inside{0, 0, width, height};
    TabCtrl_AdjustRect(m_control, FALSE, &inside);
    HRGN frame = CreateRectRgn(0, 0, width, height);
    HRGN hole = CreateRectRgnIndirect(&inside);
    CombineRgn(frame, frame, hole, RGN_DIFF);
    DeleteObject(hole);
    SetWindowRgn(m_control, frame, TRUE); // the window owns the region now
    for (HWND page : m_pages) {
        SetWindowPos(page, nullptr, strip.left, strip.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowRgn(page, CreateRectRgnIndirect(&inside), TRUE);
    }
}

bool TabStrip::notify(const NMHDR &header)
{
    if (header.code != static_cast<UINT>(TCN_SELCHANGE))
        return false;
    auto *strip = static_cast<TabStrip *>(GetPropW(header.hwndFrom, StripProperty));
    if (!strip)
        return false;
    strip->showCurrentPage();
    return true;
}

void TabStrip::showCurrentPage()
{
    const int current = tab();
    HWND focus = GetFocus();
    for (int i = 0; i < count(); ++i) {
        HWND page = m_pages[static_cast<std::size_t>(i)];
        const bool shown = i == current;
        // The focus must not stay on a control the user cannot see.
        if (!shown && focus && IsChild(page, focus))
            ::SetFocus(m_control);
        EnableWindow(page, shown);
        ShowWindow(page, shown ? SW_SHOWNA : SW_HIDE);
    }
    if (m_switched)
        m_switched();
}

} // namespace orvanta::platform
