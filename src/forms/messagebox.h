#pragma once

// The message box behind forms::MsgBox, written once: the request, what its
// style value means, and a hook that lets tests observe and answer the box
// without a nested event loop. The adapter only shows the native box.

#include <functional>
#include <string>

namespace orvanta::forms {

struct MessageRequest
{
    std::string prompt; // UTF-8
    int style = 0;      // MessageStyle values
    std::string title;
};

// The icon a style value asks for (its bits 4 to 6).
enum class MessageIcon { None, Critical, Question, Warning, Information };
MessageIcon IconOf(int style);

// Replaces the modal box by a function; an empty function restores the box.
using MessageBoxHook = std::function<void(const MessageRequest &)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace orvanta::forms

namespace orvanta::platform {

// Provided by the adapter: shows the native box with one OK button, modal to
// all of the program's windows, and returns when the user has dismissed it.
void ShowMessageBox(const forms::MessageRequest &request, forms::MessageIcon icon);

} // namespace orvanta::platform
