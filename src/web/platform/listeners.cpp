#include "listeners.h"

#include <map>

#include <emscripten.h>

#include "runtimeerror.h"

namespace orvanta::platform {
namespace {

std::map<int, Handler> &handlers()
{
    static std::map<int, Handler> instance;
    return instance;
}

// The listener holds only a number: the handler stays on the C++ side. A
// JavaScript error or a trap passes through the module's frames without
// stopping at a C++ catch; the page's failure report takes it here
// (loader.js).
EM_JS(emscripten::EM_VAL, orvanta_listen, (emscripten::EM_VAL element, const char *type, int id), {
    const listener = function(event) {
        if (Module.orvantaModal || Module.orvantaEnded)
            return;
        try {
            Module._orvanta_dispatch(id, Emval.toHandle(event));
        } catch (error) {
            Module.orvantaFailed(error);
        }
    };
    Emval.toValue(element).addEventListener(UTF8ToString(type), listener);
    return Emval.toHandle(listener);
});

EM_JS(void, orvanta_click_later, (emscripten::EM_VAL handle), {
    const element = Emval.toValue(handle);
    setTimeout(function() {
        if (element.isConnected)
            element.click();
    });
});

} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void orvanta_dispatch(int id, emscripten::EM_VAL eventHandle)
{
    val event = val::take_ownership(eventHandle);
    const auto found = handlers().find(id);
    if (found == handlers().end())
        return;
    // A copy: the handler may end the program, which forgets the handlers,
    // or discard the window it belongs to.
    const Handler handler = found->second;
    try {
        handler(event);
    } catch (...) {
        forms::ReportCurrentException();
    }
}

Listeners::~Listeners()
{
    for (const Entry &entry : m_entries) {
        entry.element.call<void>("removeEventListener", entry.type, entry.listener);
        handlers().erase(entry.id);
    }
}

void Listeners::add(val element, std::string_view type, Handler handler)
{
    static int next = 0;
    const int id = ++next;
    handlers().emplace(id, std::move(handler));
    std::string name(type);
    val listener = val::take_ownership(orvanta_listen(element.as_handle(), name.c_str(), id));
    m_entries.push_back({id, std::move(element), std::move(name), std::move(listener)});
}

void ForgetHandlers()
{
    handlers().clear();
}

void ClickLater(val element)
{
    orvanta_click_later(element.as_handle());
}

} // namespace orvanta::platform
