#pragma once

// The About box frmAbout in the page: a modeless dialog with its icon, the
// picture, the inverting line, three labels and OK, movable by its caption
// and centred each time it is loaded. Built from the shared About design.

#include <memory>

#include "dom.h"
#include "window.h"

namespace orvanta {

class AboutBox final
{
public:
    AboutBox();
    AboutBox(const AboutBox &) = delete;
    AboutBox &operator=(const AboutBox &) = delete;
    ~AboutBox();

    void show();
    unsigned serial() const { return m_serial; }
    // Whether the box numbered serial is loaded now.
    static bool loaded(unsigned serial);

private:
    platform::Window m_window;
    platform::val m_ok = platform::val::null();
    unsigned m_serial;
};

} // namespace orvanta
