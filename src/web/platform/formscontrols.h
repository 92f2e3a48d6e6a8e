#pragma once

// The page elements that stand for the controls the program's handlers work on.

namespace orvanta {
class AboutBox;
} // namespace orvanta

namespace orvanta::platform {
class Control;
class TabStrip;
} // namespace orvanta::platform

namespace orvanta::forms {

using TextBox = platform::Control;
using Label = platform::Control;
using CommandButton = platform::Control;
using TabStrip = platform::TabStrip;
// What controls are created on: the window's client area or a strip's page.
using Container = platform::Control;
// The window the program unloads: the About box.
using Form = AboutBox;

} // namespace orvanta::forms
