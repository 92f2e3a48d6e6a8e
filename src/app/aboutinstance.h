#pragma once

#include <memory>

#include "formref.h"

#include "aboutbox.h"

namespace orvanta {

// Creates the About box and its controls, centred on the screen, not yet
// shown.
AboutBox *LoadAboutForm();

// The program's one reference to the About box. It outlives the window:
// closing the box discards its controls, and the next Show() loads a fresh
// window with the same content, centred again.
class AboutInstance final
{
public:
    AboutInstance() = default;
    AboutInstance(const AboutInstance &) = delete;
    AboutInstance &operator=(const AboutInstance &) = delete;

    // Loads the window if it is not loaded and shows it modeless. One
    // already shown stays the only one: it comes to the front with the focus
    // on OK.
    void Show();

    // The loaded window, or nullptr while the box is unloaded.
    AboutBox *window() const;

private:
    forms::FormRef<AboutBox> m_window;
};

// Help > About: creates the About box on first use, then shows it.
void mnuAbout_Click(std::unique_ptr<AboutInstance> &aboutInstance);

// OK unloads the box.
void Command1_Click(AboutBox *form);

} // namespace orvanta
