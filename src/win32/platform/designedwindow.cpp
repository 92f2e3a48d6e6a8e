#include "designedwindow.h"

#include <string>
#include <vector>

#include "background.h"
#include "centre.h"
#include "errorreport.h"
#include "messageloop.h"
#include "twips.h"
#include "utf8.h"
#include "window.h"
#include "windowcontrols.h"

namespace orvanta::platform {
namespace {

HICON loadIcon(const std::wstring &name, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(ProgramInstance(), name.c_str(), IMAGE_ICON, GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_SHARED));
}

} // namespace

DesignedWindow::DesignedWindow(const forms::WindowDesign &design, const WindowFrame &frame)
    : m_design(design)
    , m_frame(frame)
{
    // The background is decoded before the window exists, while the process
    // holds least: the decoder's buffers for the whole picture come and go
    // below what the finished window needs. (On another thread, under Wine,
    // they stayed in memory after the decode.) Only the parts the client area
    // shows are kept; they are the same at every DPI, so a change of DPI
    // finds them ready.
    if (!design.background.isNone()) {
        try {
            m_background = Picture(FromUtf8(design.background.resourceName).c_str(), forms::BackgroundParts(design));
        } catch (const std::exception &) {
            // A picture that cannot be read leaves the plain window colour.
        }
    }
}

DesignedWindow::~DesignedWindow()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

void DesignedWindow::create()
{
    StartCommonControls();
    WNDCLASSEXW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // A window with a background picture paints the colour beside it itself.
    windowClass.hbrBackground = m_design.background.isNone() ? GetSysColorBrush(COLOR_BTNFACE) : nullptr;
    windowClass.lpszClassName = m_frame.className;
    // Big for Alt+Tab, small for the title bar.
    const std::wstring icon = FromUtf8(m_design.icon.resourceName);
    windowClass.hIcon = loadIcon(icon, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = loadIcon(icon, SM_CXSMICON, SM_CYSMICON);
    RegisterWindowClass(windowClass);

    const std::string what(m_design.name);
    CheckedWindow(CreateWindowExW(m_frame.exStyle, m_frame.className, FromUtf8(m_design.caption).c_str(),
                                  m_frame.style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                                  ProgramInstance(), this),
                  what.c_str());
    try {
        m_controls = std::make_unique<WindowControls>(m_hwnd, m_design.font);
        buildContents();
        // Enter presses the designed default button wherever the focus is.
        if (HWND button = designedButton(m_design.defaultButton))
            m_controls->defaultButton().setDefaultId(GetDlgCtrlID(button));
        sizeFrame(m_controls->dpi(), nullptr);
    } catch (...) {
        // The window must not outlive the object it would call back.
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
        m_hwnd = nullptr;
        throw;
    }
    AddTopLevelWindow(m_hwnd, accelerators());
}

HWND DesignedWindow::control(std::string_view name) const
{
    return m_controls->find(name);
}

std::string_view DesignedWindow::controlName(HWND control) const
{
    return m_controls->nameOf(control);
}

HWND DesignedWindow::designedButton(std::string_view name) const
{
    return name.empty() ? nullptr : m_controls->find(name);
}

int DesignedWindow::dpi() const
{
    return m_controls ? m_controls->dpi() : WindowDpi(m_hwnd);
}

void DesignedWindow::centre()
{
    CentreOnScreen(m_hwnd);
}

void DesignedWindow::showInFront(HWND focus)
{
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    ::SetFocus(focus);
}

void DesignedWindow::paintBackground(HDC dc)
{
    // The picture at its natural size from the top-left corner, cut off
    // where the window ends; the window colour beside it.
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int dpi = this->dpi();
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    m_background.draw(dc, 0, 0, dpi);
}

void DesignedWindow::sizeFrame(int dpi, const POINT *topLeft)
{
    // A fixed client area, below the menu bar if there is one.
    const int width = Twips(m_design.clientWidth, dpi);
    const int height = Twips(m_design.clientHeight, dpi);
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, m_frame.style, GetMenu(m_hwnd) != nullptr, m_frame.exStyle,
                             static_cast<UINT>(dpi));
    const POINT origin = topLeft ? *topLeft : POINT{};
    SetWindowPos(m_hwnd, nullptr, origin.x, origin.y, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE));
    // The frame drawn may take more than computed: a menu bar that wraps to
    // a second line, a title bar still at the old DPI.
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int missingWidth = width - (client.right - client.left);
    const int missingHeight = height - (client.bottom - client.top);
    if (missingWidth != 0 || missingHeight != 0)
        SetWindowPos(m_hwnd, nullptr, 0, 0, frame.right - frame.left + missingWidth,
                     frame.bottom - frame.top + missingHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void DesignedWindow::dpiChanged(int dpi, const RECT &suggested)
{
    {
        // The old fonts are freed when every control, the window's own
        // included, has its new one.
        const std::vector<UniqueFont> oldFonts = m_controls->setDpi(dpi);
        layoutAtDpi(dpi);
    }
    const POINT topLeft{suggested.left, suggested.top};
    sizeFrame(dpi, &topLeft);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

HWND DesignedWindow::focusOnActivation() const
{
    const bool usable = m_lastFocus && IsWindow(m_lastFocus) && IsWindowVisible(m_lastFocus) && !IsIconic(m_hwnd);
    return usable ? m_lastFocus : nullptr;
}

bool DesignedWindow::activated(UINT state)
{
    // A plain window does not remember its focused control as a dialog does:
    // keep it across deactivation (another program, a message box).
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(m_hwnd, focus))
            m_lastFocus = focus;
        return false;
    }
    HWND focus = focusOnActivation();
    if (focus)
        ::SetFocus(focus);
    return focus != nullptr;
}

LRESULT CALLBACK DesignedWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The object given to CreateWindowExW, kept in the window's user data
    // from WM_NCCREATE on; messages before it find none.
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<DesignedWindow *>(create->lpCreateParams)->m_hwnd = window;
    }
    auto *self = reinterpret_cast<DesignedWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The last message: the object no longer has a window.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        self->destroyed();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return self->handleMessage(window, message, wParam, lParam); });
}

LRESULT DesignedWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool painted = !m_design.background.isNone();
    switch (message) {
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
        if (!painted)
            break;
        paintBackground(reinterpret_cast<HDC>(wParam));
        return message == WM_ERASEBKGND ? TRUE : 0;
    case WM_COMMAND:
        // Escape presses the designed cancel button.
        if (HWND cancel = designedButton(m_design.cancelButton); cancel && LOWORD(wParam) == IDCANCEL)
            m_controls->command(GetDlgCtrlID(cancel), BN_CLICKED);
        else
            m_controls->command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID:
        return m_controls->defaultButton().defaultIdAnswer();
    case DM_SETDEFID:
        m_controls->defaultButton().setDefaultId(static_cast<int>(wParam));
        return TRUE;
    case WM_ACTIVATE:
        if (activated(LOWORD(wParam)))
            return 0;
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_DPICHANGED:
        dpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_DESTROY:
        m_controls->release();
        RemoveTopLevelWindow(window);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace orvanta::platform
