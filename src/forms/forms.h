#pragma once

// The operations the program's handlers perform on their windows. They are
// declared once here and implemented by each toolkit adapter; the handlers
// rely on the effects described and on nothing more. Texts are UTF-8.
//
// formscontrols.h comes from the adapter being built and names its control
// types: TextBox, Label, CommandButton, Container and Form (adapter.h). Its
// tab strip is platform::TabStrip.

#include <cstdint>
#include <string>
#include <string_view>

#include "formscontrols.h"

namespace orvanta::platform {
class TabStrip;
} // namespace orvanta::platform

namespace orvanta::forms {

using TabStrip = platform::TabStrip;

// Text box.
std::string Text(const TextBox *box);
void SetText(TextBox *box, std::string_view text);
// Moves the keyboard focus to the box, bringing its window to the front if
// needed; the box's got-focus handler runs if it did not have the focus.
void SetFocus(TextBox *box);

// Label.
std::string Caption(const Label *label);
void SetCaption(Label *label, std::string_view caption);
// Shown while the pointer rests on the label.
void SetToolTipText(Label *label, std::string_view tip);

// Makes button the only default button of its window: Enter in a text box
// of that window clicks it.
void SetDefault(CommandButton *button);

// Selects a page of a tab strip, counting from 0, as a click on its tab would.
void SetTab(TabStrip *strip, std::int16_t index);

// Closes the window and discards it and its controls.
void Unload(Form *form);

// Style values of the message box: buttons in the low bits, icon in bits 4
// to 6. The program uses only OK-only boxes.
enum MessageStyle : int {
    OkOnly = 0,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
};

// Shows a message box modal to the program's windows and returns when the
// user has dismissed it (messagebox.h).
void MsgBox(std::string_view prompt, int style, std::string_view title);

// The decimal separator of the user's locale as it is set now.
std::string DecimalSeparator();

// Ends the program at once: every window closes and nothing is asked. The
// exit status is 0, unless a run-time error ends the program (runtimeerror.h).
void End(int exitStatus = 0);

} // namespace orvanta::forms
