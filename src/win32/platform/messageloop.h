#pragma once

#include <vector>

#include <windows.h>

namespace orvanta::platform {

// The program's top-level windows. Each gets the dialog keys (Tab, Shift+Tab,
// Enter, Escape, arrows) through IsDialogMessageW, after its accelerator
// table, if it has one; forms::End closes them all.
void AddTopLevelWindow(HWND window);
void SetAccelerators(HWND window, HACCEL accelerators);
void RemoveTopLevelWindow(HWND window);
std::vector<HWND> TopLevelWindows();

// Routes one message of the thread's queue to the window it belongs to, as
// the message loop does.
void ProcessMessage(MSG &message);

// Runs the message loop until End; returns End's exit code.
int RunMessageLoop();

} // namespace orvanta::platform
