#include "dom.h"

#include <exception>
#include <map>
#include <memory>
#include <new>
#include <string>

#include <emscripten.h>

#include "runtimeerror.h"

namespace orvanta::platform {
namespace {

std::map<int, Handler> &handlers()
{
    static std::map<int, Handler> instance;
    return instance;
}

// Exact quarters of a pixel are enough: designs use multiples of 15 twips
// almost everywhere, and CSS takes fractions.
double Pixels(int twips)
{
    return twips / 15.0;
}

// Building a window makes a few hundred elements: each is made, styled and
// placed in one call to the page rather than one per property.
EM_JS(emscripten::EM_VAL, orvanta_create, (const char *tag, emscripten::EM_VAL parent, const char *className), {
    const element = document.createElement(UTF8ToString(tag));
    const cls = UTF8ToString(className);
    if (cls)
        element.className = cls;
    const into = Emval.toValue(parent);
    if (into !== null)
        into.appendChild(element);
    return Emval.toHandle(element);
});

EM_JS(void, orvanta_place, (emscripten::EM_VAL element, double left, double top, double width, double height), {
    const style = Emval.toValue(element).style;
    style.left = left + "px";
    style.top = top + "px";
    style.width = width + "px";
    style.height = height + "px";
});

EM_JS(void, orvanta_set_size, (emscripten::EM_VAL element, double width, double height), {
    const style = Emval.toValue(element).style;
    style.width = width + "px";
    style.height = height + "px";
});

EM_JS(void, orvanta_set_font, (emscripten::EM_VAL element, const char *family, double points, int weight), {
    const style = Emval.toValue(element).style;
    style.fontFamily = UTF8ToString(family);
    style.fontSize = points + "pt";
    style.fontWeight = String(weight);
});

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
    // A copy: the handler may end the program, which forgets the handlers.
    const Handler handler = found->second;
    try {
        handler(event);
    } catch (...) {
        forms::ReportCurrentException();
    }
}

void Place(val element, const forms::TwipsRect &rect)
{
    orvanta_place(element.as_handle(), Pixels(rect.left), Pixels(rect.top), Pixels(rect.width), Pixels(rect.height));
}

void SetSize(val element, int widthTwips, int heightTwips)
{
    orvanta_set_size(element.as_handle(), Pixels(widthTwips), Pixels(heightTwips));
}

val Create(std::string_view tag, val parent, std::string_view className)
{
    return val::take_ownership(
        orvanta_create(std::string(tag).c_str(), parent.as_handle(), std::string(className).c_str()));
}

void ApplyFont(val element, const forms::FontDesign &font)
{
    if (font.isDefault())
        return;
    std::string family = "\"" + std::string(font.face) + "\"";
    for (const forms::FontFallback &fallback : forms::FontFallbacks) {
        if (fallback.face != font.face)
            continue;
        for (std::string_view substitute : fallback.substitutes)
            family += ", \"" + std::string(substitute) + "\"";
    }
    family += font.face == "Algerian" ? ", serif" : ", sans-serif";
    orvanta_set_font(element.as_handle(), family.c_str(), font.points, static_cast<int>(font.weight));
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
