#include "aboutinstance.h"

#include "aboutbox.h"

namespace orvanta {

AboutInstance::~AboutInstance()
{
    delete m_window.data();
}

AboutBox *AboutInstance::window() const
{
    return m_window;
}

void AboutInstance::Show()
{
    if (m_window) {
        m_window->show();
        m_window->bringToFront();
        return;
    }
    m_window = new AboutBox;
    m_window->centre();
    m_window->show();
    // The frame is known once the window is shown; centre it with its frame.
    m_window->centre();
    // Without a window manager nothing activates a new window by itself.
    m_window->activateWindow();
}

void mnuAbout_Click(std::unique_ptr<AboutInstance> &aboutInstance)
{
    if (!aboutInstance)
        aboutInstance = std::make_unique<AboutInstance>();
    aboutInstance->Show();
}

} // namespace orvanta
