#include "window.h"

#include <string>

#include "centring.h"
#include "guardedapplication.h"
#include "messageloop.h"
#include "twips.h"
#include "utf8.h"
#include "winapi.h"

namespace orvanta::platform {
namespace {

// How the frame of a window of that role is made: its styles; the close
// box is in the system menu. Fixed size, so no maximize box.
DWORD styleOf(forms::WindowRole role)
{
    const DWORD frame = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    return role == forms::WindowRole::Main ? frame | WS_MINIMIZEBOX : frame;
}

DWORD exStyleOf(forms::WindowRole role)
{
    // A dialog has no owner, and a taskbar button of its own.
    return role == forms::WindowRole::Dialog ? WS_EX_APPWINDOW : 0;
}

HICON loadIcon(const std::wstring &name, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(ProgramInstance(), name.c_str(), IMAGE_ICON, GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_SHARED));
}

} // namespace

Window::Window(const forms::WindowDesign &design)
    : m_design(design)
    , m_client(design)
    , m_tracker(std::make_shared<Window *>(this))
{
    create();
}

Window::~Window()
{
    m_deleting = true;
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

void Window::create()
{
    StartCommonControls();
    const std::wstring className = L"Orvanta." + FromUtf8(m_design.name);
    WNDCLASSEXW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // A window with a background picture paints the colour beside it itself.
    // A colour index, not a brush: the system's brushes are made anew when
    // the user changes the colours.
    windowClass.hbrBackground = m_client.hasPicture() ? nullptr : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className.c_str();
    // Big for Alt+Tab, small for the title bar.
    const std::wstring icon = FromUtf8(m_design.icon.resourceName);
    windowClass.hIcon = loadIcon(icon, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = loadIcon(icon, SM_CXSMICON, SM_CYSMICON);
    RegisterWindowClass(windowClass);

    const std::string what(m_design.name);
    CheckedWindow(CreateWindowExW(exStyleOf(m_design.role), className.c_str(), FromUtf8(m_design.caption).c_str(),
                                  styleOf(m_design.role), CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                                  ProgramInstance(), this),
                  what.c_str());
    try {
        m_controls = std::make_unique<WindowControls>(m_hwnd, m_design);
        sizeFrame(m_controls->dpi(), nullptr);
    } catch (...) {
        // The window must not outlive the object it would call back.
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
        throw;
    }
    AddTopLevelWindow(m_hwnd);
}

HWND Window::control(std::string_view name) const
{
    return m_controls->find(name);
}

std::string_view Window::controlName(HWND control) const
{
    return m_controls->nameOf(control);
}

void Window::addMenu(const forms::MenuDesign &design, std::function<void()> chosen)
{
    SetMenu(m_hwnd, m_menus.add(design, m_controls->newId(), std::move(chosen)));
    SetAccelerators(m_hwnd, m_menus.accelerators());
    sizeFrame(m_controls->dpi(), nullptr);
}

void Window::drawLine(const forms::LineDesign &line)
{
    m_client.addLine(line);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void Window::centre()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return;
    RECT frame{};
    GetWindowRect(m_hwnd, &frame);
    const RECT &area = monitor.rcWork;
    const forms::ScreenPoint corner =
        forms::CentredTopLeft({frame.right - frame.left, frame.bottom - frame.top},
                              {area.left, area.top, area.right - area.left, area.bottom - area.top});
    SetWindowPos(m_hwnd, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::bringToFront(std::string_view focus)
{
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    ::SetFocus(m_controls->find(focus));
}

void Window::sizeFrame(int dpi, const POINT *topLeft)
{
    // A fixed client area, below the menu bar if there is one.
    const int width = Twips(m_design.clientWidth, dpi);
    const int height = Twips(m_design.clientHeight, dpi);
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, styleOf(m_design.role), GetMenu(m_hwnd) != nullptr, exStyleOf(m_design.role),
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

void Window::dpiChanged(int dpi, const RECT &suggested)
{
    const POINT topLeft{suggested.left, suggested.top};
    layOutAgain(dpi, &topLeft);
}

void Window::layOutAgain(int dpi, const POINT *topLeft)
{
    {
        // The old fonts are freed when every control has its new one.
        const std::vector<UniqueFont> oldFonts = m_controls->setDpi(dpi);
    }
    sizeFrame(dpi, topLeft);
    repaint();
}

void Window::systemChanged(UINT message, WPARAM wParam)
{
    if (message == WM_SYSCOLORCHANGE)
        coloursChanged();
    // The message font and the frame's parts change with the metrics, and
    // may with the theme (high contrast comes with its own).
    else if (message == WM_THEMECHANGED || wParam == SPI_SETNONCLIENTMETRICS)
        layOutAgain(m_controls->dpi(), nullptr);
}

void Window::coloursChanged()
{
    // Windows tells only top-level windows, the tooltip controls among them;
    // the common controls on a window keep the colours they were made with
    // (the tab strips) until their window passes the message on.
    EnumChildWindows(
        m_hwnd,
        [](HWND child, LPARAM) {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
            return TRUE;
        },
        0);
    repaint();
}

void Window::repaint()
{
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The control that gets the focus when the window is activated: the one that
// had it when the window was last deactivated, if it can still take it, else
// the designed default button; nullptr leaves the choice to Windows.
HWND Window::focusOnActivation() const
{
    const bool usable = m_lastFocus && IsWindow(m_lastFocus) && IsWindowVisible(m_lastFocus) && !IsIconic(m_hwnd);
    return usable ? m_lastFocus : m_controls->find(m_design.defaultButton);
}

bool Window::activated(UINT state)
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

void Window::command(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    // Menu items and their accelerators have no control.
    if (lParam == 0 && HIWORD(wParam) <= 1 && m_menus.choose(id))
        return;
    // Escape presses the designed cancel button.
    if (HWND cancel = m_controls->find(m_design.cancelButton); cancel && id == IDCANCEL)
        m_controls->command(GetDlgCtrlID(cancel), BN_CLICKED);
    else
        m_controls->command(id, HIWORD(wParam));
}

LRESULT CALLBACK Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The object given to CreateWindowExW, kept in the window's user data
    // from WM_NCCREATE on; messages before it find none.
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<Window *>(create->lpCreateParams)->m_hwnd = window;
    }
    auto *self = reinterpret_cast<Window *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The last message: the object no longer has a window, and a dialog
        // goes with it.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        if (self->m_design.role == forms::WindowRole::Dialog && !self->m_deleting)
            delete self;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return self->handleMessage(window, message, wParam, lParam); });
}

LRESULT Window::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
        if (!m_client.hasPicture())
            break;
        m_client.paintBackground(window, reinterpret_cast<HDC>(wParam), m_controls->dpi());
        return message == WM_ERASEBKGND ? TRUE : 0;
    case WM_PAINT: {
        if (!m_client.hasLines())
            break;
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        m_client.paintLines(dc, m_controls->dpi());
        EndPaint(window, &paint);
        return 0;
    }
    case WM_COMMAND:
        command(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        m_controls->notify(*reinterpret_cast<const NMHDR *>(lParam));
        return 0;
    case DM_GETDEFID:
        return m_controls->defaultButton().defaultIdAnswer();
    case DM_SETDEFID:
        m_controls->defaultButton().setDefaultId(static_cast<int>(wParam));
        return TRUE;
    case WM_ACTIVATE:
        if (activated(LOWORD(wParam)))
            return 0;
        break;
    case WM_DPICHANGED:
        dpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
    case WM_SETTINGCHANGE:
        // Sent on behalf of other programs: one may come while the window
        // is still being made.
        if (m_controls)
            systemChanged(message, wParam);
        break;
    case WM_CLOSE:
        if (!m_closed)
            break;
        m_closed();
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
