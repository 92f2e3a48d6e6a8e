#pragma once

// The page's events delivered to the program's handlers.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <emscripten/val.h>

namespace orvanta::platform {

using emscripten::val;
using Handler = std::function<void(val event)>;

// The event listeners of one window, strip or control. Each calls its
// handler for every event of its type on its element while the program
// runs; events that arrive while a message box is open are dropped, since
// the box is modal. Whatever escapes a handler (a C++ exception, a
// JavaScript error, a WebAssembly trap) goes to the run-time error report.
// The listeners go with this object: no handler runs once what it serves is
// gone.
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

} // namespace orvanta::platform
