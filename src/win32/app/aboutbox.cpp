#include "aboutbox.h"

#include <windowsx.h>

#include "aboutdesign.h"
#include "aboutinstance.h"
#include "centre.h"
#include "errorreport.h"
#include "messageloop.h"
#include "twips.h"
#include "utf8.h"
#include "window.h"
#include "windowcontrols.h"

namespace orvanta {
namespace {

constexpr wchar_t AboutClass[] = L"Orvanta.About";
// A fixed frame with a close box only.
constexpr DWORD AboutStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// No owner, and a taskbar button of its own.
constexpr DWORD AboutExStyle = WS_EX_APPWINDOW;

void registerAboutClass(WNDPROC procedure)
{
    WNDCLASSEXW aboutClass{};
    aboutClass.lpfnWndProc = procedure;
    aboutClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    aboutClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    aboutClass.lpszClassName = AboutClass;
    HINSTANCE module = platform::ProgramInstance();
    // The box's own icon, not the program's.
    const std::wstring icon = platform::FromUtf8(AboutWindowDesign.icon.resourceName);
    aboutClass.hIcon = static_cast<HICON>(LoadImageW(module, icon.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                     GetSystemMetrics(SM_CYICON), LR_SHARED));
    aboutClass.hIconSm = static_cast<HICON>(LoadImageW(module, icon.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                       GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    platform::RegisterWindowClass(aboutClass);
}

} // namespace

AboutBox::AboutBox()
    : m_picture(platform::FromUtf8(AboutPicture.resourceName).c_str())
    , m_tracker(std::make_shared<AboutBox *>(this))
{
    registerAboutClass(windowProc);
    platform::CheckedWindow(
        CreateWindowExW(AboutExStyle, AboutClass, platform::FromUtf8(AboutWindowDesign.caption).c_str(), AboutStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, platform::ProgramInstance(), this),
        "About box");
    try {
        m_controls = std::make_unique<platform::WindowControls>(m_hwnd, AboutWindowDesign.font);
        createControls();
        sizeFrame(m_controls->dpi(), nullptr);
    } catch (...) {
        // The window must not outlive the object it would call back.
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
        throw;
    }
    platform::AddTopLevelWindow(m_hwnd);
}

AboutBox::~AboutBox() = default;

void AboutBox::createControls()
{
    for (const forms::ControlDesign &design : AboutControls()) {
        HWND control = m_controls->create(design, m_hwnd);
        if (design.kind == forms::ControlKind::Picture)
            m_controls->setPicture(control, &m_picture);
        if (design.name == AboutOkName)
            m_controls->onClick(control, [this] { Command1_Click(this); });
    }
    m_command1 = m_controls->find(AboutWindowDesign.defaultButton);
    m_cancel = m_controls->find(AboutWindowDesign.cancelButton);
    // Enter presses the designed default button wherever the focus is.
    m_controls->defaultButton().setDefaultId(GetDlgCtrlID(m_command1));
}

HWND AboutBox::control(std::string_view name) const
{
    return m_controls->find(name);
}

std::string_view AboutBox::controlName(HWND control) const
{
    return m_controls->nameOf(control);
}

void AboutBox::sizeFrame(int dpi, const POINT *topLeft)
{
    const int width = platform::Twips(AboutWindowDesign.clientWidth, dpi);
    const int height = platform::Twips(AboutWindowDesign.clientHeight, dpi);
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, AboutStyle, FALSE, AboutExStyle, static_cast<UINT>(dpi));
    const POINT origin = topLeft ? *topLeft : POINT{};
    SetWindowPos(m_hwnd, nullptr, origin.x, origin.y, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE));
    // The frame drawn may differ from the one computed (a title bar still
    // at the old DPI): the client area must be the designed one.
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int missingWidth = width - (client.right - client.left);
    const int missingHeight = height - (client.bottom - client.top);
    if (missingWidth != 0 || missingHeight != 0)
        SetWindowPos(m_hwnd, nullptr, 0, 0, frame.right - frame.left + missingWidth,
                     frame.bottom - frame.top + missingHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void AboutBox::centre()
{
    platform::CentreOnScreen(m_hwnd);
}

void AboutBox::bringToFront()
{
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    ::SetFocus(m_command1);
}

LRESULT CALLBACK AboutBox::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    AboutBox *self = platform::WindowObject<AboutBox>(window, message, lParam);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The last message: the box is unloaded.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete self;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return platform::Guarded([&] { return self->handleMessage(window, message, wParam, lParam); });
}

LRESULT AboutBox::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        m_hwnd = window;
        break;
        HANDLE_MSG(window, WM_PAINT, onPaint);
        HANDLE_MSG(window, WM_COMMAND, onCommand);
        HANDLE_MSG(window, WM_DESTROY, onDestroy);
    case WM_ACTIVATE:
        // OK is the only control that takes the focus: it has it whenever
        // the box is active.
        if (LOWORD(wParam) != WA_INACTIVE && m_command1) {
            ::SetFocus(m_command1);
            return 0;
        }
        break;
    case DM_GETDEFID:
        return m_controls->defaultButton().defaultIdAnswer();
    case DM_SETDEFID:
        m_controls->defaultButton().setDefaultId(static_cast<int>(wParam));
        return TRUE;
    case WM_DPICHANGED:
        onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void AboutBox::onPaint(HWND window)
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    // Line1 inverts what lies beneath: each pixel becomes NOT(pen XOR
    // destination), with flat ends at the design's end points.
    const int dpi = m_controls->dpi();
    const LineDesign &line = AboutLineDesign;
    LOGBRUSH brush{BS_SOLID, RGB(line.red, line.green, line.blue), 0};
    const platform::UniquePen pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT,
                                               static_cast<DWORD>(platform::ScaledPixels(line.widthPixels, dpi)),
                                               &brush, 0, nullptr));
    {
        const platform::SelectedObject selected(dc, pen.get());
        const int previous = SetROP2(dc, R2_NOTXORPEN);
        MoveToEx(dc, platform::Twips(line.x1, dpi), platform::Twips(line.y1, dpi), nullptr);
        LineTo(dc, platform::Twips(line.x2, dpi), platform::Twips(line.y2, dpi));
        SetROP2(dc, previous);
    }
    EndPaint(window, &paint);
}

void AboutBox::onCommand(HWND, int id, HWND, UINT code)
{
    // Escape presses the designed cancel button.
    if (id == IDCANCEL) {
        m_controls->command(GetDlgCtrlID(m_cancel), BN_CLICKED);
        return;
    }
    m_controls->command(id, static_cast<int>(code));
}

void AboutBox::onDestroy(HWND window)
{
    m_controls->release();
    platform::RemoveTopLevelWindow(window);
}

void AboutBox::onDpiChanged(int dpi, const RECT &suggested)
{
    // The old fonts are freed when every control has its new one.
    const std::vector<platform::UniqueFont> oldFonts = m_controls->setDpi(dpi);
    const POINT topLeft{suggested.left, suggested.top};
    sizeFrame(dpi, &topLeft);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

namespace forms {

void Show(AboutForm *form)
{
    form->bringToFront();
}

void Unload(AboutForm *form)
{
    // The box deletes itself when its window is destroyed.
    DestroyWindow(form->hwnd());
}

} // namespace forms
} // namespace orvanta
