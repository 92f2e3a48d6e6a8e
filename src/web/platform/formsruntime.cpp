#include "formsruntime.h"

#include <string>

#include <emscripten.h>

#include "adapter.h"
#include "defaultbutton.h"
#include "desktop.h"
#include "dom.h"
#include "forms.h"
#include "tabstrip.h"
#include "window.h"

namespace orvanta {
namespace {

using platform::val;

void (*&releaseAtEnd())()
{
    static void (*release)() = nullptr;
    return release;
}

// The page says that the program has ended, or stopped after a run-time
// error (loader.js).
EM_JS(void, orvanta_show_ended, (int status), { Module.orvantaShowEnded(status); });

} // namespace

namespace forms {

std::string Text(const TextBox *box)
{
    return box->element()["value"].as<std::string>();
}

void SetText(TextBox *box, std::string_view text)
{
    box->element().set("value", std::string(text));
}

void SetFocus(TextBox *box)
{
    platform::BringToFront(box->element());
    box->element().call<void>("focus");
}

std::string Caption(const Label *label)
{
    return label->element()["textContent"].as<std::string>();
}

void SetCaption(Label *label, std::string_view caption)
{
    label->element().set("textContent", std::string(caption));
}

void SetToolTipText(Label *label, std::string_view tip)
{
    // The tooltip, and what a screen reader gives as the result's
    // description (a title alone would become its name).
    label->element().set("title", std::string(tip));
    label->element().call<void>("setAttribute", std::string("aria-description"), std::string(tip));
}

void SetDefault(CommandButton *button)
{
    platform::SetDefaultButton(button->element());
}

void SetTab(TabStrip *strip, std::int16_t index)
{
    strip->setTab(index);
}

void Unload(Form *form)
{
    // The window belongs to itself (a dialog): it goes with its controls.
    delete form;
}

std::string DecimalSeparator()
{
    // The browser's language, read now: it can change while the page is open.
    val parts = val::global("Intl")["NumberFormat"].new_().call<val>("formatToParts", 1.5);
    const int count = parts["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        if (parts[i]["type"].as<std::string>() == "decimal")
            return parts[i]["value"].as<std::string>();
    }
    return ".";
}

void End(int exitStatus)
{
    platform::ForgetHandlers();
    orvanta_show_ended(exitStatus);
    // The windows' objects may be running the handler that ended the
    // program: they are freed when it has returned.
    if (releaseAtEnd())
        emscripten_async_call([](void *) { releaseAtEnd()(); }, nullptr, 0);
}

static_assert(FormsOperations<TextBox, Label, CommandButton, TabStrip, Form>);

} // namespace forms

namespace platform {

void OnEnd(void (*release)())
{
    releaseAtEnd() = release;
}

} // namespace platform
} // namespace orvanta
