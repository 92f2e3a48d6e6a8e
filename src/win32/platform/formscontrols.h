#pragma once

// The control types of the forms operations (forms.h) on Win32. Each names a
// native control by its window handle; the window that created the control
// owns it. No Windows header is needed here, so the shared code that
// includes forms.h stays free of Windows' macros.

struct HWND__;

namespace orvanta::platform {
class TabStrip;
}

namespace orvanta::forms {

// A single-line Edit.
struct TextBox
{
    HWND__ *hwnd = nullptr;
};

// A one-line Static, and the tooltip control that shows its tip.
struct Label
{
    HWND__ *hwnd = nullptr;
    HWND__ *toolTip = nullptr;
};

// A push Button.
struct CommandButton
{
    HWND__ *hwnd = nullptr;
};

using TabStrip = platform::TabStrip;

} // namespace orvanta::forms
