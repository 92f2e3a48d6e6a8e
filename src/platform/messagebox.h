#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace orvanta::platform {

// Style values of the classic message box: buttons in the low bits, icon in
// bits 4 to 6.
enum MessageStyle : int {
    OkOnly = 0,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
};

struct MessageRequest
{
    QString prompt;
    int style = OkOnly;
    QString title;
};

// Shows a modal message box and returns when the user has dismissed it.
void MsgBox(QWidget *parent, const QString &prompt, int style, const QString &title);

// Replaces the modal box by a function, so tests can observe and answer it
// without running a nested event loop. An empty function restores the box.
using MessageBoxHook = std::function<void(const MessageRequest &)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace orvanta::platform
