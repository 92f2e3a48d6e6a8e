#pragma once

#include <functional>

#include <QString>

#include "forms.h"

class QWidget;

namespace orvanta::platform {

using enum forms::MessageStyle;

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
