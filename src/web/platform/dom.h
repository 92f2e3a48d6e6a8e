#pragma once

// Elements of the page: made, placed in twips and given the design's fonts.

#include <string>
#include <string_view>

#include <emscripten/val.h>

#include "design.h"
#include "listeners.h"

namespace orvanta::platform {

using emscripten::val;

// A new element of `tag` with `className`, appended to `parent` (none: null).
val Create(std::string_view tag, val parent, std::string_view className = {});

// Twips to CSS pixels: a CSS pixel is 1/96 inch, fifteen twips.
void Place(val element, const forms::TwipsRect &rect);
void SetSize(val element, int widthTwips, int heightTwips);

// The design's face, size and weight. The page carries the designed faces
// (orvanta.css); the generic family covers characters they lack.
void ApplyFont(val element, const forms::FontDesign &font);

void SetAttribute(val element, std::string_view name, std::string_view value);

// An element the program works on: a control of a window, or what controls
// are made on (a client area, a strip's page).
class Control
{
public:
    explicit Control(val element, std::string name = {}) : m_element(std::move(element)), m_name(std::move(name)) {}
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    val element() const { return m_element; }
    // The design name; kept here so that finding a control asks the page nothing.
    const std::string &name() const { return m_name; }
    // Listens to the element's events for as long as the control exists.
    void listen(std::string_view type, Handler handler) { m_listeners.add(m_element, type, std::move(handler)); }

private:
    val m_element;
    std::string m_name;
    Listeners m_listeners;
};

} // namespace orvanta::platform
