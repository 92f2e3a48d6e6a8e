#pragma once

// The control types of the forms operations (forms.h) on Win32: the
// adapter's classes for each kind of native control. No Windows header is
// needed here, so the shared code that includes forms.h stays free of
// Windows' macros.

struct HWND__;

namespace orvanta::platform {
class EditBox;
class PushButton;
class StaticLabel;
class Window;
} // namespace orvanta::platform

namespace orvanta::forms {

using TextBox = platform::EditBox;
using Label = platform::StaticLabel;
using CommandButton = platform::PushButton;
// What controls are made on: the window or a strip's page window.
using Container = HWND__;
using Form = platform::Window;

} // namespace orvanta::forms
