#pragma once

// A window's client area in the page: the designed size, the window's font,
// its background picture from the top-left corner cut off where the area
// ends, and the designed lines, which invert what lies beneath them.

#include <string>
#include <vector>

#include "dom.h"

namespace orvanta::forms {
struct Arrangement;
} // namespace orvanta::forms

namespace orvanta::platform {

class ClientArea final
{
public:
    ClientArea(val window, const forms::WindowDesign &design);
    ClientArea(const ClientArea &) = delete;
    ClientArea &operator=(const ClientArea &) = delete;

    // What controls are made on.
    Control *container() { return &m_client; }
    val element() const { return m_client.element(); }

    void addLine(const forms::LineDesign &line);

    // Its size, its lines and the least size of its text for an arrangement.
    void arrange(const forms::Arrangement &arrangement);

private:
    struct Line
    {
        std::string name;
        val element;
        int widthPixels;
    };

    const forms::WindowDesign &m_design;
    Control m_client;
    std::vector<Line> m_lines;
};

} // namespace orvanta::platform
