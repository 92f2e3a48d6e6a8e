#pragma once

// The Qt widgets that stand for the controls the program's handlers work on.

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvanta::platform {
class Window;
} // namespace orvanta::platform

namespace orvanta::forms {

using TextBox = QLineEdit;
using Label = QLabel;
using CommandButton = QPushButton;
// What controls are made on: the window's client area or a strip's page.
using Container = QWidget;
using Form = platform::Window;

} // namespace orvanta::forms
