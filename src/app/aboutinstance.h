#pragma once

#include <memory>

#include <QPointer>

namespace orvanta {

class AboutBox;

// The program's one reference to the About box. It outlives the window:
// closing the box discards its widgets, and the next Show() loads a fresh
// window with the same content, centred again.
class AboutInstance final
{
    Q_DISABLE_COPY_MOVE(AboutInstance)

public:
    AboutInstance() = default;
    // Unloads a window that is still loaded (hidden by End, for instance).
    ~AboutInstance();

    // Loads the window if it is not loaded and shows it modeless; a box that
    // is already open stays the only one and comes to the front.
    void Show();

    // The loaded window, or nullptr while the box is unloaded.
    AboutBox *window() const;

private:
    QPointer<AboutBox> m_window;
};

// Help > About: creates the About box on first use, then shows it.
void mnuAbout_Click(std::unique_ptr<AboutInstance> &aboutInstance);

} // namespace orvanta
