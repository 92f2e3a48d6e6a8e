#pragma once

#include <functional>

class QWidget;

namespace orvanta::platform {

// Runs handler every time widget receives the keyboard focus, however it got
// there (mouse, Tab key, or the program). The hook lives as long as widget.
void OnGotFocus(QWidget *widget, std::function<void()> handler);

} // namespace orvanta::platform
