#pragma once

// Elements of the page, placed in twips, and their events delivered to C++.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

using Handler = std::function<void(val event)>;

// The event listeners of one window or control. Each calls its handler for
// every event of its type on its element while the program runs; events
// that arrive while a message box is open are dropped, since the box is
// modal. Whatever escapes a handler (a C++ exception, a JavaScript error, a
// WebAssembly trap) goes to the run-time error report. The listeners go
// with this object: no handler runs once what it serves is gone.
class Listeners final
{
public:
    Listeners() = default;
    Listeners(const Listeners &) = delete;
    Listeners &operator=(const Listeners &) = delete;
    ~Listeners();

    void add(val element, std::string_view type, Handler handler);

private:
    struct Entry
    {
        int id;
        val element;
        std::string type;
        val listener;
    };
    std::vector<Entry> m_entries;
};

// Clicks element once the event being handled is over, if it is still in
// the page then. A key that presses a button must not click it from inside
// its own handler: if the click's handler then waits for a message box, the
// module could not resume through the page's frames between the two, and
// would dispatch the click again.
void ClickLater(val element);

// Forgets every handler: the program has ended.
void ForgetHandlers();

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
    // Listens to the control's events for as long as it exists.
    void listen(std::string_view type, Handler handler) { m_listeners.add(m_element, type, std::move(handler)); }

private:
    val m_element;
    std::string m_name;
    Listeners m_listeners;
};

} // namespace orvanta::platform
