#pragma once

// The control types of the forms operations (forms.h) on Win32. Each names a
// native control by its window handle; the window that created the control
// owns it. No Windows header is needed here, so the shared code that
// includes forms.h stays free of Windows' macros.

struct HWND__;

namespace orvanta {
class AboutBox;
} // namespace orvanta

namespace orvanta::platform {
class AccessibleAnnotations;
class TabStrip;
} // namespace orvanta::platform

namespace orvanta::forms {

// A single-line Edit.
struct TextBox
{
    HWND__ *hwnd = nullptr;
};

// A one-line Static, the tooltip control that shows its tip, and where
// screen readers find the tip as the label's description.
struct Label
{
    HWND__ *hwnd = nullptr;
    HWND__ *toolTip = nullptr;
    platform::AccessibleAnnotations *annotations = nullptr;
};

// A push Button.
struct CommandButton
{
    HWND__ *hwnd = nullptr;
};

using TabStrip = platform::TabStrip;
// What controls are created on: the window or a strip's page window.
using Container = HWND__;
using Form = AboutBox;

} // namespace orvanta::forms
