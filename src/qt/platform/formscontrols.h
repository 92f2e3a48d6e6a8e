#pragma once

// The Qt widgets that stand for the controls the program's handlers work on.

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvanta::platform {
class TabStrip;
}

namespace orvanta::forms {

using TextBox = QLineEdit;
using Label = QLabel;
using CommandButton = QPushButton;
using TabStrip = platform::TabStrip;
// What controls are created on: the window's client area or a strip's page.
using Container = QWidget;

} // namespace orvanta::forms
