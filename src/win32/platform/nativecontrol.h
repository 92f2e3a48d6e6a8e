#pragma once

#include <functional>
#include <string>

#include <windows.h>

#include "design.h"

namespace orvanta::platform {

class WindowFonts;

// One native child control of a window, made from its design: a window
// class and styles of its kind, placed in twips at the window's DPI, with
// its font. The window's WindowControls owns it, finds it by its design name
// and its control ID, and hands it the notifications it sends its window
// (WM_COMMAND, WM_NOTIFY). A kind that paints itself or watches its own
// messages subclasses the control and handles them in message().
class NativeControl
{
public:
    NativeControl(const NativeControl &) = delete;
    NativeControl &operator=(const NativeControl &) = delete;
    virtual ~NativeControl() = default;

    HWND hwnd() const { return m_hwnd; }
    const std::string &name() const { return m_name; }
    int id() const { return m_id; }

    // Gives the control its font at dpi, then places and sizes it again.
    virtual void layout(WindowFonts &fonts, int dpi);
    // A notification the control sent its window: BN_CLICKED, EN_SETFOCUS,
    // TCN_SELCHANGE.
    virtual void notified(UINT) {}
    // The window is going: no handler of the control runs any more.
    virtual void release() {}

protected:
    static constexpr DWORD ChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

    // The window class and styles of a kind of control.
    struct NativeClass
    {
        const wchar_t *className;
        DWORD style;
        DWORD exStyle = 0;
    };

    // Makes the control on parent with the control ID id.
    NativeControl(const forms::ControlDesign &design, const NativeClass &kind, HWND parent, int id, WindowFonts &fonts);

    // Routes the control's own messages to message() from now on.
    void subclass();
    virtual LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT passOn(UINT message, WPARAM wParam, LPARAM lParam);
    const forms::TwipsRect &rect() const { return m_rect; }

    // Runs handler, copied first: it may close the window, and this control with it.
    static void run(const std::function<void()> &handler);

private:
    static LRESULT CALLBACK subclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self);

    std::string m_name;
    HWND m_hwnd = nullptr;
    int m_id;
    forms::TwipsRect m_rect;
    forms::FontDesign m_font;
};

} // namespace orvanta::platform
