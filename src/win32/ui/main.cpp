#include "main.h"

#include <string>
#include <utility>

#include <windowsx.h>

#include "centre.h"
#include "converterpage.h"
#include "mainevents.h"
#include "errorreport.h"
#include "maindesign.h"
#include "mainhandlers.h"
#include "messageloop.h"
#include "tabstrip.h"
#include "twips.h"
#include "utf8.h"
#include "window.h"
#include "windowcontrols.h"

namespace orvanta {
namespace {

constexpr wchar_t MainClass[] = L"Orvanta.Main";
constexpr DWORD MainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

void registerMainClass(WNDPROC procedure)
{
    WNDCLASSEXW mainClass{};
    mainClass.lpfnWndProc = procedure;
    mainClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    mainClass.lpszClassName = MainClass;
    HINSTANCE module = platform::ProgramInstance();
    // The program icon, big for Alt+Tab and small for the title bar.
    const std::wstring icon = platform::FromUtf8(MainWindowDesign.icon.resourceName);
    mainClass.hIcon = static_cast<HICON>(LoadImageW(module, icon.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                    GetSystemMetrics(SM_CYICON), LR_SHARED));
    mainClass.hIconSm = static_cast<HICON>(LoadImageW(module, icon.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    platform::RegisterWindowClass(mainClass);
}

ACCEL acceleratorOf(ShortcutKey key, int id)
{
    const auto command = static_cast<WORD>(id);
    switch (key) {
    case ShortcutKey::CtrlQ:
        return {FVIRTKEY | FCONTROL, 'Q', command};
    case ShortcutKey::F2:
        return {FVIRTKEY, VK_F2, command};
    }
    return {FVIRTKEY, 0, command};
}

} // namespace

Main::Main(MainEvents &events)
    : m_events(events)
{
    // Decoding the JPEG is the largest single cost of start-up: it runs on
    // another thread while the controls are made, and the first paint waits
    // for it. The whole picture is decoded, so a change of DPI finds it ready.
    m_decoding = std::async(std::launch::async, [] {
        const platform::ComApartment com;
        return platform::Picture(platform::FromUtf8(MainWindowDesign.background.resourceName).c_str());
    });

    registerMainClass(windowProc);
    platform::CheckedWindow(CreateWindowExW(0, MainClass, platform::FromUtf8(MainWindowDesign.caption).c_str(), MainStyle,
                                            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                                            platform::ProgramInstance(), this),
                            "main window");
    try {
        m_controls = std::make_unique<platform::WindowControls>(m_hwnd, MainWindowDesign.font);
        SetMenu(m_hwnd, createMenus());
        createTabStrips();
        createExitButton();
        setTabOrder();
        sizeFrame(m_controls->dpi(), nullptr);
    } catch (...) {
        // The window must not outlive the object it would call back.
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
        throw;
    }
    platform::AddTopLevelWindow(m_hwnd, m_accelerators.get());
    Form_Load({strip(SSTab1Design.name), strip(SSTab2Design.name)});
    createShownPages();
}

Main::~Main()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

HWND Main::control(std::string_view name) const
{
    return m_controls->find(name);
}

std::string_view Main::controlName(HWND control) const
{
    return m_controls->nameOf(control);
}

HMENU Main::createMenus()
{
    HMENU bar = CreateMenu();
    std::vector<ACCEL> accelerators;
    for (const MenuDesign &menu : MainMenus) {
        HMENU popup = CreatePopupMenu();
        const int id = m_controls->newId();
        m_menuIds.push_back(id);
        // The shortcut is shown beside the caption, as Windows menus do.
        const std::wstring item = platform::FromUtf8(menu.itemCaption) + L'\t' + platform::FromUtf8(menu.shortcutText);
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(id), item.c_str());
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), platform::FromUtf8(menu.menuCaption).c_str());
        accelerators.push_back(acceleratorOf(menu.shortcut, id));
    }
    m_accelerators.reset(CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size())));
    return bar;
}

void Main::createTabStrips()
{
    for (std::size_t i = 0; i < MainStrips.size(); ++i) {
        const StripDesign &design = *MainStrips[i];
        HWND parent = design.parent.empty() ? m_hwnd : strip(design.parent)->page(design.parentPage);
        const std::vector<std::string> captions(design.captions.begin(), design.captions.end());
        m_strips[i] = std::make_unique<platform::TabStrip>(parent, m_controls->newId(), design.rect, TabHeightTwips,
                                                           captions, m_controls->fonts().windowFont(), m_controls->dpi());
        m_controls->add(design.name, m_strips[i]->control());
        m_strips[i]->setTab(design.designedTab);
        m_strips[i]->onPageSwitched([this] { createShownPages(); });
    }
}

platform::TabStrip *Main::strip(std::string_view name) const
{
    for (std::size_t i = 0; i < MainStrips.size(); ++i) {
        if (MainStrips[i]->name == name)
            return m_strips[i].get();
    }
    return nullptr;
}

void Main::createShownPages()
{
    // Under Wine every native control costs about a millisecond to make, and
    // 96 of the 128 page controls start hidden: a page is made when it is
    // first shown. It has been empty until then, so nothing can be missed.
    for (const auto &made : m_strips) {
        if (!made)
            return;
    }
    // A page is shown when its strip shows it and every strip it lies on
    // shows the page that holds that strip.
    const auto isShown = [this](const StripDesign *design, int page) {
        for (; design; page = design->parentPage, design = StripNamed(design->parent)) {
            if (strip(design->name)->tab() != page)
                return false;
        }
        return true;
    };
    bool made = false;
    for (std::size_t i = 0; i < MainPages.size(); ++i) {
        const PagePlacement &placement = MainPages[i];
        if (m_pageMade[i] || !isShown(placement.strip, placement.page))
            continue;
        m_pages.push_back(std::make_unique<ConverterPage>(*placement.design, strip(placement.strip->name)->page(placement.page),
                                                          *m_controls));
        m_pageMade[i] = true;
        made = true;
    }
    if (made && m_controls->find(ExitButtonDesign().name))
        setTabOrder();
}

void Main::createExitButton()
{
    HWND command11 = m_controls->create(ExitButtonDesign(), m_hwnd);
    m_controls->onClick(command11, [] { Command11_Click(); });
}

void Main::setTabOrder()
{
    // Strips first, each followed by its pages; the volume pages come Feet³
    // before Meter³; EXIT last.
    std::vector<HWND> order;
    for (const std::string &name : MainTabOrder()) {
        // Pages not shown yet have no controls.
        if (HWND control = m_controls->find(name))
            order.push_back(control);
    }
    platform::SetTabOrder(m_hwnd, order);
}

void Main::sizeFrame(int dpi, const POINT *topLeft)
{
    // A fixed client area below the menu bar.
    const int width = platform::Twips(MainWindowDesign.clientWidth, dpi);
    const int height = platform::Twips(MainWindowDesign.clientHeight, dpi);
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, MainStyle, TRUE, 0, static_cast<UINT>(dpi));
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE);
    const POINT origin = topLeft ? *topLeft : POINT{};
    SetWindowPos(m_hwnd, nullptr, origin.x, origin.y, frame.right - frame.left, frame.bottom - frame.top, flags);
    // A menu bar that wraps to a second line takes more than it was given.
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int missing = height - (client.bottom - client.top);
    if (missing != 0)
        SetWindowPos(m_hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + missing,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void Main::centre()
{
    platform::CentreOnScreen(m_hwnd);
}

void Main::show()
{
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    ::SetFocus(strip(SSTab1Design.name)->control());
}

LRESULT CALLBACK Main::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Main *self = platform::WindowObject<Main>(window, message, lParam);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return platform::Guarded([&] { return self->handleMessage(window, message, wParam, lParam); });
}

LRESULT Main::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        m_hwnd = window;
        break;
        HANDLE_MSG(window, WM_ERASEBKGND, onEraseBkgnd);
        HANDLE_MSG(window, WM_PAINT, onPaint);
        HANDLE_MSG(window, WM_COMMAND, onCommand);
        HANDLE_MSG(window, WM_NOTIFY, onNotify);
        HANDLE_MSG(window, WM_CLOSE, onClose);
        HANDLE_MSG(window, WM_DESTROY, onDestroy);
    case WM_PRINTCLIENT:
        paintBackground(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ACTIVATE:
        if (onActivate(LOWORD(wParam)))
            return 0;
        break;
    case DM_GETDEFID:
        return m_controls->defaultButton().defaultIdAnswer();
    case DM_SETDEFID:
        m_controls->defaultButton().setDefaultId(static_cast<int>(wParam));
        return TRUE;
    case WM_DPICHANGED:
        onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_NCDESTROY:
        m_hwnd = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Main::paintBackground(HDC dc)
{
    // The pastel picture at its natural size from the top-left corner, cut
    // off where the window ends.
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int dpi = m_controls ? m_controls->dpi() : platform::WindowDpi(m_hwnd);
    if (m_decoding.valid()) {
        // A picture that cannot be read leaves the plain window colour.
        try {
            m_background = m_decoding.get();
        } catch (const std::exception &) {
        }
    }
    const SIZE picture = m_background.size();
    if (platform::ScaledPixels(picture.cx, dpi) < client.right
        || platform::ScaledPixels(picture.cy, dpi) < client.bottom)
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    m_background.draw(dc, 0, 0, dpi);
}

BOOL Main::onEraseBkgnd(HWND, HDC dc)
{
    paintBackground(dc);
    return TRUE;
}

void Main::onPaint(HWND window)
{
    PAINTSTRUCT paint{};
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}

void Main::onCommand(HWND, int id, HWND control, UINT code)
{
    // Menu items and their accelerators.
    if (!control && (code == 0 || code == 1)) {
        for (std::size_t i = 0; i < m_menuIds.size(); ++i) {
            if (m_menuIds[i] == id) {
                m_events.menuChosen(MainMenus[i].command);
                return;
            }
        }
    }
    m_controls->command(id, static_cast<int>(code));
}

LRESULT Main::onNotify(HWND, int, NMHDR *header)
{
    platform::TabStrip::notify(*header);
    return 0;
}

bool Main::onActivate(UINT state)
{
    // A plain window does not remember its focused control as a dialog does:
    // keep it across deactivation (another program, a message box).
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(m_hwnd, focus))
            m_lastFocus = focus;
        return false;
    }
    if (m_lastFocus && IsWindow(m_lastFocus) && IsWindowVisible(m_lastFocus) && !IsIconic(m_hwnd)) {
        ::SetFocus(m_lastFocus);
        return true;
    }
    return false;
}

void Main::onClose(HWND)
{
    m_events.closed();
}

void Main::onDestroy(HWND window)
{
    m_controls->release();
    platform::RemoveTopLevelWindow(window);
}

void Main::onDpiChanged(int dpi, const RECT &suggested)
{
    // The old fonts are freed when every control and strip has its new one.
    const std::vector<platform::UniqueFont> oldFonts = m_controls->setDpi(dpi);
    HFONT tabFont = m_controls->fonts().windowFont();
    for (const auto &strip : m_strips)
        strip->layout(tabFont, dpi);
    const POINT topLeft{suggested.left, suggested.top};
    sizeFrame(dpi, &topLeft);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

} // namespace orvanta
