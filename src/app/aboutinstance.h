#pragma once

#include <memory>

// The adapter's About window: forms::AboutForm, and forms::AboutFormRef, a
// reference to a loaded window that empties itself when the window is
// unloaded and unloads a window still loaded when it goes.
#include "aboutform.h"

namespace orvanta {

namespace forms {

// Creates the window and its controls from the About design, centred on
// the screen, not yet shown.
AboutForm *LoadAboutForm();

// Provided by the adapter.
// Shows a loaded window modeless. One already shown stays the only one: it
// comes to the front with the focus on OK.
void Show(AboutForm *form);
// Closes the window and discards it and its controls.
void Unload(AboutForm *form);

} // namespace forms

// The program's one reference to the About box. It outlives the window:
// closing the box discards its controls, and the next Show() loads a fresh
// window with the same content, centred again.
class AboutInstance final
{
public:
    AboutInstance() = default;
    AboutInstance(const AboutInstance &) = delete;
    AboutInstance &operator=(const AboutInstance &) = delete;

    // Loads the window if it is not loaded and shows it modeless.
    void Show();

    // The loaded window, or nullptr while the box is unloaded.
    forms::AboutForm *window() const;

private:
    forms::AboutFormRef m_window;
};

// Help > About: creates the About box on first use, then shows it.
void mnuAbout_Click(std::unique_ptr<AboutInstance> &aboutInstance);

// OK unloads the box.
void Command1_Click(forms::AboutForm *form);

} // namespace orvanta
