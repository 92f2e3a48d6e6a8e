#include "forms.h"

#include <windows.h>

#include "adapter.h"
#include "editbox.h"
#include "messageloop.h"
#include "pushbutton.h"
#include "staticlabel.h"
#include "tabstrip.h"
#include "utf8.h"
#include "winapi.h"
#include "window.h"

namespace orvanta::forms {

std::string Text(const TextBox *box)
{
    return platform::ToUtf8(platform::WindowTextOf(box->hwnd()));
}

void SetText(TextBox *box, std::string_view text)
{
    SetWindowTextW(box->hwnd(), platform::FromUtf8(text).c_str());
}

void SetFocus(TextBox *box)
{
    // After a modal box closes, activation may have gone elsewhere (or
    // nowhere); focus set then would not arrive until the user clicks.
    HWND window = GetAncestor(box->hwnd(), GA_ROOT);
    if (GetActiveWindow() != window)
        SetForegroundWindow(window);
    ::SetFocus(box->hwnd());
}

std::string Caption(const Label *label)
{
    return platform::ToUtf8(platform::WindowTextOf(label->hwnd()));
}

void SetCaption(Label *label, std::string_view caption)
{
    SetWindowTextW(label->hwnd(), platform::FromUtf8(caption).c_str());
}

void SetToolTipText(Label *label, std::string_view tip)
{
    // Screen readers read the label's live text, and its tip as the description.
    label->setToolTip(tip);
}

void SetDefault(CommandButton *button)
{
    SendMessageW(GetAncestor(button->hwnd(), GA_ROOT), DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(button->hwnd())), 0);
}

void SetTab(TabStrip *strip, std::int16_t index)
{
    strip->setTab(index);
}

void Unload(Form *form)
{
    // A dialog goes with its window.
    DestroyWindow(form->hwnd());
}

std::string DecimalSeparator()
{
    // Read at each call: the user may change it while the program runs.
    wchar_t separator[8]{};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    if (length <= 1)
        return ".";
    return platform::ToUtf8({separator, static_cast<std::size_t>(length - 1)});
}

void End(int exitStatus)
{
    // Owned windows (tooltips) go with their owners.
    for (HWND window : platform::TopLevelWindows()) {
        if (IsWindow(window))
            DestroyWindow(window);
    }
    PostQuitMessage(exitStatus);
}

static_assert(FormsOperations<TextBox, Label, CommandButton, TabStrip, Form>);

} // namespace orvanta::forms
