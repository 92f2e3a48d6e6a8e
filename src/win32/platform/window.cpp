#include "window.h"

#include "guardedapplication.h"
#include "messageloop.h"
#include "winapi.h"
#include "windowframe.h"

namespace orvanta::platform {

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
    // A window with a background picture paints the colour beside it itself.
    MakeFramedWindow(m_design, windowProc, m_client.hasPicture(), this);
    try {
        m_controls = std::make_unique<WindowControls>(m_hwnd, m_design);
    } catch (...) {
        // The window must not outlive the object it would call back.
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
        throw;
    }
    AddTopLevelWindow(m_hwnd);
}

void Window::addMenu(const forms::MenuDesign &design, std::function<void()> chosen)
{
    m_menus.add(design, m_controls->newId(), std::move(chosen));
    SetAccelerators(m_hwnd, m_menus.accelerators());
    m_frameFitted = false;
    if (IsWindowVisible(m_hwnd))
        fitFrame();
}

void Window::drawLine(const forms::LineDesign &line)
{
    m_client.addLine(line);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void Window::centre()
{
    fitFrame();
    CentreFrame(m_hwnd);
}

void Window::bringToFront(std::string_view focus)
{
    fitFrame();
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    ::SetFocus(m_controls->find(focus));
}

// Under Wine each change of a window's menu bar or frame costs a round of
// messages and an X request, and the controls are made while the window has
// no size yet: the bar is set and the frame sized once, when the window is
// first placed or shown.
void Window::fitFrame()
{
    if (m_frameFitted)
        return;
    if (m_menus.bar())
        SetMenu(m_hwnd, m_menus.bar());
    SizeFrame(m_hwnd, m_design, m_controls->dpi(), nullptr);
    m_frameFitted = true;
}

void Window::layOutAgain(int dpi, const POINT *topLeft)
{
    {
        // The old fonts are freed when every control has its new one.
        const std::vector<UniqueFont> oldFonts = m_controls->setDpi(dpi);
    }
    SizeFrame(m_hwnd, m_design, dpi, topLeft);
    repaint();
}

void Window::systemChanged(UINT message, WPARAM wParam)
{
    if (message == WM_SYSCOLORCHANGE) {
        // Windows tells only top-level windows, the tooltip controls among
        // them; the common controls on a window keep the colours they were
        // made with (the tab strips) until their window passes it on.
        EnumChildWindows(
            m_hwnd,
            [](HWND child, LPARAM) {
                SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
                return TRUE;
            },
            0);
        repaint();
    }
    // The message font and the frame's parts change with the metrics, and
    // may with the theme (high contrast comes with its own).
    else if (message == WM_THEMECHANGED || wParam == SPI_SETNONCLIENTMETRICS)
        layOutAgain(m_controls->dpi(), nullptr);
}

void Window::repaint()
{
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
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
    // Back to that control if it can still take the focus, else to the
    // designed default button; nullptr leaves the choice to Windows.
    const bool usable = m_lastFocus && IsWindow(m_lastFocus) && IsWindowVisible(m_lastFocus) && !IsIconic(m_hwnd);
    HWND focus = usable ? m_lastFocus : m_controls->find(m_design.defaultButton);
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
    case WM_DPICHANGED: {
        // The window moves to where Windows suggests, at its new size.
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        const POINT topLeft{suggested->left, suggested->top};
        layOutAgain(LOWORD(wParam), &topLeft);
        return 0;
    }
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
