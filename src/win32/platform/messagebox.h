#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvanta::platform {

// Style values as in forms.h: buttons in the low bits, icon in bits 4 to 6.
struct MessageRequest
{
    std::string prompt;
    int style = 0;
    std::string title;
};

// Shows a message box modal to all of the program's windows and returns when
// the user has dismissed it. Texts are UTF-8.
void MsgBox(std::string_view prompt, int style, std::string_view title);

// Replaces the modal box by a function, so tests can observe and answer it
// without running a nested message loop. An empty function restores the box.
using MessageBoxHook = std::function<void(const MessageRequest &)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace orvanta::platform
