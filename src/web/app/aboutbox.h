#pragma once

// frmAbout, the About box, in the page: a modeless dialog with its icon, the
// picture, the inverting line, three labels and OK, movable by its caption
// bar. Made from the shared About design by platform::WindowControls; OK,
// Enter, Escape and the close box unload it.

#include <memory>
#include <string_view>

#include "window.h"
#include "windowcontrols.h"

namespace orvanta {

class AboutBox final
{
public:
    AboutBox();
    ~AboutBox();

    // Places the window in the middle of the page.
    void centre();
    // Shows the box, or brings the open box to the front, with the focus on
    // the named control.
    void bringToFront(std::string_view focus);

    // Expires when the box is unloaded (forms::FormRef).
    std::weak_ptr<AboutBox *> tracker() const { return m_tracker; }

private:
    platform::Window m_window;
    platform::WindowControls m_controls;
    std::unique_ptr<platform::Control> m_client;
    platform::Control *m_ok = nullptr;
    std::shared_ptr<AboutBox *> m_tracker;
};

} // namespace orvanta
