#pragma once

#include <functional>
#include <string>

namespace orvanta::platform {

// A message box in the page: a modal alert dialog with the style's icon, the
// prompt, the title in its caption bar and one OK. The program's windows are
// inert while it is open; the call returns when OK, Enter, Escape or the
// close box has answered it.
void MsgBox(const std::string &prompt, int style, const std::string &title);

// Replaces the box: tests record what would have been shown.
struct MessageRequest
{
    std::string prompt;
    int style;
    std::string title;
};
using MessageBoxHook = std::function<void(const MessageRequest &)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace orvanta::platform
