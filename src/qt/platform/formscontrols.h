#pragma once

// The Qt widgets that stand for the controls the program's handlers work on.

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvanta::platform {
class TabStrip;
}

namespace orvanta::forms {

using TextBox = QLineEdit;
using Label = QLabel;
using CommandButton = QPushButton;
using TabStrip = platform::TabStrip;

} // namespace orvanta::forms
