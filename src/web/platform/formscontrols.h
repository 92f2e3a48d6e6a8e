#pragma once

// The page elements that stand for the controls the program's handlers work on.

namespace orvanta::platform {
class Control;
class Window;
} // namespace orvanta::platform

namespace orvanta::forms {

// Every control is a page element, and so is what controls are made on: the
// window's client area or a strip's page.
using Container = platform::Control;
using TextBox = Container;
using Label = Container;
using CommandButton = Container;
using Form = platform::Window;

} // namespace orvanta::forms
