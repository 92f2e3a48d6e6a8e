#pragma once

// Elements of the page, placed in twips, and their events delivered to C++.

#include <functional>
#include <string>
#include <string_view>

#include <emscripten/val.h>

#include "design.h"

namespace orvanta::platform {

using emscripten::val;

// Twips to CSS pixels: a CSS pixel is 1/96 inch, fifteen twips.
void Place(val element, const forms::TwipsRect &rect);
void SetSize(val element, int widthTwips, int heightTwips);

// A new element of `tag` with `className`, appended to `parent`.
val Create(std::string_view tag, val parent, std::string_view className = {});

// The CSS font of a design: its face, then the faces that stand in for it.
void ApplyFont(val element, const forms::FontDesign &font);

// Calls handler for each `type` event on element, while the program runs.
// Events that arrive while a message box is open are dropped: the box is
// modal. What escapes the handler is reported as a run-time error.
using Handler = std::function<void(val event)>;
void Listen(val element, std::string_view type, Handler handler);

// Clicks element once the event being handled is over. A key that presses a
// button must not click it from inside its own handler: if the click's
// handler then waits for a message box, the module could not resume through
// the page's frames between the two, and would dispatch the click again.
void ClickLater(val element);

// Forgets every handler: the program has ended.
void ForgetHandlers();

// True while a message box waits for its answer.
bool ModalOpen();

// A control of a window: an input box, a button or a label.
class Control
{
public:
    explicit Control(val element, std::string name = {}) : m_element(std::move(element)), m_name(std::move(name)) {}
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    val element() const { return m_element; }
    // The design name; kept here so that finding a control asks the page nothing.
    const std::string &name() const { return m_name; }

private:
    val m_element;
    std::string m_name;
};

} // namespace orvanta::platform
