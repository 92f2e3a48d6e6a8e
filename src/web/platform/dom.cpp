#include "dom.h"

#include <emscripten.h>

namespace orvanta::platform {
namespace {

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

} // namespace

val Create(std::string_view tag, val parent, std::string_view className)
{
    return val::take_ownership(
        orvanta_create(std::string(tag).c_str(), parent.as_handle(), std::string(className).c_str()));
}

void Place(val element, const forms::TwipsRect &rect)
{
    orvanta_place(element.as_handle(), Pixels(rect.left), Pixels(rect.top), Pixels(rect.width), Pixels(rect.height));
}

void SetSize(val element, int widthTwips, int heightTwips)
{
    orvanta_set_size(element.as_handle(), Pixels(widthTwips), Pixels(heightTwips));
}

void ApplyFont(val element, const forms::FontDesign &font)
{
    if (font.isDefault())
        return;
    std::string_view generic = "sans-serif";
    for (const forms::FontFallback &fallback : forms::FontFallbacks) {
        if (fallback.face == font.face)
            generic = fallback.generic;
    }
    const std::string family = "\"" + std::string(font.face) + "\", " + std::string(generic);
    orvanta_set_font(element.as_handle(), family.c_str(), font.points, static_cast<int>(font.weight));
}

void SetAttribute(val element, std::string_view name, std::string_view value)
{
    element.call<void>("setAttribute", std::string(name), std::string(value));
}

} // namespace orvanta::platform
