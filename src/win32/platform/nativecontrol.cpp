#include "nativecontrol.h"

#include <commctrl.h>

#include "fonts.h"
#include "twips.h"
#include "utf8.h"
#include "winapi.h"

namespace orvanta::platform {

NativeControl::NativeControl(const forms::ControlDesign &design, const NativeClass &kind, HWND parent, int id,
                             WindowFonts &fonts)
    : m_name(design.name)
    , m_id(id)
    , m_rect(design.rect)
    , m_font(design.font)
{
    const RECT place = TwipsRect(design.rect, fonts.dpi());
    const std::wstring caption = FromUtf8(design.caption);
    m_hwnd = CheckedWindow(CreateWindowExW(kind.exStyle, kind.className, caption.empty() ? nullptr : caption.c_str(),
                                           kind.style, place.left, place.top, place.right - place.left,
                                           place.bottom - place.top, parent,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(),
                                           nullptr),
                           "control");
    SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.font(design.font)), FALSE);
}

void NativeControl::layout(WindowFonts &fonts, int dpi)
{
    // The font first: a control may measure its text when it is resized.
    SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.font(m_font)), TRUE);
    const RECT place = TwipsRect(m_rect, dpi);
    SetWindowPos(m_hwnd, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeControl::subclass()
{
    SetWindowSubclass(m_hwnd, subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT NativeControl::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    return passOn(message, wParam, lParam);
}

LRESULT NativeControl::passOn(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(m_hwnd, message, wParam, lParam);
}

void NativeControl::run(const std::function<void()> &handler)
{
    if (const std::function<void()> copy = handler)
        copy();
}

LRESULT CALLBACK NativeControl::subclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self)
{
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, subclassProc, 0);
        return DefSubclassProc(control, message, wParam, lParam);
    }
    return reinterpret_cast<NativeControl *>(self)->message(message, wParam, lParam);
}

} // namespace orvanta::platform
