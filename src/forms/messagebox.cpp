#include "messagebox.h"

#include <utility>

#include "forms.h"

namespace orvanta::forms {
namespace {

MessageBoxHook &hook()
{
    static MessageBoxHook instance;
    return instance;
}

} // namespace

MessageIcon IconOf(int style)
{
    switch (style & 0x70) {
    case Critical:
        return MessageIcon::Critical;
    case Question:
        return MessageIcon::Question;
    case Exclamation:
        return MessageIcon::Warning;
    case Information:
        return MessageIcon::Information;
    default:
        return MessageIcon::None;
    }
}

void SetMessageBoxHook(MessageBoxHook newHook)
{
    hook() = std::move(newHook);
}

void MsgBox(std::string_view prompt, int style, std::string_view title)
{
    MessageRequest request{std::string(prompt), style, std::string(title)};
    if (hook()) {
        hook()(request);
        return;
    }
    platform::ShowMessageBox(request, IconOf(style));
}

} // namespace orvanta::forms
