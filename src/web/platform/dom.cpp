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

std::string Pixels(int twips)
{
    // Exact quarters of a pixel are enough: designs use multiples of 15 twips
    // almost everywhere, and CSS takes fractions.
    return std::to_string(twips / 15.0) + "px";
}

// The listener holds only a number: the handler stays on the C++ side.
EM_JS(void, orvanta_listen, (emscripten::EM_VAL element, const char *type, int id), {
    Emval.toValue(element).addEventListener(UTF8ToString(type), function(event) {
        if (Module.orvantaModal || Module.orvantaEnded)
            return;
        Module._orvanta_dispatch(id, Emval.toHandle(event));
    });
});

EM_JS(int, orvanta_modal_open, (), { return Module.orvantaModal ? 1 : 0; });

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
    val style = element["style"];
    style.set("left", Pixels(rect.left));
    style.set("top", Pixels(rect.top));
    style.set("width", Pixels(rect.width));
    style.set("height", Pixels(rect.height));
}

void SetSize(val element, int widthTwips, int heightTwips)
{
    element["style"].set("width", Pixels(widthTwips));
    element["style"].set("height", Pixels(heightTwips));
}

val Create(std::string_view tag, val parent, std::string_view className)
{
    val element = val::global("document").call<val>("createElement", std::string(tag));
    if (!className.empty())
        element.set("className", std::string(className));
    if (!parent.isNull())
        parent.call<void>("appendChild", element);
    return element;
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
    val style = element["style"];
    style.set("fontFamily", family);
    style.set("fontSize", std::to_string(font.points) + "pt");
    style.set("fontWeight", std::to_string(static_cast<int>(font.weight)));
}

void Listen(val element, std::string_view type, Handler handler)
{
    static int next = 0;
    const int id = ++next;
    handlers().emplace(id, std::move(handler));
    orvanta_listen(element.as_handle(), std::string(type).c_str(), id);
}

void ForgetHandlers()
{
    handlers().clear();
}

bool ModalOpen()
{
    return orvanta_modal_open() != 0;
}

} // namespace orvanta::platform
