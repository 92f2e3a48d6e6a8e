#pragma once

class QWidget;

namespace orvanta::platform {

// Places a top-level window, frame included, in the middle of its screen's
// available area. Before the window is mapped its frame is not known yet;
// call it again after showing to correct for the frame.
void CentreOnScreen(QWidget *window);

} // namespace orvanta::platform
